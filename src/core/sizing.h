// The three resistor sizings (single LED, LEDs in series, LEDs in parallel): field texts in,
// the computed values out, or the first failure met.
#pragma once

#include "core/exact_decimal.h"
#include "core/outcome.h"

#include <optional>
#include <string_view>

namespace varelux {

// Milli-units in one unit ("milli" is 10^-3): a current in mA divided by it is in A, a power in
// W multiplied by it is in mW.
inline constexpr double kMilliPerUnit = 1000.0;

// The circuit around a resistor: the supply, the LEDs' forward voltage and current, how many LEDs
// stand in series behind it and how many parallel branches of them share it. As the doubles the
// sizing computes with, and as typed where every field reads exactly (exact_decimal.h), so that
// the hints decide their ties on the typed values.
struct ResistorCircuit {
    double supply = 0, ledVoltage = 0; // V
    double ledMilliamps = 0;           // mA through each LED
    double inSeries = 1, sharing = 1;

    struct Typed {
        ExactDecimal supply, ledVoltage, ledMilliamps, inSeries{1}, sharing{1};
    };
    std::optional<Typed> typed;
};

// What a sizing computes. The single-LED and series sizings compute the LED current, the
// resistor voltage, the resistance and the power in this order, and one current flows through
// the LEDs and the resistor alike; the parallel sizing computes the resistor's current (the
// count times the LED current) after the LED current.
struct Sizing {
    double ledCurrent = 0;      // A through each LED
    double resistorCurrent = 0; // A through the resistor
    double resistorVoltage = 0; // V across the series resistor
    double resistance = 0;      // ohm
    double power = 0;           // mW
    ResistorCircuit circuit;    // what it was sized from
};

// Fields are read in a fixed order and every arithmetic step is checked at once: a NaN or a
// result beyond the double range is Failure::Overflow, a non-zero number divided by zero is
// Failure::DivisionByZero. Voltages in volt, current in milliampere, the count as a double.
// No sign or range is tested: a supply below the LED voltage gives negative results. Fields are
// read with the decimal separator given (number_text.h).

// Reads current, supply, LED voltage. R = (Vs - Vf) / (I / 1000), P = ((I / 1000) * (Vs - Vf)) *
// 1000.
Outcome<Sizing> sizeSingle(std::string_view supply, std::string_view ledVoltage,
                           std::string_view current, char separator);

// Reads current, supply, count, LED voltage. R = (Vs - Vf * N) / (I / 1000),
// P = ((I / 1000) * (Vs - Vf * N)) * 1000.
Outcome<Sizing> sizeSeries(std::string_view supply, std::string_view ledVoltage,
                           std::string_view count, std::string_view current, char separator);

// Reads current, count, supply, LED voltage. The current is per LED; the resistor carries
// N * (I / 1000). R = (Vs - Vf) / (N * (I / 1000)), P = ((N * (I / 1000)) * (Vs - Vf)) * 1000.
Outcome<Sizing> sizeParallel(std::string_view supply, std::string_view ledVoltage,
                             std::string_view count, std::string_view current, char separator);

} // namespace varelux
