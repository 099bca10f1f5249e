// The series of preferred numbers and their values.
#include "core/standard_values.h"

#include <iterator>

namespace varelux {

namespace {

constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                        140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                        196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                        274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                        383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                        536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                        750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
static_assert(std::size(kE24) == 24 && std::size(kE96) == 96);

double powerOfTen(int exponent)
{
    double power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

} // namespace

double StandardValue::ohms() const
{
    // Whole numbers times a power of ten are exact; below 1 ohm's significand, one division.
    if (exponent >= 0)
        return significand * powerOfTen(exponent);
    return significand / powerOfTen(-exponent);
}

StandardValue e12TableValue(int row, int column)
{
    return seriesValue(ESeries::E12,
                       (kE12FirstColumnDecade + column) * int(kE12Tenths.size()) + row);
}

std::span<const int> seriesNumbers(ESeries series)
{
    switch (series) {
    case ESeries::E12:
        return kE12Tenths;
    case ESeries::E24:
        return kE24;
    case ESeries::E96:
        break;
    }
    return kE96;
}

int seriesDigits(ESeries series)
{
    return series == ESeries::E96 ? 3 : 2;
}

int seriesLength(ESeries series)
{
    return int(seriesNumbers(series).size()) * kDecades;
}

StandardValue seriesValue(ESeries series, int index)
{
    const std::span<const int> numbers = seriesNumbers(series);
    const int perDecade = int(numbers.size());
    // In the first decade, 10^kLowestDecadeExponent ohm, the significand's digits all stand
    // after the comma but one, and kLowestDecadeExponent places further.
    return {numbers[std::size_t(index % perDecade)],
            index / perDecade - (seriesDigits(series) - 1) + kLowestDecadeExponent};
}

} // namespace varelux
