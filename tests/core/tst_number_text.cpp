// Reading field texts as numbers and writing results, including the locale independence.
#include "core/number_text.h"

#include "core/decimal_to_double.h"

#include "data_row.h"

#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <locale>
#include <string>

using namespace varelux;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::string)

namespace {

std::string repeat(char c, std::size_t n)
{
    return std::string(n, c);
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void readAccepts_data();
    void readAccepts();
    void readRejects_data();
    void readRejects();
    void readOverflows_data();
    void readOverflows();
    void readLongText();
    void write_data();
    void write();
    void writeDigits_data();
    void writeDigits();
    void sameResultsUnderCommaLocale();
};

void TestNumberText::readAccepts_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");

    row("zero", std::string("0"), 0.0);
    row("integer", std::string("12"), 12.0);
    row("decimal comma", std::string("2,1"), 2.1);
    row("comma first", std::string(",5"), 0.5);
    row("comma last", std::string("5,"), 5.0);
    row("leading zeros", std::string("0007,50"), 7.5);
    row("zero with comma", std::string("0,000"), 0.0);
    row("halfway rounds to even, down", std::string("9007199254740993"), 9007199254740992.0);
    row("halfway rounds to even, up", std::string("9007199254740995"), 9007199254740996.0);
    row("just above halfway rounds up", std::string("9007199254740993," + repeat('0', 1000) + "1"),
        9007199254740994.0);
    row("800 decimals of a third", std::string("0," + repeat('3', 800)), 1.0 / 3.0);
    row("largest double, all 309 digits", std::string("17976931348623157" + repeat('0', 292)),
        DBL_MAX);
    row("smallest subnormal", std::string("0," + repeat('0', 323) + "5"), std::nextafter(0.0, 1.0));
    row("below the smallest subnormal reads as zero", std::string("0," + repeat('0', 400) + "1"),
        0.0);
}

void TestNumberText::readAccepts()
{
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const Outcome<double> read = readNumber(text, kDecimalComma);
    QVERIFY(read.ok());
    QCOMPARE(*read, expected);
}

void TestNumberText::readRejects_data()
{
    QTest::addColumn<std::string>("text");

    row("empty", std::string());
    row("lone comma", std::string(","));
    row("two commas", std::string("1,2,3"));
    row("double comma", std::string("1,,"));
    row("full stop", std::string("1.5"));
    row("grouping point", std::string("1.000"));
    row("minus sign", std::string("-1"));
    row("plus sign", std::string("+1"));
    row("leading blank", std::string(" 1"));
    row("trailing blank", std::string("1 "));
    row("tab", std::string("1\t"));
    row("exponent", std::string("1e3"));
    row("capital exponent", std::string("1E3"));
    row("infinity word", std::string("inf"));
    row("nan word", std::string("nan"));
    row("hexadecimal", std::string("0x10"));
    row("embedded NUL", std::string("1\0"
                                    "2",
                                    3));
    row("fullwidth digit", std::string("\xEF\xBC\x91"));
    row("arabic-indic digit", std::string("\xD9\xA1"));
    row("digit then letter", std::string("12a"));
}

void TestNumberText::readRejects()
{
    QFETCH(std::string, text);
    const Outcome<double> read = readNumber(text, kDecimalComma);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure(), Failure::NotANumber);
}

void TestNumberText::readOverflows_data()
{
    QTest::addColumn<std::string>("text");

    row("400 digits", repeat('9', 400));
    row("ten to the 309", std::string("1" + repeat('0', 309)));
    row("400 digits and decimals", std::string(repeat('1', 400) + ",5"));
    row("rounds up past the largest double", std::string("17976931348623159" + repeat('0', 292)));
}

void TestNumberText::readOverflows()
{
    QFETCH(std::string, text);
    const Outcome<double> read = readNumber(text, kDecimalComma);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure(), Failure::Overflow);
}

void TestNumberText::readLongText()
{
    // A pasted MiB must neither hang nor fail in an unexpected way. How long reading it takes is
    // measured by the benchmarks (readNumber/1MiB_digits in bench/core/bench_core.cpp), not here.
    const std::size_t mib = std::size_t(1) << 20;
    std::string half = repeat('7', mib / 2);
    QCOMPARE(readNumber(half + "," + half, kDecimalComma).failure(), Failure::Overflow);
    QCOMPARE(*readNumber(repeat('0', mib), kDecimalComma), 0.0);
    QCOMPARE(*readNumber("," + repeat('0', mib) + "1", kDecimalComma), 0.0);
    QCOMPARE(*readNumber("1," + repeat('0', mib), kDecimalComma), 1.0);
    QCOMPARE(readNumber(repeat('7', mib) + ",,", kDecimalComma).failure(), Failure::NotANumber);
}

