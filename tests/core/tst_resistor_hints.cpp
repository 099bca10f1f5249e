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
    QTest::addColumn<double>("current");    // mA, of one LED
    QTest::addColumn<int>("leds");          // above 1: a parallel panel's record
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("rating");

    const QString example = "Valori standard E12: 470 ohm (21,3 mA) · 560 ohm (17,9 mA)";
    const QString exact = "Valori standard E12: 470 ohm (20 mA)";
    const QString halfW = "Resistore consigliato: 1/2 W";
    const QString tooLow = "La tensione del circuito non supera la tensione totale dei Led";

    row("worked example", 500.0, 200.0, 20.0, 1, example, halfW);
    row("exact standard value", 470.0, 188.0, 20.0, 1, exact, halfW);
    row("shown as 470, a hair below", std::nextafter(470.0, 0.0), 188.0, 20.0, 1, exact, halfW);
    row("shown as 470, a hair above", std::nextafter(470.0, 1e3), 188.0, 20.0, 1, exact, halfW);
    row("just below a decade", 9.9, 99.0, 100.0, 1,
        QString("Valori standard E12: 8,2 ohm (121 mA) · 10 ohm (99 mA)"),
        QString("Resistore consigliato: 1/4 W"));
    row("just above a decade", 10.1, 1010.0, 100.0, 1,
        QString("Valori standard E12: 10 ohm (101 mA) · 12 ohm (84,2 mA)"),
        QString("Resistore consigliato: 3 W"));
    row("between ohm and megaohm columns", 9e5, 0.09, 0.01, 1,
        QString("Valori standard E12: 820.000 ohm (0,011 mA) · 1,0 megaohm (0,009 mA)"),
        QString("Resistore consigliato: 1/8 W"));
    row("lowest value", 1.0, 0.4, 20.0, 1, QString("Valori standard E12: 1,0 ohm (20 mA)"),
        QString("Resistore consigliato: 1/8 W"));
    row("below the table", 0.99, 0.4, 20.0, 1, QString(), QString("Resistore consigliato: 1/8 W"));
    row("highest value", 8.2e6, 0.05, 0.1, 1, QString("Valori standard E12: 8,2 megaohm (0,1 mA)"),
        QString("Resistore consigliato: 1/8 W"));
    row("above the table", 8.3e6, 0.05, 0.1, 1, QString(), QString("Resistore consigliato: 1/8 W"));
    row("zero resistance", 0.0, 0.0, 20.0, 1, tooLow, QString());
    row("negative resistance", -50.0, -20.0, 20.0, 1, tooLow, QString());
    row("exactly half of 1/2 W", 500.0, 250.0, 20.0, 1, example, halfW);
    row("just above half of 1/2 W", 500.0, 250.001, 20.0, 1, example,
        QString("Resistore consigliato: 1 W"));
    row("exactly half of 30 W", 500.0, 15000.0, 20.0, 1, example,
        QString("Resistore consigliato: 30 W"));
    row("beyond 30 W", 500.0, 15000.001, 20.0, 1, example, QString());
    row("parallel, current per LED", 440.0 / 3, 528.0, 20.0, 3,
        QString("Valori standard E12: 120 ohm (24,4 mA) · 150 ohm (19,6 mA)"),
        QString("Resistore consigliato: 2 W"));
}

void TestResistorHints::hints()
{
    QFETCH(double, resistance);
    QFETCH(double, power);
    QFETCH(double, current);
    QFETCH(int, leds);
    QFETCH(QString, values);
    QFETCH(QString, rating);

    const double amps = current / 1000;
    const ResistorHints hints =
        leds > 1 ? resistorHints(ParallelRecord{amps, leds * amps, 0, resistance, power})
                 : resistorHints(SeriesRecord{amps, 0, resistance, power});
    QCOMPARE(QString::fromStdString(hints.standardValues), values);
    QCOMPARE(QString::fromStdString(hints.rating), rating);
}

QTEST_GUILESS_MAIN(TestResistorHints)
#include "tst_resistor_hints.moc"
