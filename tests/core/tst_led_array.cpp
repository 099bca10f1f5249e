// The LED array planner: the strings and totals it plans, compared as the window writes them, and
// the verdicts and failures that plan nothing.
#include "core/led_array.h"

#include "core/number_text.h"

#include "data_row.h"

#include <QtTest>

#include <cmath>

using namespace varelux;

namespace {

// Plans "supply|LED voltage|current|count|margin".
Outcome<ArrayPlan> run(const QString &fields)
{
    std::string f[5];
    for (qsizetype i = 0; i < 5; ++i)
        f[i] = fields.section(u'|', i, i).toStdString();
    return planLedArray({.supply = f[0],
                         .ledVoltage = f[1],
                         .current = f[2],
                         .count = f[3],
                         .margin = f[4],
                         .separator = kDecimalComma});
}

// "3x3 120 48": strings x LEDs, and each resistor's ohm and mW.
std::string kindText(const StringKind &kind)
{
    return writeNumber(kind.strings, kDecimalComma) + 'x' + writeNumber(kind.leds, kDecimalComma) +
           ' ' + writeNumber(kind.resistance, kDecimalComma) + ' ' +
           writeNumber(kind.power, kDecimalComma);
}

// A verdict that plans nothing, or a failure.
using Refusal = Outcome<ArrayVerdict>;

} // namespace

Q_DECLARE_METATYPE(Refusal)

class TestLedArray : public QObject {
    Q_OBJECT

private slots:
    void plans_data();
    void plans();
    void refusals_data();
    void refusals();
    void tiesDecidedOnTypedValues();
};

void TestLedArray::plans_data()
{
    QTest::addColumn<QString>("fields");
    // The full strings, " + " the shorter one, then " = " strings, mA and mW drawn, mW in the
    // LEDs and in the resistors, and the efficiency in % to one decimal.
    QTest::addColumn<QString>("plan");

    row("12 V, 10 LEDs of 3,2 V", "12|3,2|20|10|",
        "3x3 120 48 + 1x1 440 176 = 4 80 960 640 320 66,7");
    row("24 V, 20 LEDs of 3 V", "24|3|20|20|",
        "2x7 150 60 + 1x6 300 120 = 3 60 1440 1200 240 83,3");
    row("no LEDs left over", "5|2|20|4|", "2x2 50 20 = 2 40 200 160 40 80");
    row("margin typed", "12|2|20|5|0,5", "1x5 100 40 = 1 20 240 200 40 83,3");
    row("exact tie", "12|2|20|10|2", "2x5 100 40 = 2 40 480 400 80 83,3");
    row("tie with a tenth of the supply", "10|3|20|3|", "1x3 50 20 = 1 20 200 180 20 90");
    // 0,6 - 3 * 0,1 is 0,29999999999999993 and (0,6 - 0,3) / 0,1 is 2,9999999999999996.
    row("tie only as shown", "0,6|0,1|20|3|0,3", "1x3 15 6 = 1 20 12 6 6 50");
    // 10^15 - 7 * 142857142857142 leaves 6.
    row("10^15 LEDs", "24|3|20|1000000000000000|",
        "142857142857142x7 150 60 + 1x6 300 120 = 142857142857143 2,85714285714286E+15 "
        "6,85714285714286E+16 6E+16 8,57142857142864E+15 87,5");
    // Every LED fits in one string.
    row("10^15 LEDs of 0 V", "1|0|1|1000000000000000|", "1x1E+15 1000 1 = 1 1 1 0 1 0");
}

void TestLedArray::plans()
{
    QFETCH(QString, fields);
    QFETCH(QString, plan);

    const Outcome<ArrayPlan> out = run(fields);
    QVERIFY2(out && out->verdict == ArrayVerdict::Planned, "no plan");
    std::string shown = kindText(out->full);
    if (out->remainder)
        shown += " + " + kindText(*out->remainder);
    shown += " =";
    for (const double total : {out->strings, out->supplyCurrent, out->supplyPower, out->ledPower,
                               out->resistorPower, std::round(out->efficiency * 1000) / 10})
        shown += ' ' + writeNumber(total, kDecimalComma);
    QCOMPARE(QString::fromStdString(shown), plan);
}

