// The Italian texts built from numbers: the 84 cell texts of the E12 table.
#include "common/texts.h"

#include "core/standard_values.h"

#include "data_row.h"

#include <QRegularExpression>
#include <QtTest>

using namespace varelux;

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void e12Cells_data();
    void e12Cells();
    void e12CellsFollowTheColumnRule();
};

void TestTexts::e12Cells_data()
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

void TestTexts::e12Cells()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    for (int column = 0; column < kE12Columns; ++column)
        QCOMPARE(ui::e12CellText(row, column), cells[column]);
}

// Every cell by its shape and value: one decimal with the comma in the first and last columns,
// whole ohms grouped by three with a full stop in between, and the value of the table's cell.
void TestTexts::e12CellsFollowTheColumnRule()
{
    const QRegularExpression decimal("^\\d,\\d (ohm|megaohm)$");
    const QRegularExpression grouped("^\\d{1,3}(\\.\\d{3})* ohm$");
    for (int row = 0; row < int(kE12Tenths.size()); ++row) {
        for (int column = 0; column < kE12Columns; ++column) {
            const QString text = ui::e12CellText(row, column);
            const bool edge = column == 0 || column == kE12Columns - 1;
            QVERIFY2((edge ? decimal : grouped).match(text).hasMatch(), qPrintable(text));
            QString digits = text.section(' ', 0, 0);
            digits.remove('.').replace(',', '.');
            const double unit = column == kE12Columns - 1 ? 1e6 : 1.0;
            QCOMPARE(digits.toDouble() * unit, e12Ohms(row, column));
        }
    }
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
