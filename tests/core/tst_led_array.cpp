// The LED array planner: the strings and totals it plans, the verdicts that plan nothing, and the
// failures of the fields, each compared as the window writes it.
#include "core/led_array.h"

#include "core/number_text.h"

#include "data_row.h"

#include <QtTest>

#include <cmath>
#include <string>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

struct Fields {
    QString supply, led, current, count, margin;
};

Outcome<ArrayPlan> run(const Fields &f)
{
    const std::string supply = f.supply.toStdString(), led = f.led.toStdString(),
                      current = f.current.toStdString(), count = f.count.toStdString(),
                      margin = f.margin.toStdString();
    return planLedArray({.supply = supply,
                         .ledVoltage = led,
                         .current = current,
                         .count = count,
                         .margin = margin});
}

QString text(double value)
{
    return QString::fromStdString(writeNumber(value));
}

// "3 x 3: 120 ohm 48 mW": strings x LEDs, the resistor and its power.
QString kindText(const StringKind &kind)
{
    return u"%1 x %2: %3 ohm %4 mW"_s.arg(text(kind.strings), text(kind.leds),
                                          text(kind.resistance), text(kind.power));
}

} // namespace

Q_DECLARE_METATYPE(ArrayVerdict)
Q_DECLARE_METATYPE(Failure)

class TestLedArray : public QObject {
    Q_OBJECT

private slots:
    void plans_data();
    void plans();
    void verdicts_data();
    void verdicts();
    void failures_data();
    void failures();
};

void TestLedArray::plans_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<QString>("strings"); // the full strings, then " + " the shorter one
    // Strings, mA and mW drawn, mW in the LEDs and in the resistors, efficiency in % to 0,1.
    QTest::addColumn<QString>("totals");

    // Worked examples.
    row("12 V, 10 LEDs of 3,2 V", u"12"_s, u"3,2"_s, u"20"_s, u"10"_s, QString(),
        u"3 x 3: 120 ohm 48 mW + 1 x 1: 440 ohm 176 mW"_s, u"4 80 960 640 320 66,7"_s);
    row("24 V, 20 LEDs of 3 V", u"24"_s, u"3"_s, u"20"_s, u"20"_s, QString(),
        u"2 x 7: 150 ohm 60 mW + 1 x 6: 300 ohm 120 mW"_s, u"3 60 1440 1200 240 83,3"_s);
    row("no remainder", u"5"_s, u"2"_s, u"20"_s, u"4"_s, QString(), u"2 x 2: 50 ohm 20 mW"_s,
        u"2 40 200 160 40 80"_s);
    row("margin typed", u"12"_s, u"2"_s, u"20"_s, u"5"_s, u"0,5"_s, u"1 x 5: 100 ohm 40 mW"_s,
        u"1 20 240 200 40 83,3"_s);
    // A resistor left exactly the margin keeps it.
    row("exact tie", u"12"_s, u"2"_s, u"20"_s, u"10"_s, u"2"_s, u"2 x 5: 100 ohm 40 mW"_s,
        u"2 40 480 400 80 83,3"_s);
    // 0,6 - 3 * 0,1 is 0,29999999999999993 and (0,6 - 0,3) / 0,1 is 2,9999999999999996.
    row("tie only as shown", u"0,6"_s, u"0,1"_s, u"20"_s, u"3"_s, u"0,3"_s, u"1 x 3: 15 ohm 6 mW"_s,
        u"1 20 12 6 6 50"_s);
    row("fewer LEDs than a string takes", u"24"_s, u"3"_s, u"20"_s, u"2"_s, QString(),
        u"1 x 2: 900 ohm 360 mW"_s, u"1 20 480 120 360 25"_s);
    row("LEDs of 0 V", u"5"_s, u"0"_s, u"10"_s, u"1000"_s, QString(), u"1 x 1000: 500 ohm 50 mW"_s,
        u"1 10 50 0 50 0"_s);
    row("count with a zero fraction", u"5"_s, u"2"_s, u"20"_s, u"4,0"_s, QString(),
        u"2 x 2: 50 ohm 20 mW"_s, u"2 40 200 160 40 80"_s);
    // Counts beyond int, planned at once; 10^15 - 7 * 142857142857142 leaves 6.
    row("100 000 LEDs", u"24"_s, u"3"_s, u"20"_s, u"100000"_s, QString(),
        u"14285 x 7: 150 ohm 60 mW + 1 x 5: 450 ohm 180 mW"_s,
        u"14286 285720 6857280 6000000 857280 87,5"_s);
    row("10^15 LEDs", u"24"_s, u"3"_s, u"20"_s, u"1000000000000000"_s, QString(),
        u"142857142857142 x 7: 150 ohm 60 mW + 1 x 6: 300 ohm 120 mW"_s,
        u"142857142857143 2,85714285714286E+15 6,85714285714286E+16 6E+16 "
        "8,57142857142864E+15 87,5"_s);
    row("10^15 LEDs of 0 V", u"1"_s, u"0"_s, u"1"_s, u"1000000000000000"_s, QString(),
        u"1 x 1E+15: 1000 ohm 1 mW"_s, u"1 1 1 0 1 0"_s);
}

