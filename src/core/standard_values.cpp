// Cell texts of the E12 table.
#include "core/standard_values.h"

#include "core/number_text.h"

namespace varelux {

namespace {

// Digits grouped by three from the right with a full stop: 1000 -> "1.000".
std::string grouped(long value)
{
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

std::string oneDecimal(int tenths)
{
    return std::to_string(tenths / 10) + kDecimalSeparator + std::to_string(tenths % 10);
}

} // namespace

std::string e12CellText(int row, int column)
{
    const int tenths = kE12Tenths.at(static_cast<std::size_t>(row));
    if (column == 0)
        return oneDecimal(tenths) + " ohm";
    if (column == kE12Columns - 1)
        return oneDecimal(tenths) + " megaohm";
    return grouped(static_cast<long>(e12Ohms(row, column))) + " ohm";
}

double e12Ohms(int row, int column)
{
    // Whole tenths times a power of ten, so every product is exact and only column 0 rounds.
    double tenthsOfOhm = kE12Tenths.at(static_cast<std::size_t>(row));
    for (int decade = 0; decade < column; ++decade)
        tenthsOfOhm *= 10;
    return tenthsOfOhm / 10;
}

} // namespace varelux
