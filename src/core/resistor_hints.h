// Which resistor to buy for a computed one: the nearest E12 values, with the LED current each
// would give, and a power rating with a safety margin.
#pragma once

#include "core/sizing.h"

#include <optional>
#include <vector>

namespace varelux {

// A resistor is rated for at least this many times the power it dissipates.
inline constexpr double kRatingMargin = 2.0;

// One value of the E12 table, by its cell, and the current of one LED it would give.
struct StandardResistor {
    int row = 0; // as in e12Ohms()
    int column = 0;
    double ohms = 0;
    double ledMilliamps = 0;
};

struct ResistorHints {
    // The resistance is 0 or below: the supply does not exceed the LEDs' voltage, and there is
    // nothing to buy. Then the other members are empty.
    bool supplyNotAboveLeds = false;
    // The nearest E12 values below and above, smallest first; only one when the resistance shows
    // as a standard value; none outside the table (1 ohm to 8,2 megaohm).
    std::vector<StandardResistor> nearest;
    // The smallest usual rating of at least kRatingMargin times the power; none above 30 W.
    std::optional<int> ratingMilliwatts;
};

// From a successful sizing: resistance in ohm, power in mW, the current of one LED in A.
// Values are compared as the results show them (roundedAsShown), so a resistance shown as 470
// is the standard 470 ohm even when the double is 469.99999999999994.
// A standard value R' changes the current in proportion, ledCurrent * resistance / R', since the
// voltage across the resistor stays that of the supply less the LEDs'.
ResistorHints resistorHints(double resistance, double power, double ledCurrent);

inline ResistorHints resistorHints(const Sizing &sizing)
{
    return resistorHints(sizing.resistance, sizing.power, sizing.ledCurrent);
}

} // namespace varelux
