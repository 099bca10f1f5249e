// Resistor sizing with a check after every read and every arithmetic step.
#include "core/sizing.h"

#include "core/checked_arithmetic.h"

namespace varelux {

namespace {

// The circuit, with its typed values where every text reads exactly; a circuit with one LED
// gives no count.
ResistorCircuit circuitOf(double supply, double ledVoltage, double milliamps, double count,
                          bool countsSharing, std::string_view supplyText,
                          std::string_view ledVoltageText, std::string_view currentText,
                          std::string_view countText, char separator)
{
    ResistorCircuit circuit{supply, ledVoltage, milliamps, 1, 1, std::nullopt};
    (countsSharing ? circuit.sharing : circuit.inSeries) = count;
    const auto typedSupply = ExactDecimal::read(supplyText, separator);
    const auto typedLed = ExactDecimal::read(ledVoltageText, separator);
    const auto typedCurrent = ExactDecimal::read(currentText, separator);
    const auto typedCount = countText.empty() ? std::optional(ExactDecimal(1))
                                              : ExactDecimal::read(countText, separator);
    if (typedSupply && typedLed && typedCurrent && typedCount) {
        circuit.typed = ResistorCircuit::Typed{*typedSupply, *typedLed, *typedCurrent};
        (countsSharing ? circuit.typed->sharing : circuit.typed->inSeries) = *typedCount;
    }
    return circuit;
}

} // namespace

Outcome<Sizing> sizeSingle(std::string_view supply, std::string_view ledVoltage,
                           std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
    Sizing sizing;
    const double milliamps = steps.read(current);
    sizing.ledCurrent = steps.quotient(milliamps, kMilliPerUnit);
    sizing.resistorCurrent = sizing.ledCurrent;
    const double vs = steps.read(supply);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, vf);
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.ledCurrent);
    sizing.power =
        steps.product(steps.product(sizing.ledCurrent, sizing.resistorVoltage), kMilliPerUnit);
    sizing.circuit =
        circuitOf(vs, vf, milliamps, 1, false, supply, ledVoltage, current, {}, separator);
    return steps.outcome(sizing);
}

Outcome<Sizing> sizeSeries(std::string_view supply, std::string_view ledVoltage,
                           std::string_view count, std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
    Sizing sizing;
    const double milliamps = steps.read(current);
    sizing.ledCurrent = steps.quotient(milliamps, kMilliPerUnit);
    sizing.resistorCurrent = sizing.ledCurrent;
    const double vs = steps.read(supply);
    const double n = steps.read(count);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, steps.product(vf, n));
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.ledCurrent);
    sizing.power =
        steps.product(steps.product(sizing.ledCurrent, sizing.resistorVoltage), kMilliPerUnit);
    sizing.circuit =
        circuitOf(vs, vf, milliamps, n, false, supply, ledVoltage, current, count, separator);
    return steps.outcome(sizing);
}

Outcome<Sizing> sizeParallel(std::string_view supply, std::string_view ledVoltage,
                             std::string_view count, std::string_view current, char separator)
{
    CheckedArithmetic steps(separator);
    Sizing sizing;
    const double milliamps = steps.read(current);
    sizing.ledCurrent = steps.quotient(milliamps, kMilliPerUnit);
    const double n = steps.read(count);
    sizing.resistorCurrent = steps.product(n, sizing.ledCurrent);
    const double vs = steps.read(supply);
    const double vf = steps.read(ledVoltage);
    sizing.resistorVoltage = steps.difference(vs, vf);
    sizing.resistance = steps.quotient(sizing.resistorVoltage, sizing.resistorCurrent);
    sizing.power =
        steps.product(steps.product(sizing.resistorCurrent, sizing.resistorVoltage), kMilliPerUnit);
    sizing.circuit =
        circuitOf(vs, vf, milliamps, n, true, supply, ledVoltage, current, count, separator);
    return steps.outcome(sizing);
}

} // namespace varelux
