// Planning strings of LEDs on one supply, with a check after every read and arithmetic step.
#include "core/led_array.h"

#include "core/checked_arithmetic.h"
#include "core/number_text.h"
#include "core/sizing.h"

#include <cmath>
#include <cstdint>

namespace varelux {

namespace {

// The most LEDs, up to count, that a string can take and keep the margin on its resistor. The
// supply shows above the margin, so a string of none keeps it. Whether k LEDs keep it only
// gets false as k grows (every step rounds monotonically), so halving [0, count] finds the
// last k that does in at most 50 steps for a count up to kMaxLedCount.
std::uint64_t mostLedsPerString(double supply, double ledVoltage, double margin,
                                std::uint64_t count)
{
    const double marginShown = roundedAsShown(margin);
    auto keepsMargin = [&](std::uint64_t leds) {
        // A product beyond the double range leaves -Inf, which keeps nothing.
        const double resistorVoltage = supply - static_cast<double>(leds) * ledVoltage;
        return std::isfinite(resistorVoltage) && roundedAsShown(resistorVoltage) >= marginShown;
    };
    if (keepsMargin(count))
        return count;
    std::uint64_t keeps = 0, fails = count;
    while (fails - keeps > 1) {
        const std::uint64_t middle = keeps + (fails - keeps) / 2;
        (keepsMargin(middle) ? keeps : fails) = middle;
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
    if (roundedAsShown(supply) <= roundedAsShown(plan.margin))
        return verdict(ArrayVerdict::NoLedFits);
    if (plan.margin == 0)
        return verdict(ArrayVerdict::ZeroMargin);

    // Whole and within kMaxLedCount, so exact as an integer.
    const auto leds = static_cast<std::uint64_t>(count);
    const std::uint64_t perString = mostLedsPerString(supply, ledVoltage, plan.margin, leds);
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

} // namespace varelux
