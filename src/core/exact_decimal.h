// Numbers exactly as typed. A double rounds 3,3 - 3,2 to 0,0999999999999996, so a comparison
// of computed values can fall on the wrong side of a tie that the typed values decide (one LED
// of 3,2 V keeps exactly 0,1 V of 3,3 V). Where such a tie decides an answer, it is decided on
// the typed decimals: sums and products of them, which are exact.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varelux {

// A non-negative decimal: a whole number of 10^exponent, of any size.
class ExactDecimal {
public:
    ExactDecimal() = default; // zero
    explicit ExactDecimal(std::uint64_t whole);
    // significand * 10^exponent: a standard resistor value, a power rating, a constant.
    ExactDecimal(std::uint64_t significand, int exponent);

    // Reads what readNumber() reads (number_text.h): digits with at most one separator and a
    // digit at least. None for anything else, and for a number with more than kMaxDigits digits
    // from its first non-zero digit to its last, or one whose digits lie further than kMaxDigits
    // places from the separator: such a number is decided as its double shows it.
    static std::optional<ExactDecimal> read(std::string_view text, char separator);
    static constexpr int kMaxDigits = 400;

    ExactDecimal operator+(const ExactDecimal &other) const;
    ExactDecimal operator*(const ExactDecimal &other) const;
    // Only for a subtrahend no larger: the result is never negative.
    ExactDecimal operator-(const ExactDecimal &other) const;

    bool isZero() const { return m_digits.empty(); }
    // Every digit, with the separator given where there is a fraction: "2,5", "10", "0,05".
    std::string text(char separator) const;
    // The nearest double, as readNumber() gives it for the same digits.
    double toDouble() const;

    // Below 0 when a < b, 0 when they are equal, above 0 when a > b.
    friend int compare(const ExactDecimal &a, const ExactDecimal &b);
    friend bool operator==(const ExactDecimal &a, const ExactDecimal &b)
    {
        return compare(a, b) == 0;
    }
    friend bool operator<(const ExactDecimal &a, const ExactDecimal &b)
    {
        return compare(a, b) < 0;
    }
    friend bool operator<=(const ExactDecimal &a, const ExactDecimal &b)
    {
        return compare(a, b) <= 0;
    }
    friend bool operator>(const ExactDecimal &a, const ExactDecimal &b)
    {
        return compare(a, b) > 0;
    }

private:
    // Base 10^9, least significant first, no zero at the top; empty for zero.
    using Digits = std::vector<std::uint32_t>;
    ExactDecimal(Digits digits, int exponent);
    // The same value with its exponent lowered to `exponent` (at most the present one).
    Digits scaledTo(int exponent) const;

    Digits m_digits;
    int m_exponent = 0; // the value is m_digits * 10^m_exponent
};

} // namespace varelux
