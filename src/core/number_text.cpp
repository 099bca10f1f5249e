// Reading and writing number text with the given decimal separator, independent of the process
// locale.
#include "core/number_text.h"

#include "core/decimal_to_double.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <system_error>

namespace varelux {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Every integer of up to 15 digits is exact as a double, and so are these powers of ten.
constexpr std::size_t kExactDigits = 15;
constexpr double kExactPowersOfTen[kExactDigits + 1] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

} // namespace

Outcome<double> readNumber(std::string_view text, char separator)
{
    constexpr std::size_t noSeparator = std::string_view::npos;
    std::size_t separatorAt = noSeparator;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i])) [[likely]]
            continue;
        if (text[i] != separator || separatorAt != noSeparator)
            return Failure::NotANumber;
        separatorAt = i;
    }
    const std::size_t digitCount = text.size() - (separatorAt == noSeparator ? 0 : 1);
    if (digitCount == 0)
        return Failure::NotANumber;

    // Up to 15 digits, the integer they form and the power of ten are exact doubles, so one
    // correctly rounded division gives the correctly rounded value, the one from_chars gives.
    // Not where intermediate results carry extra precision (x87), which would round twice.
    if (FLT_EVAL_METHOD == 0 && digitCount <= kExactDigits) {
        std::uint64_t digitValue = 0;
        for (const char c : text)
            if (c != separator)
                digitValue = digitValue * 10 + static_cast<unsigned>(c - '0');
        const std::size_t decimals = separatorAt == noSeparator ? 0 : text.size() - 1 - separatorAt;
        return static_cast<double>(digitValue) / kExactPowersOfTen[decimals];
    }

    // decimalToDouble wants a full stop, so a text with a comma is read from a copy, on the stack
    // unless the text is long.
    char shortCopy[64];
    std::unique_ptr<char[]> longCopy;
    const char *first = text.data();
    if (separatorAt != noSeparator && separator != '.') {
        char *copy = shortCopy;
        if (text.size() > sizeof shortCopy) {
            longCopy = std::make_unique_for_overwrite<char[]>(text.size());
            copy = longCopy.get();
        }
        std::copy(text.begin(), text.end(), copy);
        copy[separatorAt] = '.';
        first = copy;
    }
    const char *const last = first + text.size();

    double value = 0.0;
    const auto [end, ec] = decimalToDouble(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: an integer part other than zero means too large,
        // otherwise the value lies below the smallest subnormal and rounds to zero.
        const std::string_view integerPart = text.substr(0, separatorAt);
        const bool large =
            std::any_of(integerPart.begin(), integerPart.end(), [](char c) { return c != '0'; });
        if (large)
            return Failure::Overflow;
        return 0.0;
    }
    if (ec != std::errc() || end != last)
        return Failure::NotANumber; // not reachable for validated text; kept as a guard
    return value;
}

double roundedAsShown(double value)
{
    if (!std::isfinite(value))
        return value;
    // 15 digits in exponent form and back: each 15-digit decimal reads as a distinct double.
    char sci[32];
    const char *const end = std::to_chars(sci, sci + sizeof sci, value,
                                          std::chars_format::scientific, kSignificantDigits - 1)
                                .ptr;
    double rounded = 0.0;
    const auto [last, ec] = decimalToDouble(sci, end, rounded, std::chars_format::scientific);
    return ec == std::errc() && last == end ? rounded
                                            : value; // subnormals: close enough as they are
}

std::string writeNumber(double value, char separator, int digits)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0)
        return "0"; // negative zero too

    // "-d.dddddddddddddde+XXX" for 15 digits: the correctly rounded significant digits and the
    // exponent of the rounded value, so a carry such as 9.999...e14 -> 1e15 is already applied.
    // With one digit there is no point: "-de+XXX".
    digits = std::clamp(digits, 1, kMaxSignificantDigits);
    char sci[32];
    const char *const sciEnd =
        std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, digits - 1).ptr;
    const bool negative = sci[0] == '-';
    // The digits are lead[0] and the digits - 1 of the fraction; 'e' follows them.
    const char *const lead = sci + (negative ? 1 : 0);
    const char *const fraction = lead + (digits > 1 ? 2 : 1);
    int fractionDigits = digits - 1;
    while (fractionDigits > 0 && fraction[fractionDigits - 1] == '0')
        --fractionDigits;
    const int kept = fractionDigits + 1;

    const char *p = fraction + digits; // the exponent sign
    const bool negativeExponent = *p == '-';
    int magnitude = 0;
    for (++p; p != sciEnd; ++p)
        magnitude = magnitude * 10 + (*p - '0');
    const int exponent = negativeExponent ? -magnitude : magnitude;

    // Built on the stack: the longest text, 17 digits as "-d,dddddddddddddddd" and "E-324", has
    // 24 characters.
    char buf[32];
    char *out = buf;
    if (negative)
        *out++ = '-';

    if (exponent >= kMinPositionalExponent && exponent <= kMaxPositionalExponent) {
        if (exponent < 0) {
            *out++ = '0';
            *out++ = separator;
            out = std::fill_n(out, -exponent - 1, '0');
            *out++ = lead[0];
            out = std::copy_n(fraction, fractionDigits, out);
        } else if (kept <= exponent + 1) {
            *out++ = lead[0];
            out = std::copy_n(fraction, fractionDigits, out);
            out = std::fill_n(out, exponent + 1 - kept, '0');
        } else {
            *out++ = lead[0];
            out = std::copy_n(fraction, exponent, out);
            *out++ = separator;
            out = std::copy_n(fraction + exponent, fractionDigits - exponent, out);
        }
        return std::string(buf, out);
    }

    *out++ = lead[0];
    if (fractionDigits > 0) {
        *out++ = separator;
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
