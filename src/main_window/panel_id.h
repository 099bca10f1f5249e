// The three panels of the main window, each sizing the resistor of one kind of circuit.
#pragma once

namespace varelux {

enum class PanelId {
    Single,   // one LED
    Series,   // LEDs in series behind one resistor
    Parallel, // LEDs in parallel behind one resistor
};
inline constexpr int kPanelCount = 3;

} // namespace varelux
