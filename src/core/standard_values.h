// The standard tables the reference windows show, as numbers: the E12 resistor series over seven
// decades, and the usual resistor power ratings.
#pragma once

#include <array>

namespace varelux {

// The twelve E12 preferred numbers, in tenths: 1,0 1,2 1,5 ... 8,2.
inline constexpr std::array<int, 12> kE12Tenths{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

// The table spans seven decades: columns 0 to 5 hold the number times 1 to 100 000 ohm,
// column 6 the number itself in megaohm.
inline constexpr int kE12Columns = 7;

// Value of one cell in ohm, row 0..11, column 0..6: 1.0 to 8.2 in column 0, 1 000 000 to 8 200 000
// in column 6.
double e12Ohms(int row, int column);

// The usual resistor power ratings, in mW, smallest first.
inline constexpr std::array<int, 10> kPowerRatingsMilliwatts{125,  250,  500,   1000,  2000,
                                                             3000, 5000, 10000, 20000, 30000};

} // namespace varelux
