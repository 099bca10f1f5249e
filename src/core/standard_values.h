// The standard tables the windows show, as numbers: the preferred-number series of resistor
// values (E12, E24, E96) from 0,1 ohm through the 10-megaohm decade, and the usual resistor power
// ratings.
#pragma once

#include <array>
#include <span>

namespace varelux {

// The series of preferred numbers a resistor value is chosen from: 12, 24 or 96 numbers per
// decade, the first two with two significant digits and a tolerance of 5 %, E96 with three
// digits and 1 %.
enum class ESeries { E12, E24, E96 };
inline constexpr int kESeriesCount = int(ESeries::E96) + 1;

// The twelve E12 preferred numbers, in tenths: 1,0 1,2 1,5 ... 8,2.
inline constexpr std::array<int, 12> kE12Tenths{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

// Every series spans nine decades: from 0,1 ohm (power LEDs want resistors below 1 ohm) through
// the 10-megaohm decade.
inline constexpr int kDecades = 9;
// The exponent of the lowest decade: its first value is 10^-1 ohm.
inline constexpr int kLowestDecadeExponent = -1;

// The E12 table window shows seven of them, from 1 ohm (its first column) to the megaohm decade
// (its last).
inline constexpr int kE12Columns = 7;
inline constexpr int kE12FirstColumnDecade = 0 - kLowestDecadeExponent;

// A standard value: significand * 10^exponent ohm, the significand one of its series' numbers
// (2 or 3 digits). 1 ohm is 10 * 10^-1 in E12 and 100 * 10^-2 in E96; 0,1 ohm is 10 * 10^-2 and
// 100 * 10^-3.
struct StandardValue {
    int significand = 0;
    int exponent = 0;

    // Exact for whole ohms; below, one correctly rounded division.
    double ohms() const;
    friend bool operator==(const StandardValue &, const StandardValue &) = default;
};

// The series' numbers in one decade, ascending, with as many digits as the series has:
// 10 12 15 ... 82 (E12), 10 11 12 ... 91 (E24), 100 102 105 ... 976 (E96).
std::span<const int> seriesNumbers(ESeries series);
int seriesDigits(ESeries series);

// The series' values from 0,1 ohm up to the top of the 10-megaohm decade, ascending: index 0 is
// 0,1 ohm, the last is 82 (E12), 91 (E24) or 97,6 (E96) megaohm.
int seriesLength(ESeries series);
StandardValue seriesValue(ESeries series, int index);

// The value in a cell of the E12 table window: row 0..11 (1,0 to 8,2), column 0..6 (1 ohm to
// 1 megaohm times the row's number).
StandardValue e12TableValue(int row, int column);

// The usual resistor power ratings, in mW, smallest first.
inline constexpr std::array<int, 10> kPowerRatingsMilliwatts{125,  250,  500,   1000,  2000,
                                                             3000, 5000, 10000, 20000, 30000};

} // namespace varelux
