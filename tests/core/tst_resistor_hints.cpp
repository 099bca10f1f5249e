// The resistor to buy: E12 neighbours with the LED current each gives, and the power rating.
#include "core/resistor_hints.h"

#include "data_row.h"

#include <QtTest>

#include <cmath>

using namespace varelux;

class TestResistorHints : public QObject {
    Q_OBJECT

private slots:
    void hints_data();
    void hints();
};

void TestResistorHints::hints_data()
{
    QTest::addColumn<double>("resistance"); // ohm
    QTest::addColumn<double>("power");      // mW
    QTest::addColumn<int>("leds");          // above 1: a parallel panel's record, 20 mA per LED
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("rating");

    const QString e12 = "Valori standard E12: ", w = "Resistore consigliato: ";
    const QString exact = e12 + "470 ohm (20 mA)";
    const QString tooLow = "La tensione del circuito non supera la tensione totale dei Led";

    row("worked example", 500.0, 200.0, 1, e12 + "470 ohm (21,3 mA) · 560 ohm (17,9 mA)",
        w + "1/2 W");
    row("exact, power half of 1/2 W", 470.0, 250.0, 1, exact, w + "1/2 W");
    row("shown as 470, power above half", std::nextafter(470.0, 0.0), 250.001, 1, exact, w + "1 W");
    row("just below a decade", 9.9, 15000.0, 1, e12 + "8,2 ohm (24,1 mA) · 10 ohm (19,8 mA)",
        w + "30 W");
    row("just above a decade, beyond 30 W", 10.1, 15000.001, 1,
        e12 + "10 ohm (20,2 mA) · 12 ohm (16,8 mA)", QString());
    row("lowest value", 1.0, 0.4, 1, e12 + "1,0 ohm (20 mA)", w + "1/8 W");
    row("below the table", 0.99, 0.4, 1, QString(), w + "1/8 W");
    row("ohm to megaohm", 9e5, 0.4, 1, e12 + "820.000 ohm (22 mA) · 1,0 megaohm (18 mA)",
        w + "1/8 W");
    row("highest value", 8.2e6, 0.4, 1, e12 + "8,2 megaohm (20 mA)", w + "1/8 W");
    row("above the table", 8.3e6, 0.4, 1, QString(), w + "1/8 W");
    row("zero resistance", 0.0, 0.0, 1, tooLow, QString());
    row("negative resistance", -50.0, -20.0, 1, tooLow, QString());
    row("parallel, current per LED", 440.0 / 3, 528.0, 3,
        e12 + "120 ohm (24,4 mA) · 150 ohm (19,6 mA)", w + "2 W");
}

void TestResistorHints::hints()
{
    QFETCH(double, resistance);
    QFETCH(double, power);
    QFETCH(int, leds);
    QFETCH(QString, values);
    QFETCH(QString, rating);

    const double amps = 0.02;
    const ResistorHints hints =
        leds > 1 ? resistorHints(ParallelRecord{amps, leds * amps, 0, resistance, power})
                 : resistorHints(SeriesRecord{amps, 0, resistance, power});
    QCOMPARE(QString::fromStdString(hints.standardValues), values);
    QCOMPARE(QString::fromStdString(hints.rating), rating);
}

QTEST_GUILESS_MAIN(TestResistorHints)
#include "tst_resistor_hints.moc"
