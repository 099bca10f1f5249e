// Resistor sizing with a check after every read and every arithmetic step.
#include "core/sizing.h"

#include "core/checked_arithmetic.h"

namespace varelux {

Outcome<Sizing> sizeSingle(std::string_view supply, std::string_view ledVoltage,
                           std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
    Sizing sizing;
    sizing.ledCurrent = steps.quotient(steps.read(current), kMilliPerUnit);
    sizing.resistorCurrent = sizing.ledCurrent;
    const double vs = steps.read(supply);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, vf);
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.ledCurrent);
    sizing.power =
        steps.product(steps.product(sizing.ledCurrent, sizing.resistorVoltage), kMilliPerUnit);
    return steps.outcome(sizing);
}

Outcome<Sizing> sizeSeries(std::string_view supply, std::string_view ledVoltage,
                           std::string_view count, std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
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
    return steps.outcome(sizing);
}

Outcome<Sizing> sizeParallel(std::string_view supply, std::string_view ledVoltage,
                             std::string_view count, std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
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
    return steps.outcome(sizing);
}

} // namespace varelux