void TestLedArray::plans()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, count);
    QFETCH(QString, margin);
    QFETCH(QString, strings);
    QFETCH(QString, totals);

    const Outcome<ArrayPlan> plan = run({supply, led, current, count, margin});
    QVERIFY2(plan.ok(), plan ? "" : qPrintable(u"failure %1"_s.arg(int(plan.failure()))));
    QCOMPARE(int(plan->verdict), int(ArrayVerdict::Planned));
    QString planned = kindText(plan->full);
    if (plan->remainder)
        planned += u" + "_s + kindText(*plan->remainder);
    QCOMPARE(planned, strings);
    const QString shownTotals =
        QStringList{text(plan->strings),       text(plan->supplyCurrent),
                    text(plan->supplyPower),   text(plan->ledPower),
                    text(plan->resistorPower), text(std::round(plan->efficiency * 1000) / 10)}
            .join(u' ');
    QCOMPARE(shownTotals, totals);
}

void TestLedArray::verdicts_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<ArrayVerdict>("verdict");
    QTest::addColumn<QString>("marginUsed"); // V

    const auto none = ArrayVerdict::NoLeds, notWhole = ArrayVerdict::CountNotWhole,
               tooMany = ArrayVerdict::TooManyLeds, noFit = ArrayVerdict::NoLedFits,
               zero = ArrayVerdict::ZeroMargin;
    row("3,3 V, LED of 3,1 V", u"3,3"_s, u"3,1"_s, u"5"_s, QString(), noFit, u"0,33"_s);
    row("LED just above the room", u"12"_s, u"10,0000000000001"_s, u"5"_s, u"2"_s, noFit, u"2"_s);
    row("supply at the margin, LEDs of 0 V", u"5"_s, u"0"_s, u"5"_s, u"5"_s, noFit, u"5"_s);
    row("supply below the margin", u"5"_s, u"1"_s, u"5"_s, u"6"_s, noFit, u"6"_s);
    row("supply 0, margin empty", u"0"_s, u"2"_s, u"5"_s, QString(), noFit, u"0"_s);
    row("margin 0", u"5"_s, u"2"_s, u"5"_s, u"0"_s, zero, u"0"_s);
    row("count 0", u"12"_s, u"2"_s, u"0"_s, QString(), none, u"1,2"_s);
    row("count 0 before no LED fitting", u"3"_s, u"5"_s, u"0,0"_s, QString(), none, u"0,3"_s);
    row("count with a fraction", u"12"_s, u"2"_s, u"2,5"_s, QString(), notWhole, u"1,2"_s);
    row("count just above 10^15", u"12"_s, u"2"_s, u"1000000000000001"_s, QString(), tooMany,
        u"1,2"_s);
    row("count of 17 digits", u"12"_s, u"2"_s, QString(17, u'9'), QString(), tooMany, u"1,2"_s);
}

void TestLedArray::verdicts()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, count);
    QFETCH(QString, margin);
    QFETCH(ArrayVerdict, verdict);
    QFETCH(QString, marginUsed);

    const Outcome<ArrayPlan> plan = run({supply, led, u"20"_s, count, margin});
    QVERIFY2(plan.ok(), plan ? "" : qPrintable(u"failure %1"_s.arg(int(plan.failure()))));
    QCOMPARE(int(plan->verdict), int(verdict));
    QCOMPARE(text(plan->margin), marginUsed);
    QCOMPARE(plan->strings, 0.0);
    QVERIFY(!plan->remainder);
}

void TestLedArray::failures_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<Failure>("failure");

    const auto mismatch = Failure::NotANumber, overflow = Failure::Overflow,
               byZero = Failure::DivisionByZero;
    const QString huge(400, u'9');
    const QString tiny = u"0,"_s + QString(300, u'0') + u'1';

    row("supply empty", QString(), u"20"_s, u"5"_s, QString(), mismatch);
    row("count empty", u"12"_s, u"20"_s, QString(), QString(), mismatch);
    row("margin a lone comma", u"12"_s, u"20"_s, u"5"_s, u","_s, mismatch);
    row("pasted negative count", u"12"_s, u"20"_s, u"-3"_s, QString(), mismatch);
    row("pasted negative margin", u"12"_s, u"20"_s, u"5"_s, u"-1"_s, mismatch);
    row("margin of 400 digits", u"12"_s, u"20"_s, u"5"_s, huge, overflow);
    row("current 0", u"12"_s, u"0"_s, u"5"_s, QString(), byZero);
    row("current 0 before count 0", u"12"_s, u"0"_s, u"0"_s, QString(), byZero);
    row("current 0 before no LED fitting", u"1"_s, u"0"_s, u"5"_s, QString(), byZero);
    row("current that underflows to 0 A", u"12"_s, u"0,"_s + QString(400, u'0') + u'1', u"5"_s,
        QString(), byZero);
    // The field read first decides.
    row("current read before supply", huge, QString(), u"5"_s, QString(), mismatch);
    row("supply read before count", huge, u"20"_s, u"-3"_s, QString(), overflow);
    // A step beyond the double range, after every field was read.
    row("resistance beyond range", u'1' + QString(300, u'0'), tiny, u"5"_s, QString(), overflow);
}

void TestLedArray::failures()
{
    QFETCH(QString, supply);
    QFETCH(QString, current);
    QFETCH(QString, count);
    QFETCH(QString, margin);
    QFETCH(Failure, failure);

    const Outcome<ArrayPlan> plan = run({supply, u"2"_s, current, count, margin});
    QVERIFY2(!plan.ok(), plan ? qPrintable(u"verdict %1"_s.arg(int(plan->verdict))) : "");
    QCOMPARE(int(plan.failure()), int(failure));
}

QTEST_GUILESS_MAIN(TestLedArray)
#include "tst_led_array.moc"
