// The six reference windows, for the buttons that open them.
#pragma once

namespace varelux {

enum class ReferenceId {
    SingleDiagram,   // wiring of one LED behind its resistor
    SeriesDiagram,   // wiring of LEDs in series
    ParallelDiagram, // wiring of LEDs in parallel
    LedVoltages,     // typical forward voltage by LED colour
    StandardValues,  // the E12 table
    PowerRatings,    // the usual resistor power ratings
};
inline constexpr int kReferenceCount = 6;

} // namespace varelux
