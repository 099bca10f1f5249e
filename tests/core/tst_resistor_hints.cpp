// The resistor to buy: E12 neighbours with the LED current each gives, and the power rating.
#include "core/resistor_hints.h"

#include "core/number_text.h"
#include "core/standard_values.h"

#include "data_row.h"

#include <QtTest>

#include <cmath>

using namespace varelux;
using namespace Qt::StringLiterals;

class TestResistorHints : public QObject {
    Q_OBJECT

private slots:
    void hints_data();
    void hints();
};

namespace {

// The nearest values as "ohm:mA" pairs, the current to three digits: "470:21,3 560:17,9".
QString nearestOf(const ResistorHints &hints)
{
    QStringList values;
    for (const StandardResistor &value : hints.nearest)
        values << QString::fromStdString(writeNumber(value.ohms) + ":" +
                                         writeNumber(value.ledMilliamps, 3));
    return values.join(u' ');
}

} // namespace

void TestResistorHints::hints_data()
{
    QTest::addColumn<double>("resistance"); // ohm
    QTest::addColumn<double>("power");      // mW
    QTest::addColumn<int>("leds");          // above 1: a parallel panel's record, 20 mA per LED
    QTest::addColumn<QString>("nearest");
    QTest::addColumn<int>("rating"); // mW; 0 for none
    QTest::addColumn<bool>("tooLow");

    row("worked example", 500.0, 200.0, 1, u"470:21,3 560:17,9"_s, 500, false);
    row("exact, power half of 1/2 W", 470.0, 250.0, 1, u"470:20"_s, 500, false);
    row("shown as 470, power above half", std::nextafter(470.0, 0.0), 250.001, 1, u"470:20"_s, 1000,
        false);
    row("just below a decade", 9.9, 15000.0, 1, u"8,2:24,1 10:19,8"_s, 30000, false);
    row("just above a decade, beyond 30 W", 10.1, 15000.001, 1, u"10:20,2 12:16,8"_s, 0, false);
    row("lowest value", 1.0, 0.4, 1, u"1:20"_s, 125, false);
    row("below the table", 0.99, 0.4, 1, QString(), 125, false);
    row("ohm to megaohm", 9e5, 0.4, 1, u"820000:22 1000000:18"_s, 125, false);
    row("highest value", 8.2e6, 0.4, 1, u"8200000:20"_s, 125, false);
    row("above the table", 8.3e6, 0.4, 1, QString(), 125, false);
    row("zero resistance", 0.0, 0.0, 1, QString(), 0, true);
    row("negative resistance", -50.0, -20.0, 1, QString(), 0, true);
    row("parallel, current per LED", 440.0 / 3, 528.0, 3, u"120:24,4 150:19,6"_s, 2000, false);
}

void TestResistorHints::hints()
{
    QFETCH(double, resistance);
    QFETCH(double, power);
    QFETCH(int, leds);
    QFETCH(QString, nearest);
    QFETCH(int, rating);
    QFETCH(bool, tooLow);

    const double amps = 0.02;
    const ResistorHints hints = resistorHints(Sizing{.ledCurrent = amps,
                                                     .resistorCurrent = leds * amps,
                                                     .resistance = resistance,
                                                     .power = power});
    QCOMPARE(nearestOf(hints), nearest);
    QCOMPARE(hints.ratingMilliwatts.value_or(0), rating);
    QCOMPARE(hints.supplyNotAboveLeds, tooLow);
    // Each value is the cell of the table it names.
    for (const StandardResistor &value : hints.nearest)
        QCOMPARE(e12Ohms(value.row, value.column), value.ohms);
}

QTEST_GUILESS_MAIN(TestResistorHints)
#include "tst_resistor_hints.moc"
