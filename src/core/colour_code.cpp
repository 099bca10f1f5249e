// Digits, multiplier and tolerance as colours.
#include "core/colour_code.h"

namespace varelux {

namespace {

BandColour digitColour(int digit)
{
    return BandColour(digit);
}

BandColour multiplierColour(int exponent)
{
    if (exponent == -1)
        return BandColour::Gold;
    if (exponent == -2)
        return BandColour::Silver;
    if (exponent == -3)
        return BandColour::Pink;
    return digitColour(exponent);
}

} // namespace

std::vector<BandColour> colourBands(StandardValue value, ESeries series)
{
    const int digits = seriesDigits(series);
    std::vector<BandColour> bands(static_cast<std::size_t>(digits));
    int rest = value.significand;
    for (int i = digits - 1; i >= 0; --i) {
        bands[std::size_t(i)] = digitColour(rest % 10);
        rest /= 10;
    }
    bands.push_back(multiplierColour(value.exponent));
    bands.push_back(series == ESeries::E96 ? BandColour::Brown : BandColour::Gold);
    return bands;
}

} // namespace varelux
