// The three sizings: result texts, the order in which fields decide a failure, and the
// grouping of every formula (rows marked "grouping" change text if a formula is rewritten).
#include "core/sizing.h"

#include "core/circuit.h"
#include "core/number_text.h"

#include "data_row.h"
#include "main_window_facts.h"

#include <QtTest>

#include <string>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

struct Texts {
    QString resistance;
    QString power;
};

// Runs one circuit's sizing, as its Italian panel does; count is ignored with one LED. (With the
// full stop, as in English: the English worked examples of tst_main_window_panels.)
Outcome<Texts> run(Circuit circuit, const QString &supply, const QString &led, const QString &count,
                   const QString &current)
{
    const std::string vs = supply.toStdString(), vf = led.toStdString(), n = count.toStdString(),
                      i = current.toStdString();
    const Outcome<Sizing> outcome = sizeCircuit(
        circuit,
        {.supply = vs, .ledVoltage = vf, .current = i, .count = n, .separator = kDecimalComma});
    if (!outcome)
        return outcome.failure();
    return Texts{QString::fromStdString(writeNumber(outcome->resistance, kDecimalComma)),
                 QString::fromStdString(writeNumber(outcome->power, kDecimalComma))};
}

QString digits(int n, char c = '9')
{
    return QString(n, QChar::fromLatin1(c));
}

} // namespace

Q_DECLARE_METATYPE(Circuit)
Q_DECLARE_METATYPE(Failure)

class TestSizing : public QObject {
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void failures_data();
    void failures();
    void recordsHoldEveryStep();
};

void TestSizing::results_data()
{
    QTest::addColumn<Circuit>("circuit");
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("resistance");
    QTest::addColumn<QString>("power");

    const auto S = Circuit::SingleLed, R = Circuit::Series, P = Circuit::Parallel;
    for (const WorkedExample &worked : mainWindowFacts().examples) {
        const QString name =
            u"worked example %1 %2"_s.arg(int(worked.circuit)).arg(worked.fields.join(u' '));
        row(qPrintable(name), worked.circuit, worked.fields[0], worked.fields[1],
            worked.fields.value(3), worked.fields[2], worked.resistance, worked.power);
    }
    // Boundaries of the arithmetic.
    row("supply equals LED", S, "3", "3", "", "20", "0", "0");
    row("comma first and last", S, "5,", ",5", "", "20", "225", "90");
    row("count is not rounded", R, "12", "2", "2,5", "20", "350", "140");
    row("current that underflows", S, "1", "0", "", u"0,"_s + digits(300, '0') + u'1', "1E+304",
        "1E-301");
    // Grouping: power is (I/1000 * Vr) * 1000, not I * Vr.
    row("grouping single power", S, "2,3", "1,8", "", "20", "25", "9,99999999999999");
    row("grouping series power", R, "2,3", "1,8", "1", "20", "25", "9,99999999999999");
    // Grouping: resistance is Vr / (I/1000), not Vr * 1000 / I.
    row("grouping single resistance", S, "1,6", "1,8", "", "3", "-66,6666666666667", "-0,6");
    // Grouping: resistance is Vr / (N * (I/1000)), not Vr / N / (I/1000) nor Vr*1000 / (N*I).
    row("grouping parallel resistance", P, "1", "1,9", "6", "35", "-4,28571428571428", "-189");
    // Grouping: power is ((N * (I/1000)) * Vr) * 1000, not N * I * Vr.
    row("grouping parallel power", P, "1,7", "2,2", "7", "25", "-2,85714285714286",
        "-87,5000000000001");
    // Vs - Vf*N rounds the product first; a fused multiply-add would give -1,38777878078145E-15.
    row("grouping series product rounded", R, "0,3", "0,1", "3", "20", "-2,77555756156289E-15",
        "-1,11022302462516E-15");
}

void TestSizing::results()
{
    QFETCH(Circuit, circuit);
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, count);
    QFETCH(QString, current);
    QFETCH(QString, resistance);
    QFETCH(QString, power);

    const Outcome<Texts> out = run(circuit, supply, led, count, current);
    QVERIFY2(out.ok(), out ? "" : qPrintable(u"failure %1"_s.arg(int(out.failure()))));
    QCOMPARE(out->resistance, resistance);
    QCOMPARE(out->power, power);
}

