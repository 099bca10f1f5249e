// The colour bands printed on a resistor for its value, as IEC 60062 gives them.
#pragma once

#include "core/standard_values.h"

#include <vector>

namespace varelux {

// Black to white stand for the digits 0 to 9, in this order; as a multiplier they stand for
// 10^0 to 10^9, gold for 10^-1, silver for 10^-2 and pink for 10^-3 (IEC 60062:2016, for values
// below 1 ohm with three digits). As a tolerance, brown is 1 % and gold 5 %.
enum class BandColour {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Gold,
    Silver,
    Pink
};
inline constexpr int kBandColourCount = int(BandColour::Pink) + 1;

// The bands of a value of the series, from the first to the tolerance band: its significant
// digits (two for E12 and E24, three for E96), the multiplier, then gold (5 %, E12 and E24) or
// brown (1 %, E96). So 470 ohm in E12 is yellow, violet, brown, gold, 0,56 ohm green, blue,
// silver, gold, and 0,100 ohm in E96 brown, black, black, pink, brown. The value's exponent lies
// in -3..9, as every value of the series tables does.
std::vector<BandColour> colourBands(StandardValue value, ESeries series);

} // namespace varelux
