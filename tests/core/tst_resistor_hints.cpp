// The resistor to buy: the neighbours in a series with the LED current each gives, the power
// rating, and the resistor of each branch of LEDs in parallel.
#include "core/resistor_hints.h"

#include "core/number_text.h"
#include "core/standard_values.h"

#include "data_row.h"

#include <QtTest>

#include <cmath>
#include <utility>

using namespace varelux;
using namespace Qt::StringLiterals;

class TestResistorHints : public QObject {
    Q_OBJECT

private slots:
    void hints_data();
    void hints();
    void branchResistor_data();
    void branchResistor();
    void seriesAgainstTheStandard();
};

namespace {

// The nearest values as "ohm:mA" pairs, the current to three digits, and where the resistance
// lies beyond the series, which end: "470:21,3 560:17,9", "0,1:10 below".
QString nearestOf(const ResistorHints &hints)
{
    QStringList values;
    for (const StandardResistor &value : hints.nearest)
        values << QString::fromStdString(writeNumber(value.ohms, kDecimalComma) + ":" +
                                         writeNumber(value.ledMilliamps, kDecimalComma, 3));
    if (hints.reach != SeriesReach::Within)
        values << (hints.reach == SeriesReach::BelowSeries ? u"below"_s : u"above"_s);
    return values.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(ESeries)

void TestResistorHints::hints_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<double>("resistance"); // ohm
    QTest::addColumn<double>("power");      // mW
    QTest::addColumn<int>("leds");          // above 1: a parallel panel's record, 20 mA per LED
    QTest::addColumn<QString>("nearest");
    QTest::addColumn<int>("rating"); // mW; 0 for none
    QTest::addColumn<bool>("tooLow");

    const auto E12 = ESeries::E12, E24 = ESeries::E24, E96 = ESeries::E96;
    row("worked example", E12, 500.0, 200.0, 1, u"470:21,3 560:17,9"_s, 500, false);
    row("exact, power half of 1/2 W", E12, 470.0, 250.0, 1, u"470:20"_s, 500, false);
    row("shown as 470, power above half", E12, std::nextafter(470.0, 0.0), 250.001, 1, u"470:20"_s,
        1000, false);
    row("just below a decade", E12, 9.9, 15000.0, 1, u"8,2:24,1 10:19,8"_s, 30000, false);
    row("just above a decade, beyond 30 W", E12, 10.1, 15000.001, 1, u"10:20,2 12:16,8"_s, 0,
        false);
    row("below 1 ohm", E12, 0.2 / 0.35, 70.0, 1, u"0,56:20,4 0,68:16,8"_s, 250, false);
    row("lowest value", E12, 0.1, 0.4, 1, u"0,1:20"_s, 125, false);
    row("below the series", E12, 0.05, 0.4, 1, u"0,1:10 below"_s, 125, false);
    row("ohm to megaohm", E12, 9e5, 0.4, 1, u"820000:22 1000000:18"_s, 125, false);
    row("highest value", E12, 8.2e7, 0.4, 1, u"82000000:20"_s, 125, false);
    row("above the series", E12, 1.64e8, 0.4, 1, u"82000000:40 above"_s, 125, false);
    row("zero resistance", E12, 0.0, 0.0, 1, QString(), 0, true);
    row("negative resistance", E12, -50.0, -20.0, 1, QString(), 0, true);
    row("parallel, current per LED", E12, 440.0 / 3, 528.0, 3, u"120:24,4 150:19,6"_s, 2000, false);
    row("E24, worked example", E24, 500.0, 200.0, 1, u"470:21,3 510:19,6"_s, 500, false);
    row("E96, worked example", E96, 500.0, 200.0, 1, u"499:20 511:19,6"_s, 500, false);
    row("E96, lowest value", E96, 0.1, 0.4, 1, u"0,1:20"_s, 125, false);
    row("E96, highest value", E96, 9.76e7, 0.4, 1, u"97600000:20"_s, 125, false);
}

void TestResistorHints::hints()
{
    QFETCH(ESeries, series);
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
                                                     .power = power},
                                              series);
    QCOMPARE(nearestOf(hints), nearest);
    QCOMPARE(hints.ratingMilliwatts.value_or(0), rating);
    QCOMPARE(hints.supplyNotAboveLeds, tooLow);
}

// A sizing's resistor voltage over one LED's current, or none.
void TestResistorHints::branchResistor_data()
{
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("amps");
    QTest::addColumn<QString>("branch"); // "ohm mW nearest"

    row("worked example", 3.0, 0.02, u"150 60 150:20"_s);
    row("between two values", 8.8, 0.02, u"440 176 390:22,6 470:18,7"_s);
    row("supply equals LED", 0.0, 0.02, QString());
    row("beyond the double range", 3.0, 1e-322, QString());
}

void TestResistorHints::branchResistor()
{
    QFETCH(double, volts);
    QFETCH(double, amps);
    QFETCH(QString, branch);

    const auto resistor =
        varelux::branchResistor(Sizing{.ledCurrent = amps, .resistorVoltage = volts}, ESeries::E12);
    const QString shown =
        resistor
            ? QString::fromStdString(writeNumber(resistor->resistance, kDecimalComma, 3) + ' ' +
                                     writeNumber(resistor->power, kDecimalComma, 3) + ' ') +
                  nearestOf(resistor->hints)
            : QString();
    QCOMPARE(shown, branch);
}

// The series as IEC 60063 gives them: E24's numbers, some of which are not the rounded
// 10^(i/24) of its rule; E12 every second of them; E96 each 10^(i/96) to three digits. (Where
// they start and end: the hint rows of the lowest and highest values.)
void TestResistorHints::seriesAgainstTheStandard()
{
    const int e24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    for (const auto &[series, perDecade] :
         {std::pair{ESeries::E12, 12}, {ESeries::E24, 24}, {ESeries::E96, 96}}) {
        const auto numbers = seriesNumbers(series);
        QCOMPARE(int(numbers.size()), perDecade);
        for (int i = 0; i < perDecade; ++i)
            QCOMPARE(numbers[std::size_t(i)], series == ESeries::E96
                                                  ? int(std::lround(100 * std::pow(10.0, i / 96.0)))
                                                  : e24[i * (24 / perDecade)]);
    }
}

QTEST_GUILESS_MAIN(TestResistorHints)
#include "tst_resistor_hints.moc"
