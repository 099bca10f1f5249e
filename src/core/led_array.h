// The LED array planner: many LEDs of one kind on one supply, in strings of LEDs in series, each
// string behind its own resistor. It finds how many LEDs go in a string, how many strings there
// are, each string's resistor, and how much of the power drawn the resistors waste.
#pragma once

#include "core/outcome.h"
#include "core/sizing.h"

#include <optional>
#include <string_view>

namespace varelux {

// The planner's field texts as typed, and the decimal separator they are written with. Voltages
// in volt, the current in milliampere, the count of LEDs as a whole number. The margin is the
// least voltage every string's resistor keeps; an empty margin stands for the supply divided by
// kDefaultMarginDivisor.
struct ArrayFields {
    std::string_view supply, ledVoltage, current, count, margin;
    char separator;
};

// An empty margin is a tenth of the supply.
inline constexpr double kDefaultMarginDivisor = 10.0;

// The most LEDs planned. Every whole number up to it is an exact double, and each shows in full
// when written with 15 significant digits (the last as "1E+15"), so every count the planner
// gives is exact.
inline constexpr double kMaxLedCount = 1e15;

// What the planner made of fields that all read as numbers; only Planned has strings.
enum class ArrayVerdict {
    Planned,
    NoLeds,        // the count is 0
    CountNotWhole, // the count has a fraction, as a pasted "2,5" has
    TooManyLeds,   // the count is above kMaxLedCount
    // The supply less the margin is below one LED's voltage, or the supply is not above the
    // margin (even for LEDs of 0 V).
    NoLedFits,
    // The margin is 0 (typed, or the tenth of a supply so small that it rounds to 0): the
    // resistor of a string could be left no voltage and then could not set the current.
    ZeroMargin,
};

// One kind of string: each string of the kind holds as many LEDs and the same resistor.
struct StringKind {
    double leds = 0;            // LEDs in series in each string, a whole number, 1 or more
    double strings = 0;         // strings of this kind, a whole number, 1 or more
    double resistorVoltage = 0; // V across each string's resistor: supply - leds * LED voltage
    double resistance = 0;      // ohm: resistorVoltage / ledCurrent
    double power = 0;           // mW in each resistor: (ledCurrent * resistorVoltage) * 1000
};

struct ArrayPlan {
    ArrayVerdict verdict = ArrayVerdict::Planned;
    // These two hold for every verdict, so a message can name the margin that left no LED room.
    double margin = 0; // V, as typed or a tenth of the supply
    // A through each LED and its string's resistor.
    double ledCurrent = 0;
    // The supply, the LEDs and their current, as a string of one LED sees them; a kind of
    // string's resistor to buy is resistorHints(stringCircuit(plan, kind), kind.resistance, ...)
    // (resistor_hints.h).
    ResistorCircuit circuit;
    // The rest hold for ArrayVerdict::Planned only, else 0 and no remainder. The full strings hold
    // the most LEDs a string can take, or every LED if that is fewer; the one shorter string
    // holds the LEDs left over, when the count is not a multiple of the full strings' LEDs.
    StringKind full;
    std::optional<StringKind> remainder;
    double strings = 0;       // strings in all, a whole number
    double supplyCurrent = 0; // mA drawn from the supply: strings * current
    double supplyPower = 0;   // mW drawn from the supply: supply * supplyCurrent
    double ledPower = 0;      // mW in the LEDs: (count * LED voltage) * current
    double resistorPower = 0; // mW in the resistors: full.strings * full.power + remainder's power
    double efficiency = 0;    // ledPower / supplyPower, a fraction from 0 (LEDs of 0 V) to 1
};

// Plans the strings. A string takes the most LEDs k (at most the count) whose resistor keeps at
// least the margin: k * LED voltage + margin <= supply, decided on the values as typed (the
// default margin is exactly a tenth of the typed supply), so that a tie counts: 3,3 V keeps 0,1 V
// on one LED of 3,2 V, although the doubles of 3,3 - 3,2 fall short of 0,1. A field too long to
// read exactly (ExactDecimal::read) is compared as the doubles show in 15 significant digits.
// Then count / k strings are full and one more holds count mod k LEDs, if any.
// Fields are read in the order current, supply, LED voltage, count, margin. As in the sizings
// (sizing.h), an unreadable field, or an empty one other than the margin, is Failure::NotANumber,
// and a field or a step beyond the double range is Failure::Overflow. Once every field reads, a
// current of 0 A is Failure::DivisionByZero, before any verdict. No text reads as negative
// (readNumber takes no sign), so a pasted "-3" is Failure::NotANumber in every field, the margin
// too. Then the first verdict that applies is given: NoLeds, CountNotWhole, TooManyLeds,
// NoLedFits for a supply not above the margin, ZeroMargin, NoLedFits for an LED above the supply
// less the margin; else Planned.
// No loop runs per LED or per string: any count plans at once.
Outcome<ArrayPlan> planLedArray(const ArrayFields &fields);

// The circuit around the resistor of a kind of string: its LEDs in series.
ResistorCircuit stringCircuit(const ArrayPlan &plan, const StringKind &kind);

} // namespace varelux
