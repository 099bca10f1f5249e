// libFuzzer target over the core's number text, keystroke filter, LED array planner and the
// resistor hints within the tolerances. The first byte of an input picks what the rest of it is:
// a field text as pasted, a text of digits and separators, a double to write, a run of typed
// character codes, the planner's five fields (as pasted, or mostly numbers), or a panel's fields
// with two tolerances; and the decimal separator, the comma (Italian) or the full stop (English).
// Each result is checked against an oracle that shares no code with the core (the C library's
// conversions, plain string handling, schoolbook arithmetic on digit strings), and a plan or a
// hint against what every one must satisfy; the first mismatch aborts the run and libFuzzer
// keeps the input.
#include "core/key_filter.h"
#include "core/led_array.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace varelux;

namespace {

std::string printable(std::string_view text)
{
    std::string out;
    for (const char byte : text.substr(0, 200)) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    if (text.size() > 200)
        out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

[[noreturn]] void mismatch(const char *what, std::string_view text, const std::string &detail = {})
{
    std::fprintf(stderr, "oracle mismatch: %s\n  text: \"%s\"\n  %s\n", what,
                 printable(text).c_str(), detail.c_str());
    std::abort();
}

std::string describe(const Outcome<double> &outcome)
{
    if (!outcome) {
        switch (outcome.failure()) {
        case Failure::Overflow:
            return "failure Overflow";
        case Failure::DivisionByZero:
            return "failure DivisionByZero";
        case Failure::NotANumber:
            return "failure NotANumber";
        }
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", *outcome);
    return buf;
}

// ASCII digits with at most one separator and at least one digit.
bool inGrammar(std::string_view text, char separator)
{
    bool comma = false, digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == separator && !comma)
            comma = true;
        else
            return false;
    }
    return digit;
}

// strtod in the "C" locale on a grammar text with the separator turned into a full stop: the
// correctly rounded value, or no value when the magnitude is beyond the double range.
bool cConversion(std::string_view text, char separator, double &value)
{
    std::string c(text);
    if (const auto comma = c.find(separator); comma != c.npos)
        c[comma] = '.';
    errno = 0;
    value = std::strtod(c.c_str(), nullptr);
    return !(errno == ERANGE && std::isinf(value));
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void checkReading(std::string_view text, char separator)
{
    const Outcome<double> read = readNumber(text, separator);
    if (!inGrammar(text, separator)) {
        if (read || read.failure() != Failure::NotANumber)
            mismatch("a text outside the grammar must be NotANumber", text, describe(read));
        return;
    }
    double expected = 0;
    if (!cConversion(text, separator, expected)) {
        if (read || read.failure() != Failure::Overflow)
            mismatch("a number beyond the double range must be an overflow", text, describe(read));
        return;
    }
    if (!read || !sameDouble(*read, expected))
        mismatch("reading differs from strtod", text,
                 "read " + describe(read) + ", strtod " + describe(expected));
}

// The written text must be [-]mantissa[E(+|-)exponent], the mantissa in the grammar. Returns the
// same number as a positional grammar text (the comma moved by the exponent) and its sign.
std::string positional(std::string_view written, char separator, bool &negative)
{
    std::string_view text = written;
    negative = !text.empty() && text[0] == '-';
    if (negative)
        text.remove_prefix(1);
    int exponent = 0;
    if (const auto e = text.find('E'); e != text.npos) {
        const std::string_view power = text.substr(e + 1);
        if (power.size() < 3 || (power[0] != '+' && power[0] != '-'))
            mismatch("malformed exponent", written);
        for (const char c : power.substr(1)) {
            if (c < '0' || c > '9')
                mismatch("malformed exponent", written);
            exponent = exponent * 10 + (c - '0');
        }
        if (power[0] == '-')
            exponent = -exponent;
        text = text.substr(0, e);
    }
    if (!inGrammar(text, separator))
        mismatch("written mantissa outside the grammar", written);

    std::string digits;
    int pointAt = int(text.size());
    for (const char c : text) {
        if (c == separator)
            pointAt = int(digits.size());
        else
            digits += c;
    }
    if (const auto first = digits.find_first_not_of('0');
        first != digits.npos && digits.size() - first > 15)
        mismatch("more than 15 significant digits", written);
    if (text.find(separator) != text.npos && text.back() == '0')
        mismatch("trailing zero after the separator", written);

    pointAt += exponent;
    if (pointAt <= 0)
        return "0" + std::string(1, separator) + std::string(std::size_t(-pointAt), '0') + digits;
    if (pointAt >= int(digits.size()))
        return digits + std::string(std::size_t(pointAt) - digits.size(), '0');
    return digits.substr(0, std::size_t(pointAt)) + separator + digits.substr(std::size_t(pointAt));
}

void checkWriting(double value, char separator)
{
    const std::string written = writeNumber(value, separator);
    if (std::isnan(value) || std::isinf(value)) {
        const char *expected = std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf";
        if (written != expected)
            mismatch("non-finite value written wrongly", written, expected);
        const Outcome<double> read = readNumber(written, separator);
        if (read || read.failure() != Failure::NotANumber)
            mismatch("a non-finite text must read as NotANumber", written, describe(read));
        return;
    }

    // The value rounded to 15 significant digits by the C library, and its magnitude read back.
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", std::fabs(value));
    errno = 0;
    const double expected = std::strtod(rounded, nullptr);
    const bool overflows = errno == ERANGE && std::isinf(expected);

    bool negative = false;
    const std::string text = positional(written, separator, negative);
    if (negative != (value < 0))
        mismatch("wrong sign", written, describe(value));
    const Outcome<double> read = readNumber(text, separator);
    if (overflows ? (read || read.failure() != Failure::Overflow)
                  : (!read || !sameDouble(*read, expected)))
        mismatch("writing then reading is not the value rounded to 15 digits", written,
                 "value " + describe(value) + ", read " + describe(read) + " from " + text);
}

// What a field does with the code the filter left: backspace deletes before the caret, any other
// code but 0 goes in at the caret.
void apply(std::u16string &field, CharCode kept, std::size_t caret)
{
    const std::size_t at = std::min(caret, field.size());
    if (kept == kBackspace) {
        if (at > 0)
            field.erase(at - 1, 1);
    } else if (kept != kNoChar) {
        field.insert(at, 1, char16_t(kept));
    }
}

// Types codes into a decimal and a count field, both empty at first. Each unit of the input is
// three bytes: the code (little-endian) and the caret position. Every code is also judged
// against a decimal field that holds the whole input as a pasted text, separators included.
// Digits and backspace pass both rules unchanged; a full stop or comma gives the separator in
// use in a decimal field without one, and everything else gives 0. So a decimal field never
// gets a second separator, and a count field never anything but digits.
void checkTyping(const std::uint8_t *data, std::size_t size, char separator)
{
    const auto kept16 = static_cast<char16_t>(separator);
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::u16string pasted;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        pasted += char16_t(data[i] | data[i + 1] << 8);
    std::u16string decimal, count;

    for (std::size_t i = 0; i + 2 < size; i += 3) {
        const auto code = static_cast<CharCode>(data[i] | data[i + 1] << 8);
        const std::size_t caret = data[i + 2];
        const bool passes = (code >= kDigitZero && code <= kDigitNine) || code == kBackspace;
        const bool separatorKey = code == kComma || code == kFullStop;
        const std::string what = "code " + std::to_string(code) + " gave ";

        const CharCode toCount = filterCountKey(code);
        if (toCount != (passes ? code : kNoChar))
            mismatch("count rule", bytes, what + std::to_string(toCount));
        apply(count, toCount, caret);

        for (std::u16string *field : {&decimal, &pasted}) {
            const bool hasSeparator = field->find(kept16) != field->npos;
            const CharCode kept = filterDecimalKey(code, *field, separator);
            if (kept != (passes                          ? code
                         : separatorKey && !hasSeparator ? CharCode(kept16)
                                                         : kNoChar))
                mismatch("decimal rule", bytes, what + std::to_string(kept));
            if (field == &decimal)
                apply(decimal, kept, caret);
        }

        if (std::count(decimal.begin(), decimal.end(), kept16) > 1)
            mismatch("a decimal field holds two separators", bytes);
        if (std::any_of(count.begin(), count.end(),
                        [](char16_t c) { return c < u'0' || c > u'9'; }))
            mismatch("a count field holds a non-digit", bytes);
    }
}

// A decimal text as a whole number of 10^-fraction: its digits, without the separator and
// leading zeros, and how many stood after the separator.
struct Scaled {
    std::string digits;
    std::size_t fraction = 0;
};

Scaled scaled(std::string_view text, char separator)
{
    Scaled number;
    bool after = false;
    for (const char c : text) {
        if (c == separator) {
            after = true;
            continue;
        }
        number.digits += c;
        number.fraction += after ? 1 : 0;
    }
    return number;
}

// Whether the core reads the text exactly: at most 400 digits from its first non-zero digit to
// its last, none further than 400 places from the separator (ExactDecimal::kMaxDigits).
bool readExactly(std::string_view text, char separator)
{
    const Scaled number = scaled(text, separator);
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return true;
    const auto last = number.digits.find_last_not_of('0');
    const auto exponent =
        static_cast<long>(number.digits.size() - 1 - last) - static_cast<long>(number.fraction);
    const auto length = static_cast<long>(last - first + 1);
    return length <= 400 && exponent >= -400 && exponent + length <= 400;
}

// Digit strings as whole numbers, most significant first.
std::string withoutLeadingZeros(std::string digits)
{
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

std::string timesWhole(const std::string &digits, std::uint64_t factor)
{
    std::string product;
    unsigned __int128 carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        carry += static_cast<unsigned __int128>(*digit - '0') * factor;
        product.insert(product.begin(), char('0' + int(carry % 10)));
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        product.insert(product.begin(), char('0' + int(carry % 10)));
    return withoutLeadingZeros(product);
}

std::string plus(const std::string &a, const std::string &b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        carry += x + y;
        sum.insert(sum.begin(), char('0' + carry % 10));
        carry /= 10;
    }
    return withoutLeadingZeros(sum);
}

bool notAbove(const std::string &a, const std::string &b)
{
    return a.size() != b.size() ? a.size() < b.size() : a <= b;
}

// Whether leds x LED voltage + margin <= supply, on the typed texts; the margin an empty text for
// a tenth of the supply.
bool keepsMarginExactly(std::uint64_t leds, std::string_view ledVoltage, std::string_view margin,
                        std::string_view supply, char separator)
{
    Scaled v = scaled(ledVoltage, separator), s = scaled(supply, separator);
    Scaled m = margin.empty() ? Scaled{s.digits, s.fraction + 1} : scaled(margin, separator);
    const std::size_t fraction = std::max({v.fraction, m.fraction, s.fraction});
    for (Scaled *number : {&v, &m, &s})
        number->digits =
            withoutLeadingZeros(number->digits + std::string(fraction - number->fraction, '0'));
    return notAbove(plus(timesWhole(v.digits, leds), m.digits), s.digits);
}

// What every hint satisfies: at most two values, ascending, each with finite currents from the
// lowest to the highest, none below 0, the lowest 0 wherever the LEDs may stay dark; a rating
// from the table, or none; nothing at all where the supply is not above the LEDs.
void checkHints(const ResistorHints &hints, std::string_view input)
{
    if (hints.supplyNotAboveLeds && (!hints.nearest.empty() || hints.ratingMilliwatts))
        mismatch("values to buy where the supply is not above the LEDs", input);
    if (hints.supplyNotAboveLeds)
        return;
    if (hints.nearest.empty() || hints.nearest.size() > 2 ||
        (hints.nearest.size() == 2 && !(hints.nearest[0].ohms < hints.nearest[1].ohms)))
        mismatch("standard values", input, std::to_string(hints.nearest.size()));
    for (const StandardResistor &value : hints.nearest) {
        if (!std::isfinite(value.lowestMilliamps) || !std::isfinite(value.highestMilliamps) ||
            value.lowestMilliamps < 0 || value.lowestMilliamps > value.highestMilliamps ||
            (value.mayStayDark && value.lowestMilliamps != 0))
            mismatch("currents within the tolerances", input,
                     describe(value.lowestMilliamps) + " to " + describe(value.highestMilliamps));
    }
    if (hints.ratingMilliwatts &&
        std::find(kPowerRatingsMilliwatts.begin(), kPowerRatingsMilliwatts.end(),
                  *hints.ratingMilliwatts) == kPowerRatingsMilliwatts.end())
        mismatch("a rating not in the table", input, std::to_string(*hints.ratingMilliwatts));
}

// The planner's fields, one per line: supply, LED voltage, current, count, margin. Missing lines
// are empty; the margin takes the rest of the input, newlines too.
std::array<std::string_view, 5> planFields(std::string_view text)
{
    std::array<std::string_view, 5> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t end = i + 1 < fields.size() ? text.find('\n') : text.npos;
        fields[i] = text.substr(0, end);
        if (end == text.npos)
            break;
        text.remove_prefix(end + 1);
    }
    return fields;
}

// What every plan satisfies: a field that does not read fails it, a current of 0 A divides by
// zero, each verdict matches the count, and a planned array holds every LED, in strings of the
// most LEDs that keep the margin, with the power drawn shared by the LEDs and the resistors.
void checkPlan(std::string_view input, char separator)
{
    const auto [supply, ledVoltage, current, count, margin] = planFields(input);
    const Outcome<ArrayPlan> outcome = planLedArray({.supply = supply,
                                                     .ledVoltage = ledVoltage,
                                                     .current = current,
                                                     .count = count,
                                                     .margin = margin,
                                                     .separator = separator});
    const Outcome<double> vs = readNumber(supply, separator),
                          vf = readNumber(ledVoltage, separator),
                          milliamps = readNumber(current, separator),
                          n = readNumber(count, separator),
                          typedMargin = readNumber(margin, separator);
    if (!vs || !vf || !milliamps || !n || (!margin.empty() && !typedMargin)) {
        if (outcome)
            mismatch("a field that does not read must fail the plan", input);
        return;
    }
    const bool noCurrent = *milliamps / 1000 == 0;
    if (!outcome) {
        if (outcome.failure() == Failure::NotANumber)
            mismatch("every field reads, yet NotANumber", input);
        if ((outcome.failure() == Failure::DivisionByZero) != noCurrent)
            mismatch("DivisionByZero if and only if the current is 0 A", input);
        return;
    }
    if (noCurrent)
        mismatch("a current of 0 A must fail the plan", input);

    const ArrayPlan &plan = *outcome;
    const double expectedMargin = margin.empty() ? *vs / 10 : *typedMargin;
    if (!sameDouble(plan.margin, expectedMargin))
        mismatch("margin used", input, describe(plan.margin));
    const bool whole = *n == std::floor(*n);
    bool countFits = false;
    switch (plan.verdict) {
    case ArrayVerdict::NoLeds:
        countFits = *n == 0;
        break;
    case ArrayVerdict::CountNotWhole:
        countFits = !whole;
        break;
    case ArrayVerdict::TooManyLeds:
        countFits = whole && *n > kMaxLedCount;
        break;
    case ArrayVerdict::Planned:
    case ArrayVerdict::NoLedFits:
    case ArrayVerdict::ZeroMargin:
        countFits = whole && *n >= 1 && *n <= kMaxLedCount;
        break;
    }
    if (!countFits)
        mismatch("verdict does not match the count", input,
                 "verdict " + std::to_string(int(plan.verdict)) + ", count " + describe(*n));
    if (plan.verdict != ArrayVerdict::Planned) {
        if (plan.strings != 0 || plan.remainder)
            mismatch("strings planned with a verdict", input);
        return;
    }

    // Counts up to kMaxLedCount are exact, so these sums are too.
    const StringKind &full = plan.full;
    const double left = plan.remainder ? plan.remainder->leds : 0;
    if (full.leds < 1 || full.strings < 1 || full.leds != std::floor(full.leds) ||
        full.strings != std::floor(full.strings) || left != std::floor(left) || left >= full.leds ||
        (plan.remainder && (left < 1 || plan.remainder->strings != 1)))
        mismatch("string counts", input);
    if (full.strings * full.leds + left != *n ||
        plan.strings != full.strings + (plan.remainder ? 1 : 0))
        mismatch("strings do not hold every LED once", input,
                 describe(full.strings) + " x " + describe(full.leds) + " + " + describe(left));

    // Each string keeps the margin and no full string could take one LED more: on the typed
    // values, or as the doubles show where a text is too long to read exactly.
    const bool exactly = readExactly(supply, separator) && readExactly(ledVoltage, separator) &&
                         readExactly(margin, separator);
    const double marginShown = roundedAsShown(plan.margin);
    auto keeps = [&](double leds) {
        if (exactly)
            return keepsMarginExactly(static_cast<std::uint64_t>(leds), ledVoltage, margin, supply,
                                      separator);
        const double resistorVoltage = *vs - leds * *vf;
        return std::isfinite(resistorVoltage) && roundedAsShown(resistorVoltage) >= marginShown;
    };
    for (const StringKind *kind : {&plan.full, plan.remainder ? &*plan.remainder : nullptr}) {
        if (kind && !keeps(kind->leds))
            mismatch("a resistor keeps less than the margin", input,
                     describe(kind->resistorVoltage));
        if (kind)
            checkHints(resistorHints(stringCircuit(plan, *kind), kind->resistance, ESeries::E12,
                                     Tolerances{}),
                       input);
    }
    if (plan.remainder && plan.remainder->resistorVoltage < full.resistorVoltage)
        mismatch("the shorter string leaves its resistor less", input);
    if (full.leds < *n && keeps(full.leds + 1))
        mismatch("a string could take one LED more", input, describe(full.leds));

    const double shownEfficiency = roundedAsShown(plan.efficiency);
    if (!(shownEfficiency >= 0 && shownEfficiency <= 1))
        mismatch("efficiency outside 0 to 1", input, describe(plan.efficiency));
    // Power drawn is the power in the LEDs and the resistors, to the rounding of a few steps;
    // subnormal steps lose their relative precision, hence the absolute allowance.
    const double shared = plan.ledPower + plan.resistorPower;
    if (std::fabs(plan.supplyPower - shared) > 1e-12 * std::max(plan.supplyPower, shared) + 1e-290)
        mismatch("power drawn is not the LEDs' and the resistors'", input,
                 describe(plan.supplyPower) + " vs " + describe(shared));
}

// A panel's fields, one per line (supply, LED voltage, current, count, the supply's and the
// LEDs' tolerances), sized as LEDs in series or in parallel, and the hints of the resistor, and of
// the resistor for each LED, in a series, within the tolerances typed (the first ones where they
// do not read).
void checkTolerances(std::string_view input, char separator, std::uint8_t pick)
{
    std::array<std::string_view, 6> fields;
    std::string_view rest = input;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t end = rest.find('\n');
        fields[i] = rest.substr(0, end);
        if (end == rest.npos)
            break;
        rest.remove_prefix(end + 1);
    }
    const auto [supply, ledVoltage, current, count, supplyPercent, ledPercent] = fields;
    const bool parallel = pick % 2 != 0;
    const auto series = ESeries(pick / 2 % kESeriesCount);
    const Outcome<Sizing> sizing = parallel
                                       ? sizeParallel(supply, ledVoltage, count, current, separator)
                                       : sizeSeries(supply, ledVoltage, count, current, separator);
    if (!sizing)
        return;
    Tolerances tolerances;
    if (const auto read = readTolerance(supplyPercent, separator))
        tolerances.supplyPercent = *read;
    if (const auto read = readTolerance(ledPercent, separator))
        tolerances.ledVoltagePercent = *read;
    const ResistorHints hints = resistorHints(*sizing, series, tolerances);
    checkHints(hints, input);
    if (parallel && !hints.supplyNotAboveLeds)
        if (const auto branch = branchResistor(*sizing, series, tolerances))
            checkHints(branch->hints, input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::setlocale(LC_ALL, "C"); // the oracle converts with a full stop
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0] % 7;
    const char separator = data[0] / 7 % 2 == 0 ? kDecimalComma : kDecimalPoint;
    ++data;
    --size;
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    switch (mode) {
    case 0: // any bytes, as a pasted text would reach the reader
        checkReading(text, separator);
        break;
    case 1: { // digits and separators only: mostly valid numbers, of any length
        std::string mapped(size, '0');
        for (std::size_t i = 0; i < size; ++i)
            mapped[i] = data[i] % 11 == 10 ? separator : char('0' + data[i] % 11);
        checkReading(mapped, separator);
        break;
    }
    case 2: { // the bits of a double
        double value = 0;
        std::memcpy(&value, data, std::min(size, sizeof value));
        checkWriting(value, separator);
        break;
    }
    case 3:
        checkTyping(data, size, separator);
        break;
    case 4: // the planner's fields as pasted, one per line
        checkPlan(text, separator);
        break;
    case 5: { // the planner's fields of digits and separators: those and newlines stay
        std::string mapped(text);
        for (char &c : mapped) {
            if ((c < '0' || c > '9') && c != separator && c != '\n') {
                const auto pick = static_cast<unsigned char>(c) % 12;
                c = pick == 10 ? separator : pick == 11 ? '\n' : char('0' + pick);
            }
        }
        checkPlan(mapped, separator);
        break;
    }
    case 6: // a panel's fields and tolerances, the circuit and the series from the next byte
        if (size > 0)
            checkTolerances(text.substr(1), separator, data[0]);
        break;
    }
    return 0;
}
