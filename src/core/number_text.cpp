// Reading and writing number text with the decimal comma, independent of the process locale.
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <system_error>

namespace varelux {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

Outcome<double> readNumber(std::string_view text)
{
    constexpr std::size_t noComma = std::string_view::npos;
    std::size_t commaPos = noComma;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            continue;
        if (text[i] != kDecimalSeparator || commaPos != noComma)
            return Failure::TypeMismatch;
        commaPos = i;
    }
    // Every character but the comma is a digit; at least one digit is needed.
    if (text.size() == (commaPos == noComma ? 0 : 1))
        return Failure::TypeMismatch;

    // from_chars wants a full stop, so a text with a comma is read from a copy: on the stack
    // when it is short, as field texts are, to keep heap allocation out of the common case.
    char shortCopy[64];
    std::unique_ptr<char[]> longCopy;
    const char *first = text.data();
    if (commaPos != noComma) {
        char *copy = shortCopy;
        if (text.size() > sizeof shortCopy) {
            longCopy = std::make_unique_for_overwrite<char[]>(text.size());
            copy = longCopy.get();
        }
        std::copy(text.begin(), text.end(), copy);
        copy[commaPos] = '.';
        first = copy;
    }
    const char *const last = first + text.size();

    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: an integer part other than zero means too large,
        // otherwise the value lies below the smallest subnormal and rounds to zero.
        const std::string_view integerPart = text.substr(0, commaPos);
        const bool large =
            std::any_of(integerPart.begin(), integerPart.end(), [](char c) { return c != '0'; });
        if (large)
            return Failure::Overflow;
        return 0.0;
    }
    if (ec != std::errc() || end != last)
        return Failure::TypeMismatch; // not reachable for validated text; kept as a guard
    return value;
}

std::string writeNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0)
        return "0"; // negative zero too

    // "-d.ddddddddddddddde+XXX": the correctly rounded 15 significant digits and the exponent
    // of the rounded value, so a carry such as 9.999...e14 -> 1e15 is already applied.
    char sci[32];
    const char *const sciEnd = std::to_chars(sci, sci + sizeof sci, value,
                                             std::chars_format::scientific, kSignificantDigits - 1)
                                   .ptr;
    const bool negative = sci[0] == '-';
    // The digits are lead[0] and the fraction lead[2..15]; the exponent follows lead[16] = 'e'.
    const char *const lead = sci + (negative ? 1 : 0);
    const char *const fraction = lead + 2;
    // Trailing zeros are dropped. There are at most 14, so runs of 8, 4, 2 and 1 taken where
    // they fit remove them all.
    int fractionDigits = kSignificantDigits - 1;
    for (const int run : {8, 4, 2, 1})
        if (fractionDigits >= run &&
            std::memcmp(fraction + fractionDigits - run, "00000000", run) == 0)
            fractionDigits -= run;
    const int digits = fractionDigits + 1;

    const char *p = fraction + kSignificantDigits; // the exponent sign
    const bool negativeExponent = *p == '-';
    int magnitude = 0;
    for (++p; p != sciEnd; ++p)
        magnitude = magnitude * 10 + (*p - '0');
    const int exponent = negativeExponent ? -magnitude : magnitude;

    // Built on the stack: the longest text, "-d,dddddddddddddd" and "E-324", has 22 characters.
    char buf[32];
    char *out = buf;
    if (negative)
        *out++ = '-';

    if (exponent >= kMinPositionalExponent && exponent <= kMaxPositionalExponent) {
        if (exponent < 0) {
            *out++ = '0';
            *out++ = kDecimalSeparator;
            out = std::fill_n(out, -exponent - 1, '0');
            *out++ = lead[0];
            out = std::copy_n(fraction, fractionDigits, out);
        } else if (digits <= exponent + 1) {
            *out++ = lead[0];
            out = std::copy_n(fraction, fractionDigits, out);
            out = std::fill_n(out, exponent + 1 - digits, '0');
        } else {
            *out++ = lead[0];
            out = std::copy_n(fraction, exponent, out);
            *out++ = kDecimalSeparator;
            out = std::copy_n(fraction + exponent, fractionDigits - exponent, out);
        }
        return std::string(buf, out);
    }

    *out++ = lead[0];
    if (fractionDigits > 0) {
        *out++ = kDecimalSeparator;
        out = std::copy_n(fraction, fractionDigits, out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    if (magnitude < 10)
        *out++ = '0';
    out = std::to_chars(out, buf + sizeof buf, magnitude).ptr;
    return std::string(buf, out);
}

} // namespace varelux
