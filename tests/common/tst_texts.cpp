// The Italian texts built from numbers: the 84 cell texts of the E12 table, and a standard
// value with its colour code in words; and every language's translation built in.
#include "common/texts.h"

#include "common/language.h"

#include "core/colour_code.h"
#include "core/standard_values.h"

#include "data_row.h"

#include <QRegularExpression>

#include <QtTest>
#include <iterator>

using namespace varelux;
using namespace Qt::StringLiterals;

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void e12Cells_data();
    void e12Cells();
    void e12CellsFollowTheColumnRule();
    void colourCode_data();
    void colourCode();
    void everyLanguageLoads();
};

Q_DECLARE_METATYPE(ESeries)

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
// whole ohms grouped by three with a full stop in between, and the row's E12 number times the
// column's power of ten.
void TestTexts::e12CellsFollowTheColumnRule()
{
    const double e12[] = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
    const QRegularExpression decimal(u"^\\d,\\d (ohm|megaohm)$"_s);
    const QRegularExpression grouped(u"^\\d{1,3}(\\.\\d{3})* ohm$"_s);
    for (int row = 0; row < int(std::size(e12)); ++row) {
        double ohms = e12[row];
        for (int column = 0; column < kE12Columns; ++column, ohms *= 10) {
            const QString text = ui::e12CellText(row, column);
            const bool edge = column == 0 || column == kE12Columns - 1;
            QVERIFY2((edge ? decimal : grouped).match(text).hasMatch(), qPrintable(text));
            QString digits = text.section(u' ', 0, 0);
            digits.remove(u'.').replace(u',', u'.');
            const double unit = column == kE12Columns - 1 ? 1e6 : 1.0;
            QCOMPARE(digits.toDouble() * unit, ohms);
        }
    }
}

// A 4-band and a 5-band value in each decade, each decade with its multiplier from pink to
// green and blue, and the ends of the series.
void TestTexts::colourCode_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<int>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("bands");

    const auto E12 = ESeries::E12, E24 = ESeries::E24, E96 = ESeries::E96;
    row("E12 bottom", E12, 10, -2, u"0,10 ohm"_s, u"marrone, nero, argento, oro"_s);
    row("0,56 ohm", E12, 56, -2, u"0,56 ohm"_s, u"verde, blu, argento, oro"_s);
    row("91 ohm", E24, 91, 0, u"91 ohm"_s, u"bianco, marrone, nero, oro"_s);
    row("470 ohm", E12, 47, 1, u"470 ohm"_s, u"giallo, viola, marrone, oro"_s);
    row("2.400 ohm", E24, 24, 2, u"2.400 ohm"_s, u"rosso, giallo, rosso, oro"_s);
    row("56.000 ohm", E12, 56, 3, u"56.000 ohm"_s, u"verde, blu, arancione, oro"_s);
    row("130.000 ohm", E24, 13, 4, u"130.000 ohm"_s, u"marrone, arancione, giallo, oro"_s);
    row("E12 top", E12, 82, 6, u"82 megaohm"_s, u"grigio, rosso, blu, oro"_s);
    row("E24 top", E24, 91, 6, u"91 megaohm"_s, u"bianco, marrone, blu, oro"_s);
    row("E96 bottom, pink", E96, 100, -3, u"0,100 ohm"_s, u"marrone, nero, nero, rosa, marrone"_s);
    row("37,4 ohm", E96, 374, -1, u"37,4 ohm"_s, u"arancione, viola, giallo, oro, marrone"_s);
    row("499 ohm", E96, 499, 0, u"499 ohm"_s, u"giallo, bianco, bianco, nero, marrone"_s);
    row("1.020 ohm", E96, 102, 1, u"1.020 ohm"_s, u"marrone, nero, rosso, marrone, marrone"_s);
    row("16.500 ohm", E96, 165, 2, u"16.500 ohm"_s, u"marrone, blu, verde, rosso, marrone"_s);
    row("200.000 ohm", E96, 200, 3, u"200.000 ohm"_s, u"rosso, nero, nero, arancione, marrone"_s);
    row("E96 top", E96, 976, 5, u"97,6 megaohm"_s, u"bianco, viola, blu, verde, marrone"_s);
}

void TestTexts::colourCode()
{
    QFETCH(ESeries, series);
    QFETCH(int, significand);
    QFETCH(int, exponent);
    QFETCH(QString, value);
    QFETCH(QString, bands);

    const StandardValue standard{significand, exponent};
    QCOMPARE(ui::standardValueText(standard), value);
    QCOMPARE(ui::colourCodeText(colourBands(standard, series)), bands);
}

// Each language the program lists is one it can speak: its translation is where the program
// looks for it (useLanguage falls back to Italian otherwise).
void TestTexts::everyLanguageLoads()
{
    const auto italianAgain = qScopeGuard([] { ui::useLanguage(ui::kItalian); });
    for (const QString &language : ui::spokenLanguages()) {
        ui::useLanguage(language);
        QCOMPARE(ui::currentLanguage(), language);
    }
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
