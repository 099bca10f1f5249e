// Arithmetic of the core's computations that stops at the first failure; used inside the core
// only, by the sizings and the LED array planner.
#pragma once

#include "core/number_text.h"
#include "core/outcome.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace varelux {

// Checked arithmetic that keeps the first failure: each step is a single IEEE operation (or a
// field read), checked at once. After the first failure every later step is skipped and yields
// 0, so the first failure is the one reported.
class CheckedArithmetic {
public:
    // Fields are read with the given decimal separator.
    explicit CheckedArithmetic(char separator) : m_separator(separator) {}

    double read(std::string_view text)
    {
        if (m_failure)
            return 0;
        const Outcome<double> number = readNumber(text, m_separator);
        if (!number) {
            m_failure = number.failure();
            return 0;
        }
        return *number;
    }

    double quotient(double dividend, double divisor)
    {
        if (m_failure)
            return 0;
        if (divisor == 0 && dividend != 0) {
            m_failure = Failure::DivisionByZero;
            return 0;
        }
        return checked(dividend / divisor);
    }

    double sum(double a, double b) { return m_failure ? 0 : checked(a + b); }
    double difference(double a, double b) { return m_failure ? 0 : checked(a - b); }
    double product(double a, double b) { return m_failure ? 0 : checked(a * b); }

    const std::optional<Failure> &failure() const { return m_failure; }

    // The computed value, or the first failure met on the way to it.
    template <typename T> Outcome<T> outcome(const T &value) const
    {
        if (m_failure)
            return *m_failure;
        return value;
    }

private:
    // An undefined result (0/0) or one beyond the double range.
    double checked(double result)
    {
        if (!std::isfinite(result)) {
            m_failure = Failure::Overflow;
            return 0;
        }
        return result;
    }

    char m_separator;
    std::optional<Failure> m_failure;
};

} // namespace varelux
