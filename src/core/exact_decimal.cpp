// Exact decimal arithmetic on whole numbers of base 10^9 digits.
#include "core/exact_decimal.h"

#include "core/number_text.h"

#include <algorithm>
#include <limits>
#include <string>

namespace varelux {

namespace {

constexpr std::uint32_t kBase = 1'000'000'000;
constexpr int kBaseDigits = 9;

constexpr std::uint32_t kPowersOfTen[kBaseDigits] = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

template <typename Digits> void trimTop(Digits &digits)
{
    while (!digits.empty() && digits.back() == 0)
        digits.pop_back();
}

} // namespace

ExactDecimal::ExactDecimal(Digits digits, int exponent)
    : m_digits(std::move(digits)), m_exponent(exponent)
{
    trimTop(m_digits);
    if (m_digits.empty())
        m_exponent = 0;
}

ExactDecimal::ExactDecimal(std::uint64_t whole) : ExactDecimal(whole, 0) {}

ExactDecimal::ExactDecimal(std::uint64_t significand, int exponent) : m_exponent(exponent)
{
    for (; significand > 0; significand /= kBase)
        m_digits.push_back(std::uint32_t(significand % kBase));
    if (m_digits.empty())
        m_exponent = 0;
}

std::optional<ExactDecimal> ExactDecimal::read(std::string_view text, char separator)
{
    // The text's digits, without the separator, and how many of them stand after it.
    std::size_t digitCount = 0, separators = 0, afterSeparator = 0;
    for (const char c : text) {
        if (c == separator && ++separators == 1)
            continue;
        if (!isDigit(c) || separators > 1)
            return std::nullopt;
        ++digitCount;
        afterSeparator += separators;
    }
    if (digitCount == 0)
        return std::nullopt;
    // The i-th digit of the text, counted without the separator.
    const std::size_t separatorAt = separators ? text.find(separator) : text.size();
    auto digit = [&](std::size_t i) { return text[i < separatorAt ? i : i + 1] - '0'; };
    // The digits from the first non-zero one to the last, and the power of ten of the last.
    std::size_t first = 0, last = digitCount;
    while (first < digitCount && digit(first) == 0)
        ++first;
    if (first == digitCount)
        return ExactDecimal();
    while (digit(last - 1) == 0)
        --last;
    const auto exponent =
        static_cast<long long>(digitCount - last) - static_cast<long long>(afterSeparator);
    const std::size_t length = last - first;
    if (length > kMaxDigits || exponent < -kMaxDigits ||
        exponent + static_cast<long long>(length) > kMaxDigits)
        return std::nullopt;
    Digits base;
    base.reserve(length / kBaseDigits + 1);
    for (std::size_t end = last; end > first;) {
        const std::size_t begin = end - first > kBaseDigits ? end - kBaseDigits : first;
        std::uint32_t chunk = 0;
        for (std::size_t i = begin; i < end; ++i)
            chunk = chunk * 10 + std::uint32_t(digit(i));
        base.push_back(chunk);
        end = begin;
    }
    return ExactDecimal(std::move(base), int(exponent));
}

ExactDecimal::Digits ExactDecimal::scaledTo(int exponent) const
{
    const int shift = m_exponent - exponent;
    if (shift == 0)
        return m_digits;
    Digits scaled;
    scaled.reserve(std::size_t(shift / kBaseDigits) + m_digits.size() + 1);
    scaled.resize(std::size_t(shift / kBaseDigits), 0);
    const std::uint64_t factor = kPowersOfTen[shift % kBaseDigits];
    std::uint64_t carry = 0;
    for (const std::uint32_t digit : m_digits) {
        const std::uint64_t value = digit * factor + carry;
        scaled.push_back(std::uint32_t(value % kBase));
        carry = value / kBase;
    }
    if (carry)
        scaled.push_back(std::uint32_t(carry));
    return scaled;
}

ExactDecimal ExactDecimal::operator+(const ExactDecimal &other) const
{
    const int exponent = std::min(m_exponent, other.m_exponent);
    Digits a = scaledTo(exponent);
    const Digits b = other.scaledTo(exponent);
    a.resize(std::max(a.size(), b.size()) + 1, 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint32_t sum = a[i] + (i < b.size() ? b[i] : 0) + carry;
        carry = sum >= kBase ? 1 : 0;
        a[i] = sum - carry * kBase;
    }
    return ExactDecimal(std::move(a), exponent);
}

ExactDecimal ExactDecimal::operator-(const ExactDecimal &other) const
{
    const int exponent = std::min(m_exponent, other.m_exponent);
    Digits a = scaledTo(exponent);
    const Digits b = other.scaledTo(exponent);
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint32_t take = (i < b.size() ? b[i] : 0) + borrow;
        borrow = a[i] < take ? 1 : 0;
        a[i] = a[i] + borrow * kBase - take;
    }
    return ExactDecimal(std::move(a), exponent);
}

ExactDecimal ExactDecimal::operator*(const ExactDecimal &other) const
{
    if (isZero() || other.isZero())
        return ExactDecimal();
    std::vector<std::uint64_t> wide(m_digits.size() + other.m_digits.size() + 1, 0);
    for (std::size_t i = 0; i < m_digits.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < other.m_digits.size(); ++j) {
            const std::uint64_t value =
                wide[i + j] + std::uint64_t(m_digits[i]) * other.m_digits[j] + carry;
            wide[i + j] = value % kBase;
            carry = value / kBase;
        }
        for (std::size_t k = i + other.m_digits.size(); carry; ++k) {
            const std::uint64_t value = wide[k] + carry;
            wide[k] = value % kBase;
            carry = value / kBase;
        }
    }
    Digits product(wide.begin(), wide.end());
    return ExactDecimal(std::move(product), m_exponent + other.m_exponent);
}

int compare(const ExactDecimal &a, const ExactDecimal &b)
{
    if (a.isZero() || b.isZero())
        return int(!a.isZero()) - int(!b.isZero());
    const int exponent = std::min(a.m_exponent, b.m_exponent);
    const ExactDecimal::Digits x = a.scaledTo(exponent), y = b.scaledTo(exponent);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = x.size(); i-- > 0;)
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    return 0;
}

std::string ExactDecimal::text(char separator) const
{
    if (isZero())
        return "0";
    std::string digits = std::to_string(m_digits.back());
    for (auto digit = m_digits.rbegin() + 1; digit != m_digits.rend(); ++digit) {
        const std::string chunk = std::to_string(*digit);
        digits += std::string(std::size_t(kBaseDigits) - chunk.size(), '0') + chunk;
    }
    if (m_exponent >= 0)
        return digits + std::string(std::size_t(m_exponent), '0');
    const auto places = std::size_t(-m_exponent);
    if (digits.size() <= places)
        digits.insert(0, places - digits.size() + 1, '0');
    digits.insert(digits.size() - places, 1, separator);
    // Trailing zeros of the fraction say nothing: "2,50" is "2,5".
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == separator)
        digits.pop_back();
    return digits;
}

double ExactDecimal::toDouble() const
{
    const Outcome<double> value = readNumber(text(kDecimalPoint), kDecimalPoint);
    return value ? *value : std::numeric_limits<double>::infinity();
}

} // namespace varelux
