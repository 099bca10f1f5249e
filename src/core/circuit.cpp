// The table of circuits.
#include "core/circuit.h"

#include <iterator>

namespace varelux {

namespace {

// In Circuit order.
constexpr CircuitKind kCircuits[] = {
    {Circuit::SingleLed, false, false,
     [](const CircuitFields &f) {
         return sizeSingle(f.supply, f.ledVoltage, f.current, f.separator);
     }},
    {Circuit::Series, true, false,
     [](const CircuitFields &f) {
         return sizeSeries(f.supply, f.ledVoltage, f.count, f.current, f.separator);
     }},
    {Circuit::Parallel, true, true,
     [](const CircuitFields &f) {
         return sizeParallel(f.supply, f.ledVoltage, f.count, f.current, f.separator);
     }},
};
static_assert(std::size(kCircuits) == kCircuitCount);
static_assert(
    [] {
        for (int i = 0; i < kCircuitCount; ++i)
            if (kCircuits[i].circuit != Circuit(i))
                return false;
        return true;
    }(),
    "kCircuits is in Circuit order");

} // namespace

const CircuitKind &circuitKind(Circuit circuit)
{
    return kCircuits[int(circuit)];
}

} // namespace varelux
