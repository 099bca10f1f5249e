// The Italian texts that the windows build from the core's values: power ratings and the hints
// on a computed resistor.
#pragma once

#include <QString>

namespace varelux {

struct ResistorHints;

namespace ui {

// A rating in watts as resistor makers print it: "1/8 W" below 1 W, "10 W" from 1 W up.
// milliwatts is a divisor of 1000 below 1000 and a multiple of 1000 from 1000 up.
QString ratingText(int milliwatts);

// "Valori standard E12: 470 ohm (21,3 mA) · 560 ohm (17,9 mA)", or the sentence that the supply
// is too low; empty when the resistance lies outside the table.
QString standardValuesHint(const ResistorHints &hints);

// "Resistore consigliato: 1/2 W"; empty when there is no rating to suggest.
QString ratingHint(const ResistorHints &hints);

} // namespace ui
} // namespace varelux
