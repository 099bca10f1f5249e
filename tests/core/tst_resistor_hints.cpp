// The resistor to buy: the neighbours in a series with the LED current each gives, nominally
// and within the parts' tolerances, the power rating, and the resistor of each branch of LEDs in
// parallel.
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

// The nearest values as "ohm:mA[lowest-highest]", the currents per LED to three digits, each
// flagged "!dark" and "!over" where the LEDs may stay dark or be overdriven, and where the
// resistance lies beyond the series, which end: "470:21,3[18,6-24,2] 560:17,9[15,6-20,3]".
QString nearestOf(const ResistorHints &hints)
{
    auto rough = [](double value) { return writeNumber(value, kDecimalComma, 3); };
    QStringList values;
    for (const StandardResistor &value : hints.nearest)
        values << QString::fromStdString(
            writeNumber(value.ohms, kDecimalComma) + ':' + rough(value.ledMilliamps) + '[' +
            rough(value.lowestMilliamps) + '-' + rough(value.highestMilliamps) + ']' +
            (value.mayStayDark ? "!dark" : "") + (value.mayOverdrive ? "!over" : ""));
    if (hints.reach != SeriesReach::Within)
        values << (hints.reach == SeriesReach::BelowSeries ? u"below"_s : u"above"_s);
    return values.join(u' ');
}

// Sizes "supply|LED voltage|mA|LEDs in series|LEDs in parallel" as the series panel does, or
// the parallel one for several LEDs in parallel.
Sizing sized(const QString &circuit)
{
    std::string f[5];
    for (qsizetype i = 0; i < 5; ++i)
        f[i] = circuit.section(u'|', i, i).toStdString();
    const Outcome<Sizing> sizing = f[4] == "1"
                                       ? sizeSeries(f[0], f[1], f[3], f[2], kDecimalComma)
                                       : sizeParallel(f[0], f[1], f[4], f[2], kDecimalComma);
    return sizing ? *sizing : Sizing{};
}

// "5|10": the supply's and the LEDs' tolerances in percent.
Tolerances tolerancesOf(const QString &percents)
{
    return {*ExactDecimal::read(percents.section(u'|', 0, 0).toStdString(), kDecimalComma),
            *ExactDecimal::read(percents.section(u'|', 1, 1).toStdString(), kDecimalComma)};
}

} // namespace

Q_DECLARE_METATYPE(ESeries)