void TestLedArray::refusals_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<Refusal>("refusal");

    row("3,3 V, LED of 3,1 V", "3,3|3,1|20|5|", Refusal(ArrayVerdict::NoLedFits));
    row("LED just above a tenth of the supply", "10|9,0000000000001|20|1|",
        Refusal(ArrayVerdict::NoLedFits));
    row("supply at the margin, LEDs of 0 V", "5|0|20|5|5", Refusal(ArrayVerdict::NoLedFits));
    row("margin 0", "5|2|20|5|0", Refusal(ArrayVerdict::ZeroMargin));
    row("count 0", "12|2|20|0|", Refusal(ArrayVerdict::NoLeds));
    row("count with a fraction", "12|2|20|2,5|", Refusal(ArrayVerdict::CountNotWhole));
    row("count just above 10^15", "12|2|20|1000000000000001|", Refusal(ArrayVerdict::TooManyLeds));
    row("supply empty", "|2|20|5|", Refusal(Failure::NotANumber));
    row("pasted negative margin", "12|2|20|5|-1", Refusal(Failure::NotANumber));
    row("current 0, count 0 too", "12|2|0|0|", Refusal(Failure::DivisionByZero));
    const std::string zeros(300, '0');
    row("resistance beyond range", QString::fromStdString('1' + zeros + "|2|0," + zeros + "1|5|"),
        Refusal(Failure::Overflow));
}

void TestLedArray::refusals()
{
    QFETCH(QString, fields);
    QFETCH(Refusal, refusal);

    const Outcome<ArrayPlan> out = run(fields);
    QCOMPARE(out.ok(), refusal.ok());
    QCOMPARE(out ? int(out->verdict) : int(out.failure()),
             refusal ? int(*refusal) : int(refusal.failure()));
}

// A grid of typed values against the rule worked out in whole hundredths of a volt: supplies from
// 3 to 25 V in steps of 0,1 V, LED voltages from 1,5 to 4 V in steps of 0,05 V, margins from 0,1
// to 2,9 V in steps of 0,1 V and empty (a tenth of the supply). A string takes the whole number
// of LED voltages in the supply less the margin; none is no LED fitting.
void TestLedArray::tiesDecidedOnTypedValues()
{
    auto text = [](int units, int scale) {
        const std::string fraction = std::to_string(scale + units % scale); // "105" for ",05"
        return std::to_string(units / scale) + ',' + fraction.substr(1);
    };
    int cases = 0, differences = 0;
    std::string first;
    for (int supply = 30; supply <= 250; ++supply) { // tenths
        const std::string supplyText = text(supply, 10);
        for (int led = 150; led <= 400; led += 5) { // hundredths
            const std::string ledText = text(led, 100);
            for (int margin = 0; margin <= 29; ++margin) { // tenths, 0 for empty
                const int room = supply * 10 - (margin ? margin * 10 : supply);
                const int expected = room > 0 ? room / led : 0;
                const std::string marginText = margin ? text(margin, 10) : std::string();
                const Outcome<ArrayPlan> out = planLedArray({.supply = supplyText,
                                                             .ledVoltage = ledText,
                                                             .current = "20",
                                                             .count = "100",
                                                             .margin = marginText,
                                                             .separator = kDecimalComma});
                const int planned =
                    out && out->verdict == ArrayVerdict::Planned ? int(out->full.leds) : 0;
                ++cases;
                if (planned != expected && differences++ == 0)
                    first = supplyText + '|' + ledText + '|' + marginText + ": " +
                            std::to_string(planned) + " LEDs, not " + std::to_string(expected);
            }
        }
    }
    QCOMPARE(cases, 338130);
    QVERIFY2(differences == 0,
             (std::to_string(differences) + " plans differ, the first " + first).c_str());
}

QTEST_GUILESS_MAIN(TestLedArray)
#include "tst_led_array.moc"