void TestNumberText::write_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    row("integer", 500.0, "500");
    row("fifteen digits, rounded down", 193.33333333333334, "193,333333333333");
    row("fifteen digits, rounded up", 2.0 / 3.0, "0,666666666666667");
    row("rounding removes a 1e-14 error", 89.99999999999999, "90");
    row("binary noise below 15 digits", 0.1 + 0.2, "0,3");
    row("one decimal", 43.5, "43,5");
    row("negative", -50.0, "-50");
    row("negative zero", -0.0, "0");
    row("leading zero below one", 0.5, "0,5");
    row("smallest positional exponent", 0.0001, "0,0001");
    row("below positional range", 0.00001, "1E-05");
    row("small with decimals", 0.000015, "1,5E-05");
    row("negative small", -0.000015, "-1,5E-05");
    row("largest positional exponent", 123456789012345.0, "123456789012345");
    row("rounding carries to 1e14", 99999999999999.99, "100000000000000");
    row("rounding carries past positional range", 999999999999999.5, "1E+15");
    row("ten to the fifteen", 1e15, "1E+15");
    row("large with decimals", 1.5e15, "1,5E+15");
    row("three-digit exponent", 1e100, "1E+100");
    row("largest double", DBL_MAX, "1,79769313486232E+308");
    row("smallest subnormal", std::nextafter(0.0, 1.0), "4,94065645841247E-324");
}

void TestNumberText::write()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(writeNumber(value, kDecimalComma)), expected);
}

void TestNumberText::writeDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");

    row("three digits", 21.27659574468085, 3, "21,3");
    row("rounding carries a digit", 999.6, 3, "1000");
    row("one digit, exponent form", -8.6e16, 1, "-9E+16");
    row("more than seventeen taken as seventeen", 0.1, 40, "0,10000000000000001");
    row("below one taken as one", 0.25, 0, "0,2");
}

void TestNumberText::writeDigits()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(writeNumber(value, kDecimalComma, digits)), expected);
}

void TestNumberText::sameResultsUnderCommaLocale()
{
    const std::string texts[] = {"2,1", ",5", "5,", "1.5", "1,5", repeat('9', 400)};
    const double values[] = {193.33333333333334, 1234567.25, 0.000015, 1e15};

    auto snapshot = [&] {
        QStringList out;
        for (const std::string &t : texts) {
            const Outcome<double> r = readNumber(t, kDecimalComma);
            out << (r ? QString::number(*r, 'g', 17) : u"failure %1"_s.arg(int(r.failure())));
        }
        for (double v : values)
            out << QString::fromStdString(writeNumber(v, kDecimalComma));
#if VARELUX_HAVE_STRTOD_L
        // The C library's reading, which a C++ library without from_chars for double uses.
        const std::string scientific = "4.70000000000000e+02";
        double read = 0;
        decimalToDoubleByStrtod(scientific.data(), scientific.data() + scientific.size(), read,
                                std::chars_format::scientific);
        out << QString::number(read, 'g', 17);
#endif
        return out;
    };

    const QStringList inC = snapshot();
    const char *previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
#ifdef Q_OS_WIN
    // The Windows C runtime's name; MinGW's libstdc++ has no named C++ locales besides "C".
    QVERIFY2(std::setlocale(LC_ALL, "Italian_Italy.1252"), "no Italian locale");
#else
    QVERIFY2(std::setlocale(LC_ALL, "it_IT.UTF-8"),
             "the it_IT.UTF-8 locale is missing (Debian package locales-all)");
    const std::locale savedGlobal = std::locale::global(std::locale("it_IT.UTF-8"));
#endif
    QCOMPARE(QString::fromUtf8(std::localeconv()->decimal_point), u","_s);

    const QStringList inItalian = snapshot();
#ifndef Q_OS_WIN
    std::locale::global(savedGlobal);
#endif
    std::setlocale(LC_ALL, saved.c_str());
    QCOMPARE(inItalian, inC);
#if VARELUX_HAVE_STRTOD_L
    QVERIFY(inItalian.contains(u"470"_s));
#endif
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
