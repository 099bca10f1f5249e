// Values of the E12 table.
#include "core/standard_values.h"

namespace varelux {

double e12Ohms(int row, int column)
{
    // Whole tenths times a power of ten, so every product is exact and only column 0 rounds.
    double tenthsOfOhm = kE12Tenths.at(static_cast<std::size_t>(row));
    for (int decade = 0; decade < column; ++decade)
        tenthsOfOhm *= 10;
    return tenthsOfOhm / 10;
}

} // namespace varelux