void TestSizing::failures_data()
{
    QTest::addColumn<Circuit>("circuit");
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("current");
    QTest::addColumn<Failure>("failure");

    const auto S = Circuit::SingleLed, R = Circuit::Series, P = Circuit::Parallel;
    const auto mismatch = Failure::NotANumber, overflow = Failure::Overflow,
               byZero = Failure::DivisionByZero;
    const QString huge = digits(400);

    row("single all empty", S, "", "", "", "", mismatch);
    row("series all empty", R, "", "", "", "", mismatch);
    row("parallel all empty", P, "", "", "", "", mismatch);
    row("lone comma as supply", S, ",", "2", "", "20", mismatch);
    row("lone comma as count", R, "12", "2", ",", "20", mismatch);
    row("400-digit LED voltage", S, "12", huge, "", "20", overflow);
    row("pasted minus sign", S, "-12", "2", "", "20", mismatch);

    // Zero current: x/0 is a division by zero, 0/0 an overflow.
    row("single zero current", S, "12", "2", "", "0", byZero);
    row("single zero current, zero voltage", S, "3", "3", "", "0", overflow);
    row("series zero current", R, "12", "2", "3", "0", byZero);
    row("series 0/0", R, "6", "2", "3", "0", overflow);
    row("parallel zero count", P, "5", "2", "0", "20", byZero);
    row("parallel zero count, zero voltage", P, "5", "5", "0", "20", overflow);

    // The field read first decides.
    row("single: current before supply", S, huge, "2", "", "", mismatch);
    row("single: supply before LED", S, huge, "", "", "20", overflow);
    row("single: LED after supply", S, "", huge, "", "20", mismatch);
    row("series: supply before count", R, "", "2", huge, "20", mismatch);
    row("series: count before LED", R, "12", "", huge, "20", overflow);
    row("parallel: count before supply", P, huge, "2", "", "20", mismatch);
    row("parallel: current before count", P, "5", "2", huge, "", mismatch);

    // Overflow of a step, after the fields were read.
    const QString e200 = u'1' + QString(200, u'0');
    row("series LED voltage times count", R, "1", e200, e200, "20", overflow);
    row("parallel count times current", P, "5", "2", e200, e200 + u'0', overflow);
    row("resistance beyond range, not by zero", S, e200, "0", "",
        u"0,"_s + QString(200, u'0') + u'1', overflow);
    row("power step", S, e200, "0", "", e200, overflow);
    row("underflowed current divides by zero", S, "1", "0", "", u"0,"_s + QString(400, u'0') + u'1',
        byZero);
}

void TestSizing::failures()
{
    QFETCH(Circuit, circuit);
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, count);
    QFETCH(QString, current);
    QFETCH(Failure, failure);

    const Outcome<Texts> out = run(circuit, supply, led, count, current);
    QVERIFY2(!out.ok(), out ? qPrintable(out->resistance + u' ' + out->power) : "");
    QCOMPARE(int(out.failure()), int(failure));
}

void TestSizing::recordsHoldEveryStep()
{
    const auto single = sizeSingle("5", "2,1", "15", kDecimalComma);
    QVERIFY(single.ok());
    QCOMPARE(single->ledCurrent, 0.015);
    QCOMPARE(single->resistorCurrent, 0.015);
    QCOMPARE(single->resistorVoltage, 5 - 2.1);
    QCOMPARE(single->resistance, (5 - 2.1) / 0.015);
    QCOMPARE(single->power, 0.015 * (5 - 2.1) * 1000);

    const auto series = sizeSeries("12", "3,3", "3", "20", kDecimalComma);
    QVERIFY(series.ok());
    QCOMPARE(series->ledCurrent, 0.02);
    QCOMPARE(series->resistorCurrent, 0.02);
    QCOMPARE(series->resistorVoltage, 12 - 3.3 * 3);

    const auto parallel = sizeParallel("5", "2", "4", "20", kDecimalComma);
    QVERIFY(parallel.ok());
    QCOMPARE(parallel->ledCurrent, 0.02);
    QCOMPARE(parallel->resistorCurrent, 0.08);
    QCOMPARE(parallel->resistorVoltage, 3.0);
    QCOMPARE(parallel->resistance, 37.5);
    QCOMPARE(parallel->power, 240.0);
}

QTEST_GUILESS_MAIN(TestSizing)
#include "tst_sizing.moc"
