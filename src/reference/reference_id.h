// The windows that the main window's buttons open: the six reference windows, and the LED array
// planner.
#pragma once

#include "core/circuit.h"

#include <optional>

namespace varelux {

// The wiring diagram of each circuit comes first, numbered as the circuits are
// (diagramWindow()), then the three tables, then the planner.
enum class ReferenceId {
    LedVoltages = kCircuitCount, // typical forward voltage by LED colour
    StandardValues,              // the E12 table
    PowerRatings,                // the usual resistor power ratings
    LedArray,                    // the LED array planner, which the main window builds
};
// The reference windows, built from their layouts (reference_layouts.h): every id before
// LedArray.
inline constexpr int kReferenceCount = int(ReferenceId::PowerRatings) + 1;
// Every window the registry of open windows keeps (open_references.h), the planner included.
inline constexpr int kOpenableCount = int(ReferenceId::LedArray) + 1;

// The window that shows the circuit's wiring diagram.
constexpr ReferenceId diagramWindow(Circuit circuit)
{
    return ReferenceId(int(circuit));
}

// The circuit whose diagram the window shows; none for a table or the planner.
constexpr std::optional<Circuit> diagramShown(ReferenceId id)
{
    if (int(id) < kCircuitCount)
        return Circuit(int(id));
    return std::nullopt;
}

} // namespace varelux
