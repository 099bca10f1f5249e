// The Italian texts built from numbers: the 84 cell texts of the E12 table.
#include "common/texts.h"

#include "core/standard_values.h"

#include "data_row.h"

#include <QRegularExpression>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

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
        QStringList{u"1,0 ohm"_s, u"10 ohm"_s, u"100 ohm"_s, u"1.000 ohm"_s, u"10.000 ohm"_s,
                    u"100.000 ohm"_s, u"1,0 megaohm"_s});
    row("row 7", 6,
        QStringList{u"3,3 ohm"_s, u"33 ohm"_s, u"330 ohm"_s, u"3.300 ohm"_s, u"33.000 ohm"_s,
                    u"330.000 ohm"_s, u"3,3 megaohm"_s});
    row("row 12", 11,
        QStringList{u"8,2 ohm"_s, u"82 ohm"_s, u"820 ohm"_s, u"8.200 ohm"_s, u"82.000 ohm"_s,
                    u"820.000 ohm"_s, u"8,2 megaohm"_s});
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
    const QRegularExpression decimal(u"^\\d,\\d (ohm|megaohm)$"_s);
    const QRegularExpression grouped(u"^\\d{1,3}(\\.\\d{3})* ohm$"_s);
    for (int row = 0; row < int(kE12Tenths.size()); ++row) {
        for (int column = 0; column < kE12Columns; ++column) {
            const QString text = ui::e12CellText(row, column);
            const bool edge = column == 0 || column == kE12Columns - 1;
            QVERIFY2((edge ? decimal : grouped).match(text).hasMatch(), qPrintable(text));
            QString digits = text.section(u' ', 0, 0);
            digits.remove(u'.').replace(u',', u'.');
            const double unit = column == kE12Columns - 1 ? 1e6 : 1.0;
            QCOMPARE(digits.toDouble() * unit, e12Ohms(row, column));
        }
    }
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
