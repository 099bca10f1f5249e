// The circuits Varelux sizes a resistor for. Each has a panel in the main window and a wiring
// diagram among the reference windows; every layer reads what it needs of a circuit here, by
// the circuit's id: whether it has several LEDs, whether they stand in parallel and how its
// resistor is sized. Its words live in
// the texts (common/texts.h), its drawing and its place in the layout files, each in an array
// indexed by Circuit whose size is checked against kCircuitCount.
#pragma once

#include "core/sizing.h"

#include <array>
#include <string_view>

namespace varelux {

// In the order the panels stand, left to right, and the diagram windows are numbered.
enum class Circuit {
    SingleLed, // one LED behind its resistor
    Series,    // LEDs in series behind one resistor
    Parallel,  // LEDs in parallel behind one resistor
};
inline constexpr int kCircuitCount = int(Circuit::Parallel) + 1;

// Every circuit, in order, for range-for loops.
inline constexpr std::array<Circuit, kCircuitCount> kAllCircuits = [] {
    std::array<Circuit, kCircuitCount> all{};
    for (int i = 0; i < kCircuitCount; ++i)
        all[std::size_t(i)] = Circuit(i);
    return all;
}();

// A panel's field texts as typed, and the decimal separator they are written with. A circuit
// with one LED has no count and ignores it.
struct CircuitFields {
    std::string_view supply, ledVoltage, current, count;
    char separator;
};

struct CircuitKind {
    Circuit circuit;
    // A count field, and messages that speak of LEDs in the plural.
    bool severalLeds;
    // The LEDs stand in parallel branches behind the one resistor, so a resistor in each branch
    // (resistor_hints.h) is worth suggesting.
    bool ledsInParallel;
    // The circuit's sizing (sizing.h), from its fields.
    Outcome<Sizing> (*size)(const CircuitFields &fields);
};

const CircuitKind &circuitKind(Circuit circuit);

inline Outcome<Sizing> sizeCircuit(Circuit circuit, const CircuitFields &fields)
{
    return circuitKind(circuit).size(fields);
}

} // namespace varelux
