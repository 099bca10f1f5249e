// The six reference windows that the main window's buttons open.
#pragma once

#include "core/circuit.h"

#include <optional>

namespace varelux {

// The wiring diagram of each circuit comes first, numbered as the circuits are
// (diagramWindow()), then the three tables.
enum class ReferenceId {
    LedVoltages = kCircuitCount, // typical forward voltage by LED colour
    StandardValues,              // the E12 table
    PowerRatings,                // the usual resistor power ratings
};
inline constexpr int kReferenceCount = int(ReferenceId::PowerRatings) + 1;

// The window that shows the circuit's wiring diagram.
constexpr ReferenceId diagramWindow(Circuit circuit)
{
    return ReferenceId(int(circuit));
}

// The circuit whose diagram the window shows; none for a table.
constexpr std::optional<Circuit> diagramShown(ReferenceId id)
{
    if (int(id) < kCircuitCount)
        return Circuit(int(id));
    return std::nullopt;
}

} // namespace varelux
