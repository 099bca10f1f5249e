// How far real parts stray from their nominal values. A regulated supply gives its voltage within
// a few percent, LEDs of one type spread in forward voltage, and a resistor is within the
// tolerance its last band prints. The first two are the user's to set; the resistor's follows
// from the series chosen.
#pragma once

#include "core/exact_decimal.h"
#include "core/standard_values.h"

#include <optional>
#include <string_view>

namespace varelux {

// Plus or minus this many percent of the nominal value, as typed.
struct Tolerances {
    ExactDecimal supplyPercent{kDefaultSupplyPercent};
    ExactDecimal ledVoltagePercent{kDefaultLedVoltagePercent};

    // A regulated adaptor or a USB port; an LED's spread around its typical forward voltage.
    static constexpr int kDefaultSupplyPercent = 5;
    static constexpr int kDefaultLedVoltagePercent = 10;
};

// The most a tolerance may be set to, in percent.
inline constexpr int kMaxTolerancePercent = 50;

// A tolerance field's text: a decimal number from 0 to kMaxTolerancePercent, with the separator
// given. None for an empty or unreadable text, or one out of that range.
std::optional<ExactDecimal> readTolerance(std::string_view text, char separator);

// The tolerance of a resistor of the series, as its tolerance band prints it: 5 % (gold) for
// E12 and E24, 1 % (brown) for E96.
int resistorTolerancePercent(ESeries series);

} // namespace varelux
