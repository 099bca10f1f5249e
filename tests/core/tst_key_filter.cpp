// The keystroke filter: single codes against both rules, and typed sequences.
#include "core/key_filter.h"

#include "data_row.h"

#include <QtTest>

using namespace varelux;

namespace {

// The decimal rule in Italian (comma) and in English (full stop), and the count rule.
enum class Rule { Decimal, DecimalPoint, Count };

// Types the codes at the end of the text, as a user typing into an empty field would.
QString typeInto(Rule rule, QString text, const QList<int> &codes)
{
    for (int typed : codes) {
        const auto code = static_cast<CharCode>(typed);
        const std::u16string_view current(reinterpret_cast<const char16_t *>(text.utf16()),
                                          std::size_t(text.size()));
        const CharCode kept =
            rule == Rule::Count
                ? filterCountKey(code)
                : filterDecimalKey(code, current, rule == Rule::Decimal ? ',' : '.');
        if (kept == kBackspace)
            text.chop(1);
        else if (kept != kNoChar)
            text.append(QChar(char16_t(kept)));
    }
    return text;
}

QList<int> codesOf(QStringView keys)
{
    QList<int> codes;
    for (QChar c : keys)
        codes << static_cast<CharCode>(c.unicode());
    return codes;
}

} // namespace

Q_DECLARE_METATYPE(Rule)

class TestKeyFilter : public QObject {
    Q_OBJECT

private slots:
    void decimalRule_data();
    void decimalRule();
    void countRule_data();
    void countRule();
    void typing_data();
    void typing();
};

void TestKeyFilter::decimalRule_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    row("digit 0", 48, "", 48);
    row("digit 9", 57, "", 57);
    row("digit after a comma", 53, "3,3", 53);
    row("backspace in empty field", 8, "", 8);
    row("comma in empty field", 44, "", 44);
    row("comma after digits", 44, "12", 44);
    row("full stop becomes comma", 46, "12", 44);
    row("second comma", 44, "1,2", 0);
    row("full stop after comma", 46, "1,2", 0);
    row("comma held first", 44, ",5", 0);
    row("comma held last", 44, "5,", 0);
    row("comma past non-ASCII text", 44, QString::fromUtf8("\xC3\xA8x,"), 0);
    row("slash below the digits", 47, "", 0);
    row("colon above the digits", 58, "", 0);
    row("letter", int('a'), "", 0);
    row("space", 32, "", 0);
    row("plus", 43, "", 0);
    row("minus", 45, "", 0);
    row("enter", 13, "1", 0);
    row("escape", 27, "1", 0);
    row("ctrl+A", 1, "1", 0);
    row("ctrl+C", 3, "1", 0);
    row("ctrl+V", 22, "1", 0);
    row("ctrl+X", 24, "1", 0);
    row("ctrl+Z", 26, "1", 0);
    row("delete character", 127, "", 0);
    row("negative code", -1, "", 0);
    row("most negative code", -32768, "", 0);
    row("digit's code plus 65536 wraps negative", int(CharCode(0xFF10)), "", 0);
}

void TestKeyFilter::decimalRule()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::u16string_view view(reinterpret_cast<const char16_t *>(text.utf16()),
                                   std::size_t(text.size()));
    QCOMPARE(int(filterDecimalKey(static_cast<CharCode>(code), view, ',')), expected);
}

void TestKeyFilter::countRule_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    row("digit 0", 48, 48);
    row("digit 9", 57, 57);
    row("backspace", 8, 8);
    row("comma", 44, 0);
    row("full stop", 46, 0);
    row("slash", 47, 0);
    row("colon", 58, 0);
    row("minus", 45, 0);
    row("enter", 13, 0);
    row("negative", -200, 0);
}

void TestKeyFilter::countRule()
{
    QFETCH(int, code);
    QFETCH(int, expected);
    QCOMPARE(int(filterCountKey(static_cast<CharCode>(code))), expected);
}

void TestKeyFilter::typing_data()
{
    QTest::addColumn<Rule>("rule");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("expected");

    const auto D = Rule::Decimal, P = Rule::DecimalPoint, C = Rule::Count;
    row("full stop typed as comma", D, "", codesOf(u"12.5"), "12,5");
    row("second comma dropped", D, "", codesOf(u"1,2,3"), "1,23");
    row("full stop after comma dropped", D, "", codesOf(u"1,2.3"), "1,23");
    row("lone comma", D, "", codesOf(u","), ",");
    row("comma again after backspace", D, "", (codesOf(u"1,") << 8 << 44 << 53), "1,5");
    row("backspace in empty field", D, "", QList<int>{8, 8}, "");
    row("no sign or exponent", D, "", codesOf(u"-1e+5 "), "15");
    row("English: comma typed as full stop", P, "", codesOf(u"12,5"), "12.5");
    row("English: second full stop dropped", P, "", codesOf(u"1.2.3"), "1.23");
    row("English: comma after full stop dropped", P, "", codesOf(u"1.2,3"), "1.23");
    row("count keeps leading zeros", C, "", codesOf(u"0012"), "0012");
    row("count drops separators", C, "", codesOf(u"1.5,0"), "150");
    row("count backspace", C, "", (codesOf(u"12") << 8), "1");
    row("long run of digits", C, "", codesOf(QString(300, u'7')), QString(300, u'7'));
}

void TestKeyFilter::typing()
{
    QFETCH(Rule, rule);
    QFETCH(QString, start);
    QFETCH(QList<int>, codes);
    QFETCH(QString, expected);
    QCOMPARE(typeInto(rule, start, codes), expected);
}

QTEST_GUILESS_MAIN(TestKeyFilter)
#include "tst_key_filter.moc"
