// Reading and writing number text with the decimal comma, independent of the process locale.
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
    std::size_t commaPos = std::string_view::npos;
    bool anyDigit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
        } else if (c == kDecimalSeparator && commaPos == std::string_view::npos) {
            commaPos = i;
        } else {
            return Failure::TypeMismatch;
        }
    }
    if (!anyDigit)
        return Failure::TypeMismatch;

    // from_chars wants a full stop; copy only when there is a comma to replace.
    std::string withPoint;
    std::string_view digits = text;
    if (commaPos != std::string_view::npos) {
        withPoint.assign(text);
        withPoint[commaPos] = '.';
        digits = withPoint;
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::fixed);
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
    if (ec != std::errc() || end != digits.data() + digits.size())
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
    const char *p = sci + (negative ? 1 : 0);

    // The digits without the point, trailing zeros dropped down to the first digit.
    char mantissa[kSignificantDigits];
    mantissa[0] = p[0];
    std::copy_n(p + 2, kSignificantDigits - 1, mantissa + 1);
    int digits = kSignificantDigits;
    while (digits > 1 && mantissa[digits - 1] == '0')
        --digits;

    p += kSignificantDigits + 1; // at the 'e'
    const bool negativeExponent = p[1] == '-';
    int magnitude = 0;
    for (p += 2; p != sciEnd; ++p)
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
            out = std::copy_n(mantissa, digits, out);
        } else {
            const int intDigits = exponent + 1;
            if (digits <= intDigits) {
                out = std::copy_n(mantissa, digits, out);
                out = std::fill_n(out, intDigits - digits, '0');
            } else {
                out = std::copy_n(mantissa, intDigits, out);
                *out++ = kDecimalSeparator;
                out = std::copy_n(mantissa + intDigits, digits - intDigits, out);
            }
        }
        return std::string(buf, out);
    }

    *out++ = mantissa[0];
    if (digits > 1) {
        *out++ = kDecimalSeparator;
        out = std::copy_n(mantissa + 1, digits - 1, out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    if (magnitude < 10)
        *out++ = '0';
    out = std::to_chars(out, buf + sizeof buf, magnitude).ptr;
    return std::string(buf, out);
}

} // namespace varelux
