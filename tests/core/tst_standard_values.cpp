// The 84 cell texts of the E12 table.
#include "core/standard_values.h"

#include "data_row.h"

#include <QLocale>
#include <QtTest>

using namespace varelux;

class TestStandardValues : public QObject {
    Q_OBJECT

private slots:
    void e12Cells_data();
    void e12Cells();
    void e12CellsFollowTheColumnRule();
};

void TestStandardValues::e12Cells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");

    row("row 1", 0,
        QStringList{"1,0 ohm", "10 ohm", "100 ohm", "1.000 ohm", "10.000 ohm", "100.000 ohm",
                    "1,0 megaohm"});
    row("row 7", 6,
        QStringList{"3,3 ohm", "33 ohm", "330 ohm", "3.300 ohm", "33.000 ohm", "330.000 ohm",
                    "3,3 megaohm"});
    row("row 12", 11,
        QStringList{"8,2 ohm", "82 ohm", "820 ohm", "8.200 ohm", "82.000 ohm", "820.000 ohm",
                    "8,2 megaohm"});
}

void TestStandardValues::e12Cells()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    for (int column = 0; column < kE12Columns; ++column)
        QCOMPARE(QString::fromStdString(e12CellText(row, column)), cells[column]);
}

// Every cell against Italian number writing: one decimal in the first and last columns, whole
// ohms grouped by three with a full stop in between.
void TestStandardValues::e12CellsFollowTheColumnRule()
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const double series[] = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
    for (int row = 0; row < 12; ++row) {
        QStringList expected{italian.toString(series[row], 'f', 1) + " ohm"};
        for (int decade = 1; decade <= 5; ++decade)
            expected << italian.toString(qRound64(series[row] * std::pow(10, decade))) + " ohm";
        expected << italian.toString(series[row], 'f', 1) + " megaohm";
        for (int column = 0; column < kE12Columns; ++column)
            QCOMPARE(QString::fromStdString(e12CellText(row, column)), expected[column]);
    }
}

QTEST_GUILESS_MAIN(TestStandardValues)
#include "tst_standard_values.moc"
