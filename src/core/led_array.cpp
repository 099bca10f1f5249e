// Planning strings of LEDs on one supply, with a check after every read and arithmetic step.
#include "core/led_array.h"

#include "core/checked_arithmetic.h"
#include "core/number_text.h"
#include "core/sizing.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace varelux {

namespace {

// Whether a string of k LEDs keeps the margin on its resistor, k * LED voltage + margin <=
// supply: on the typed values where every one reads exactly, otherwise on the doubles as they
// show.
class MarginRule {
public:
    MarginRule(const ArrayFields &fields, double supply, double ledVoltage, double margin)
        : m_supply(supply), m_ledVoltage(ledVoltage), m_margin(roundedAsShown(margin))
    {
        const auto typedSupply = ExactDecimal::read(fields.supply, fields.separator);
        const auto typedLed = ExactDecimal::read(fields.ledVoltage, fields.separator);
        auto typedMargin = ExactDecimal::read(fields.margin, fields.separator);
        // An empty margin is exactly a tenth of the typed supply.
        if (fields.margin.empty() && typedSupply)
            typedMargin = *typedSupply * ExactDecimal(1, -1);
        if (typedSupply && typedLed && typedMargin)
            m_exact = Exact{*typedSupply, *typedLed, *typedMargin};
    }

    // The supply is above the margin: a string of no LEDs keeps it.
    bool supplyAboveMargin() const
    {
        if (m_exact)
            return m_exact->supply > m_exact->margin;
        return roundedAsShown(m_supply) > m_margin;
    }

    bool keeps(std::uint64_t leds) const
    {
        if (m_exact)
            return ExactDecimal(leds) * m_exact->ledVoltage + m_exact->margin <= m_exact->supply;
        // A product beyond the double range leaves -Inf, which keeps nothing.
        const double resistorVoltage = m_supply - static_cast<double>(leds) * m_ledVoltage;
        return std::isfinite(resistorVoltage) && roundedAsShown(resistorVoltage) >= m_margin;
    }

private:
    struct Exact {
        ExactDecimal supply, ledVoltage, margin;
    };
    double m_supply, m_ledVoltage, m_margin;
    std::optional<Exact> m_exact;
};

// The most LEDs, up to count, that a string can take and keep the margin on its resistor; a
// string of none keeps it. The doubles' (supply - margin) / LED voltage is off by a rounding at
// most, so that guess is tried first; where it is no answer, halving [0, count] finds the last k
// that keeps the margin in at most 50 steps for a count up to kMaxLedCount, since whether k LEDs
// keep it only gets false as k grows.
std::uint64_t mostLedsPerString(const MarginRule &rule, std::uint64_t count, double guess)
{
    if (guess >= 0 && guess < static_cast<double>(count)) {
        const auto near = static_cast<std::uint64_t>(guess);
        if (rule.keeps(near) && !rule.keeps(near + 1))
            return near;
    }
    if (rule.keeps(count))
        return count;
    std::uint64_t keeps = 0, fails = count;
    while (fails - keeps > 1) {
        const std::uint64_t middle = keeps + (fails - keeps) / 2;
        (rule.keeps(middle) ? keeps : fails) = middle;
    }
    return keeps;
}

StringKind stringKind(CheckedArithmetic &steps, std::uint64_t leds, std::uint64_t strings,
                      double supply, double ledVoltage, double ledCurrent)
{
    StringKind kind;
    kind.leds = static_cast<double>(leds);
    kind.strings = static_cast<double>(strings);
    kind.resistorVoltage = steps.difference(supply, steps.product(ledVoltage, kind.leds));
    kind.resistance = steps.quotient(kind.resistorVoltage, ledCurrent);
    kind.power = steps.product(steps.product(ledCurrent, kind.resistorVoltage), kMilliPerUnit);
    return kind;
}

} // namespace

Outcome<ArrayPlan> planLedArray(const ArrayFields &fields)
{
    CheckedArithmetic steps(fields.separator);
    ArrayPlan plan;
    const double current = steps.read(fields.current); // mA
    plan.ledCurrent = steps.quotient(current, kMilliPerUnit);
    const double supply = steps.read(fields.supply);
    const double ledVoltage = steps.read(fields.ledVoltage);
    const double count = steps.read(fields.count);
    plan.circuit = ResistorCircuit{supply, ledVoltage, current, 1, 1, std::nullopt};
    if (const auto typedSupply = ExactDecimal::read(fields.supply, fields.separator),
        typedLed = ExactDecimal::read(fields.ledVoltage, fields.separator),
        typedCurrent = ExactDecimal::read(fields.current, fields.separator);
        typedSupply && typedLed && typedCurrent)
        plan.circuit.typed = ResistorCircuit::Typed{*typedSupply, *typedLed, *typedCurrent};
    plan.margin = fields.margin.empty() ? steps.quotient(supply, kDefaultMarginDivisor)
                                        : steps.read(fields.margin);
    if (steps.failure())
        return *steps.failure();
    // Every string's resistor divides by it; a current that underflows to 0 A counts too.
    if (plan.ledCurrent == 0)
        return Failure::DivisionByZero;

    auto verdict = [&plan](ArrayVerdict v) {
        plan.verdict = v;
        return plan;
    };
    if (count == 0)
        return verdict(ArrayVerdict::NoLeds);
    if (count != std::floor(count))
        return verdict(ArrayVerdict::CountNotWhole);
    if (count > kMaxLedCount)
        return verdict(ArrayVerdict::TooManyLeds);
    const MarginRule rule(fields, supply, ledVoltage, plan.margin);
    if (!rule.supplyAboveMargin())
        return verdict(ArrayVerdict::NoLedFits);
    if (plan.margin == 0)
        return verdict(ArrayVerdict::ZeroMargin);

    // Whole and within kMaxLedCount, so exact as an integer.
    const auto leds = static_cast<std::uint64_t>(count);
    const std::uint64_t perString =
        mostLedsPerString(rule, leds, std::floor((supply - plan.margin) / ledVoltage));
    if (perString == 0)
        return verdict(ArrayVerdict::NoLedFits);

    const std::uint64_t fullStrings = leds / perString, left = leds % perString;
    plan.full = stringKind(steps, perString, fullStrings, supply, ledVoltage, plan.ledCurrent);
    double remainderPower = 0;
    if (left > 0) {
        plan.remainder = stringKind(steps, left, 1, supply, ledVoltage, plan.ledCurrent);
        remainderPower = plan.remainder->power;
    }
    plan.strings = static_cast<double>(fullStrings + (left > 0 ? 1 : 0));
    plan.supplyCurrent = steps.product(plan.strings, current);
    plan.supplyPower = steps.product(supply, plan.supplyCurrent);
    plan.ledPower = steps.product(steps.product(count, ledVoltage), current);
    plan.resistorPower =
        steps.sum(steps.product(plan.full.strings, plan.full.power), remainderPower);
    plan.efficiency = steps.quotient(plan.ledPower, plan.supplyPower);
    return steps.outcome(plan);
}

ResistorCircuit stringCircuit(const ArrayPlan &plan, const StringKind &kind)
{
    ResistorCircuit circuit = plan.circuit;
    circuit.inSeries = kind.leds;
    if (circuit.typed)
        circuit.typed->inSeries = ExactDecimal(static_cast<std::uint64_t>(kind.leds));
    return circuit;
}

} // namespace varelux