// The currents within the tolerances are worked out here from the typed values, by hand:
// lowest (S x (1 - s) - n x V x (1 + v)) / (R x (1 + r)) / p, highest (S x (1 + s) - n x V x
// (1 - v)) / (R x (1 - r)) / p; dark where the lowest is 0 or less, overdriven above 1,5 times the
// current; the rating at least twice the highest power, highest current^2 x R x (1 - r).
void TestResistorHints::hints_data()
{
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<QString>("tolerances");
    QTest::addColumn<QString>("nearest");
    QTest::addColumn<int>("rating"); // mW; 0 for none
    QTest::addColumn<bool>("tooLow");

    const auto E12 = ESeries::E12, E24 = ESeries::E24, E96 = ESeries::E96;
    const QString usual = u"5|10"_s;
    row("worked example", u"12|2|20|1|1"_s, E12, usual,
        u"470:21,3[18,6-24,2] 560:17,9[15,6-20,3]"_s, 1000, false);
    row("a standard value exactly", u"11,4|2|20|1|1"_s, E12, usual, u"470:20[17,5-22,8]"_s, 500,
        false);
    // 9,399999999999998 V over 20 mA is 469,9999999999999 ohm, shown as 470 with 15 digits.
    row("one typed digit below 470", u"11,399999999999998|2|20|1|1"_s, E12, usual,
        u"390:24,1[21,1-27,4] 470:20[17,5-22,8]"_s, 1000, false);
    // Too many digits to read exactly: compared as the doubles show, 470.
    row("too long to read exactly", u"11,4"_s + QString(400, u'0') + u"1|2|20|1|1"_s, E12, usual,
        u"470:20[17,5-22,8]"_s, 500, false);
    row("just below a decade", u"2,198|2|20|1|1"_s, E12, usual,
        u"8,2:24,1[0-65,2]!dark!over 10:19,8[0-53,5]!dark!over"_s, 125, false);
    row("just above a decade, beyond 30 W", u"22,2|2|2000|1|1"_s, E12, usual,
        u"10:2020[1800-2260] 12:1680[1500-1890]"_s, 0, false);
    row("below 1 ohm", u"3,3|3,1|350|1|1"_s, E12, usual,
        u"0,56:357[0-1270]!dark!over 0,68:294[0-1040]!dark!over"_s, 2000, false);
    row("lowest value", u"2,002|2|20|1|1"_s, E12, usual, u"0,1:20[0-3180]!dark!over"_s, 2000,
        false);
    row("below the series", u"2,001|2|20|1|1"_s, E12, usual, u"0,1:10[0-3170]!dark!over below"_s,
        2000, false);
    row("ohm to megaohm", u"20|2|0,02|1|1"_s, E12, usual,
        u"820000:0,022[0,0195-0,0246] 1000000:0,018[0,016-0,0202]"_s, 125, false);
    row("highest value", u"10,2|2|0,0001|1|1"_s, E12, usual, u"82000000:0,0001[8,7E-05-0,000114]"_s,
        125, false);
    row("above the series", u"18,4|2|0,0001|1|1"_s, E12, usual,
        u"82000000:0,0002[0,000177-0,000225]!over above"_s, 125, false);
    row("supply equal to the LED", u"2|2|20|1|1"_s, E12, usual, QString(), 0, true);
    row("supply below the LED", u"1|2|20|1|1"_s, E12, usual, QString(), 0, true);
    // 0,9 - 3 * 0,3 leaves 1,1E-16 V in doubles.
    row("three LEDs take the whole supply", u"0,9|0,3|20|3|1"_s, E12, usual, QString(), 0, true);
    row("series, overdriven", u"12|3,2|20|3|1"_s, E12, usual, u"120:20[6,67-34,7]!over"_s, 500,
        false);
    row("parallel, current per LED", u"10,8|2|20|1|3"_s, E12, usual,
        u"120:24,4[21,3-27,9] 150:19,6[17,1-22,3]"_s, 2000, false);
    row("white LED at 3,3 V, dark and overdriven", u"3,3|3|10|1|1"_s, E12, usual,
        u"27:11,1[0-29,8]!dark!over 33:9,09[0-24,4]!dark!over"_s, 125, false);
    row("E24, worked example", u"12|2|20|1|1"_s, E24, usual,
        u"470:21,3[18,6-24,2] 510:19,6[17,2-22,3]"_s, 1000, false);
    row("E96, worked example", u"12|2|20|1|1"_s, E96, usual,
        u"499:20[18,3-21,9] 511:19,6[17,8-21,3]"_s, 500, false);
    row("E96, no tolerances typed", u"12|2|20|1|1"_s, E96, u"0|0"_s,
        u"499:20[19,8-20,2] 511:19,6[19,4-19,8]"_s, 500, false);
    row("E96, lowest value", u"2,002|2|20|1|1"_s, E96, usual, u"0,1:20[0-3050]!dark!over"_s, 2000,
        false);
    row("E96, highest value", u"11,76|2|0,0001|1|1"_s, E96, usual,
        u"97600000:0,0001[9,1E-05-0,000109]"_s, 125, false);
}

void TestResistorHints::hints()
{
    QFETCH(QString, circuit);
    QFETCH(ESeries, series);
    QFETCH(QString, tolerances);
    QFETCH(QString, nearest);
    QFETCH(int, rating);
    QFETCH(bool, tooLow);

    const ResistorHints hints = resistorHints(sized(circuit), series, tolerancesOf(tolerances));
    QCOMPARE(nearestOf(hints), nearest);
    QCOMPARE(hints.ratingMilliwatts.value_or(0), rating);
    QCOMPARE(hints.supplyNotAboveLeds, tooLow);
}

// A parallel sizing's resistor for each LED: one LED's voltage and current, or none.
void TestResistorHints::branchResistor_data()
{
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<QString>("branch"); // "ohm mW nearest rating"

    row("worked example", u"5|2|20|1|4"_s, u"150 60 150:20[16,2-24,2] 250"_s);
    row("between two values", u"10,8|2|20|1|3"_s,
        u"440 176 390:22,6[19,7-25,7] 470:18,7[16,3-21,4] 500"_s);
    row("supply equals LED", u"2|2|20|1|2"_s, QString());
    row("beyond the double range", u"5|2|0,"_s + QString(318, u'0') + u"1|1|2"_s, QString());
}

void TestResistorHints::branchResistor()
{
    QFETCH(QString, circuit);
    QFETCH(QString, branch);

    const auto resistor = varelux::branchResistor(sized(circuit), ESeries::E12, Tolerances{});
    const QString shown =
        resistor
            ? QString::fromStdString(writeNumber(resistor->resistance, kDecimalComma, 3) + ' ' +
                                     writeNumber(resistor->power, kDecimalComma, 3) + ' ') +
                  nearestOf(resistor->hints) + u' ' +
                  QString::number(resistor->hints.ratingMilliwatts.value_or(0))
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
