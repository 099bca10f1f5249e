// Which resistor to buy for a computed one: the nearest values of a standard series, with the
// LED current each would give, nominally and at the ends of the parts' tolerances, and a power
// rating with a safety margin that covers the worst case.
#pragma once

#include "core/sizing.h"
#include "core/standard_values.h"
#include "core/tolerances.h"

#include <optional>
#include <vector>

namespace varelux {

// A resistor is rated for at least this many times the power it dissipates.
inline constexpr double kRatingMargin = 2.0;
// A current above this many times the one the LEDs were sized for may overdrive them.
inline constexpr double kOverdriveFactor = 1.5;

// One value of the series and the current of one LED it would give.
struct StandardResistor {
    StandardValue value;
    double ohms = 0;
    double ledMilliamps = 0; // with every part at its nominal value
    // At the ends of the tolerances, in mA, never below 0: the lowest with the supply low, the
    // LEDs' voltage high and the resistor high, the highest the other way round. Per LED:
    // (supply x (1 - s) - LEDs x LED voltage x (1 + v)) / (R x (1 + r)) / branches sharing R, and
    // (supply x (1 + s) - LEDs x LED voltage x (1 - v)) / (R x (1 - r)) / branches.
    double lowestMilliamps = 0, highestMilliamps = 0;
    bool mayStayDark = false;  // the lowest is 0 (or would be below)
    bool mayOverdrive = false; // the highest is above kOverdriveFactor times the nominal current
};

// Where a resistance lies against the series' values.
enum class SeriesReach {
    Within,      // between its lowest and highest value, or one of them
    BelowSeries, // below 0,1 ohm: the lowest value is the one neighbour
    AboveSeries, // above 82, 91 or 97,6 megaohm: the highest value is the one neighbour
};

struct ResistorHints {
    // The supply does not exceed the LEDs' voltage, and there is nothing to buy. Then the other
    // members are empty.
    bool supplyNotAboveLeds = false;
    // The nearest values of the series below and above, smallest first; only one when the
    // resistance is a value of the series, or lies beyond either end of the series.
    std::vector<StandardResistor> nearest;
    SeriesReach reach = SeriesReach::Within;
    // The smallest usual rating of at least kRatingMargin times the highest power any of the
    // nearest values may dissipate within the tolerances: (highest current through it)^2 x
    // R x (1 - r). None above 30 W.
    std::optional<int> ratingMilliwatts;
};

// The hints for a resistance computed (in ohm) for circuit, in the series given and with the
// supply's and LEDs' tolerances given; the resistor's is the series' (tolerances.h). Where the
// circuit's fields read exactly (ResistorCircuit::typed), every comparison that a tie could
// decide is made on the typed values: whether the supply exceeds the LEDs' voltage, the order of
// the resistance and a standard value, whether the LEDs may stay dark or be overdriven, and the
// rating. Otherwise values are compared as the results show them (roundedAsShown), so that a
// resistance shown as 470 is the standard 470 ohm.
ResistorHints resistorHints(const ResistorCircuit &circuit, double resistance, ESeries series,
                            const Tolerances &tolerances);

inline ResistorHints resistorHints(const Sizing &sizing, ESeries series,
                                   const Tolerances &tolerances)
{
    return resistorHints(sizing.circuit, sizing.resistance, series, tolerances);
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
std::optional<BranchResistor> branchResistor(const Sizing &sizing, ESeries series,
                                             const Tolerances &tolerances);

} // namespace varelux
