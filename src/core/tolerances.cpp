// Reading a tolerance, and the resistors' own.
#include "core/tolerances.h"

namespace varelux {

std::optional<ExactDecimal> readTolerance(std::string_view text, char separator)
{
    const std::optional<ExactDecimal> percent = ExactDecimal::read(text, separator);
    if (!percent || *percent > ExactDecimal(kMaxTolerancePercent))
        return std::nullopt;
    return percent;
}

int resistorTolerancePercent(ESeries series)
{
    return series == ESeries::E96 ? 1 : 5;
}

} // namespace varelux
