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

template <typename Record>
Outcome<Record> finish(const CheckedArithmetic &steps, const Record &record)
{
    if (steps.failure())
        return *steps.failure();
    return record;
}

} // namespace

Outcome<SeriesRecord> sizeSingle(std::string_view supply, std::string_view ledVoltage,
                                 std::string_view current)
{
    CheckedArithmetic s;
    SeriesRecord r;
    r.current = s.quotient(s.read(current), kMilliPerUnit);
    const double vs = s.read(supply);
    const double vf = s.read(ledVoltage);
    r.resistorVoltage = s.difference(vs, vf);
    r.resistance = s.quotient(r.resistorVoltage, r.current);
    r.power = s.product(s.product(r.current, r.resistorVoltage), kMilliPerUnit);
    return finish(s, r);
}

Outcome<SeriesRecord> sizeSeries(std::string_view supply, std::string_view ledVoltage,
                                 std::string_view count, std::string_view current)
{
    CheckedArithmetic s;
    SeriesRecord r;
    r.current = s.quotient(s.read(current), kMilliPerUnit);
    const double vs = s.read(supply);
    const double n = s.read(count);
    const double vf = s.read(ledVoltage);
    r.resistorVoltage = s.difference(vs, s.product(vf, n));
    r.resistance = s.quotient(r.resistorVoltage, r.current);
    r.power = s.product(s.product(r.current, r.resistorVoltage), kMilliPerUnit);
    return finish(s, r);
}

Outcome<ParallelRecord> sizeParallel(std::string_view supply, std::string_view ledVoltage,
                                     std::string_view count, std::string_view current)
{
    CheckedArithmetic s;
    ParallelRecord r;
    r.currentPerLed = s.quotient(s.read(current), kMilliPerUnit);
    const double n = s.read(count);
    r.totalCurrent = s.product(n, r.currentPerLed);
    const double vs = s.read(supply);
    const double vf = s.read(ledVoltage);
    r.resistorVoltage = s.difference(vs, vf);
    r.resistance = s.quotient(r.resistorVoltage, r.totalCurrent);
    r.power = s.product(s.product(r.totalCurrent, r.resistorVoltage), kMilliPerUnit);
    return finish(s, r);
}

} // namespace varelux
