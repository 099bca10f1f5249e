// The series of standard values against IEC 60063: their sizes, their ends, a few of their values,
// and the order every table relies on.
#include "core/standard_values.h"

#include "data_row.h"

#include <QtTest>

using namespace varelux;

Q_DECLARE_METATYPE(ESeries)

class TestStandardValues : public QObject {
    Q_OBJECT

private slots:
    void series_data();
    void series();
};

void TestStandardValues::series_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<int>("perDecade");
    QTest::addColumn<double>("top"); // ohm
    QTest::addColumn<QList<double>>("some");

    row("E12", ESeries::E12, 12, 8.2e6, QList<double>{1.2, 39, 680, 2200, 1e6});
    row("E24", ESeries::E24, 24, 9.1e6, QList<double>{1.3, 43, 510, 3000, 1.6e6});
    row("E96", ESeries::E96, 96, 9.76e6,
        QList<double>{1.02, 1.05, 14.7, 221, 499, 8660, 95300, 3.01e6});
}

void TestStandardValues::series()
{
    QFETCH(ESeries, series);
    QFETCH(int, perDecade);
    QFETCH(double, top);
    QFETCH(QList<double>, some);

    QCOMPARE(int(seriesNumbers(series).size()), perDecade);
    QCOMPARE(seriesLength(series), perDecade * kDecades);
    QCOMPARE(seriesValue(series, 0).ohms(), 1.0);
    QCOMPARE(seriesValue(series, seriesLength(series) - 1).ohms(), top);

    // Ascending, each significand with the series' digits, each decade ten times the one before.
    QList<double> all;
    const int lowest = seriesDigits(series) == 3 ? 100 : 10;
    for (int i = 0; i < seriesLength(series); ++i) {
        const StandardValue value = seriesValue(series, i);
        QVERIFY2(value.significand >= lowest && value.significand < 10 * lowest,
                 qPrintable(QString::number(value.significand)));
        if (i > 0)
            QVERIFY(value.ohms() > all.last());
        if (i >= perDecade)
            QCOMPARE(value.ohms(), 10 * all[i - perDecade]);
        all << value.ohms();
    }
    for (const double value : some)
        QVERIFY2(all.contains(value), qPrintable(QString::number(value)));
}

QTEST_GUILESS_MAIN(TestStandardValues)
#include "tst_standard_values.moc"
