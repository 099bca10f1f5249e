// Resistor sizing with a check after every read and every arithmetic step.
#include "core/sizing.h"

#include "core/number_text.h"

#include <cmath>
#include <optional>

namespace varelux {

namespace {

// Checked arithmetic that keeps the first failure: each step is a single IEEE operation (or a
// field read), checked at once. After the first failure every later step is skipped and yields
// 0, so the first failure is the one reported.
class CheckedArithmetic {
public:
    double read(std::string_view text)
    {
        if (m_failure)
            return 0;
        const Outcome<double> number = readNumber(text);
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

    double difference(double a, double b) { return m_failure ? 0 : checked(a - b); }
    double product(double a, double b) { return m_failure ? 0 : checked(a * b); }

    const std::optional<Failure> &failure() const { return m_failure; }

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

    std::optional<Failure> m_failure;
};

Outcome<Sizing> finish(const CheckedArithmetic &steps, const Sizing &sizing)
{
    if (steps.failure())
        return *steps.failure();
    return sizing;
}

} // namespace

Outcome<Sizing> sizeSingle(std::string_view supply, std::string_view ledVoltage,
                           std::string_view current)
{
    CheckedArithmetic steps;
    Sizing sizing;
    sizing.ledCurrent = steps.quotient(steps.read(current), kMilliPerUnit);
    sizing.resistorCurrent = sizing.ledCurrent;
    const double vs = steps.read(supply);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, vf);
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.ledCurrent);
    sizing.power =
        steps.product(steps.product(sizing.ledCurrent, sizing.resistorVoltage), kMilliPerUnit);
    return finish(steps, sizing);
}

Outcome<Sizing> sizeSeries(std::string_view supply, std::string_view ledVoltage,
                           std::string_view count, std::string_view current)
{
    CheckedArithmetic steps;
    Sizing sizing;
    sizing.ledCurrent = steps.quotient(steps.read(current), kMilliPerUnit);
    sizing.resistorCurrent = sizing.ledCurrent;
    const double vs = steps.read(supply);
    const double n = steps.read(count);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, steps.product(vf, n));
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.ledCurrent);
    sizing.power =
        steps.product(steps.product(sizing.ledCurrent, sizing.resistorVoltage), kMilliPerUnit);
    return finish(steps, sizing);
}

Outcome<Sizing> sizeParallel(std::string_view supply, std::string_view ledVoltage,
                             std::string_view count, std::string_view current)
{
    CheckedArithmetic steps;
    Sizing sizing;
    sizing.ledCurrent = steps.quotient(steps.read(current), kMilliPerUnit);
    const double n = steps.read(count);
    sizing.resistorCurrent = steps.product(n, sizing.ledCurrent);
    const double vs = steps.read(supply);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, vf);
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.resistorCurrent);
    sizing.power =
        steps.product(steps.product(sizing.resistorCurrent, sizing.resistorVoltage), kMilliPerUnit);
    return finish(steps, sizing);
}

} // namespace varelux
