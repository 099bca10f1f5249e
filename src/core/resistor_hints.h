// Which resistor to buy for a computed one: the nearest E12 values, with the LED current each
// would give, and a power rating with a safety margin.
#pragma once

#include "core/sizing.h"

#include <string>

namespace varelux {

// A resistor is rated for at least this many times the power it dissipates.
inline constexpr double kRatingMargin = 2.0;
// LED currents in the hints are rounded to this many significant digits.
inline constexpr int kHintCurrentDigits = 3;

// Hint lines in Italian; a line is empty when there is nothing to say.
struct ResistorHints {
    // "Valori standard E12: 470 ohm (21,3 mA) · 560 ohm (17,9 mA)": the nearest values of the
    // E12 table below and above, or only the one the resistance shows as; none outside the table
    // (1 ohm to 8,2 megaohm). Each with the current of one LED it would give, in mA.
    // For a resistance of 0 or below, a line saying the supply is too low instead.
    std::string standardValues;
    // "Resistore consigliato: 1/2 W": the smallest usual rating of at least kRatingMargin times
    // the power. Empty when even 30 W is not enough, and for a resistance of 0 or below.
    std::string rating;
};

// From a successful sizing: resistance in ohm, power in mW, the current of one LED in A.
// Values are compared as the results show them (15 significant digits), so a resistance shown
// as 470 is the standard 470 ohm even when the double is 469.99999999999994.
// A standard value R' changes the current in proportion, ledCurrent * resistance / R', since the
// voltage across the resistor stays that of the supply less the LEDs'.
ResistorHints resistorHints(double resistance, double power, double ledCurrent);

inline ResistorHints resistorHints(const SeriesRecord &record)
{
    return resistorHints(record.resistance, record.power, record.current);
}

inline ResistorHints resistorHints(const ParallelRecord &record)
{
    return resistorHints(record.resistance, record.power, record.currentPerLed);
}

} // namespace varelux
