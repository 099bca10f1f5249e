// Which resistor to buy for a computed one: the nearest values of a standard series, with the
// LED current each would give, and a power rating with a safety margin.
#pragma once

#include "core/sizing.h"
#include "core/standard_values.h"

#include <optional>
#include <vector>

namespace varelux {

// A resistor is rated for at least this many times the power it dissipates.
inline constexpr double kRatingMargin = 2.0;

// One value of the series and the current of one LED it would give.
struct StandardResistor {
    StandardValue value;
    double ohms = 0;
    double ledMilliamps = 0;
};

// Where a resistance lies against the series' values.
enum class SeriesReach {
    Within,      // between its lowest and highest value, or shown as one of them
    BelowSeries, // below 0,1 ohm: the lowest value is the one neighbour
    AboveSeries, // above 82, 91 or 97,6 megaohm: the highest value is the one neighbour
};

struct ResistorHints {
    // The resistance is 0 or below: the supply does not exceed the LEDs' voltage, and there is
    // nothing to buy. Then the other members are empty.
    bool supplyNotAboveLeds = false;
    // The nearest values of the series below and above, smallest first; only one when the
    // resistance shows as a value of the series, or lies beyond either end of the series.
    std::vector<StandardResistor> nearest;
    SeriesReach reach = SeriesReach::Within;
    // The smallest usual rating of at least kRatingMargin times the power; none above 30 W.
    std::optional<int> ratingMilliwatts;
};

// From a successful sizing: resistance in ohm, power in mW, the current of one LED in A.
// Values are compared as the results show them (roundedAsShown), so a resistance shown as 470
// is the standard 470 ohm even when the double is 469.99999999999994.
// A standard value R' changes the current in proportion, ledCurrent * resistance / R', since the
// voltage across the resistor stays that of the supply less the LEDs'.
ResistorHints resistorHints(double resistance, double power, double ledCurrent, ESeries series);

inline ResistorHints resistorHints(const Sizing &sizing, ESeries series)
{
    return resistorHints(sizing.resistance, sizing.power, sizing.ledCurrent, series);
}

// LEDs in parallel behind one resistor share its current unevenly, as their forward voltages
// differ; a resistor in each LED's branch is the safer wiring. That resistor carries the current
// of one LED: (supply - LED voltage) / LED current, and dissipates LED current * that voltage.
struct BranchResistor {
    double resistance = 0; // ohm
    double power = 0;      // mW
    ResistorHints hints;
};

// The branch resistor of a successful parallel sizing; none when the supply does not exceed
// the LED voltage or the values leave the double range.
std::optional<BranchResistor> branchResistor(const Sizing &sizing, ESeries series);

} // namespace varelux
