// The words of the LED array planner: the plan line by line, the sentences of a plan without
// strings, the labels of its drawing and the names assistive technology reads. Counts,
// resistances, powers and currents are written with 15 significant digits, as the panels write
// their results.
#pragma once

#include "core/standard_values.h"

#include <QString>
#include <QStringList>

namespace varelux {

struct ArrayPlan;
struct ResistorHints;
struct StringKind;

namespace ui {

// A resistance as the drawing labels a string, rough enough to fit under it: three significant
// digits over the unit, "120" over "ohm", "4.700" over "ohm", "1,2" over "megaohm".
QStringList drawnResistanceLabel(double ohms);

// The "..." column's label: the count of full strings left out of the drawing ("× 33333").
QString leftOutStringsLabel(double strings);

// A kind of string, with each string's resistor, the power it dissipates and the rating to buy
// from hints: "3 stringhe da 3 Led, resistenza 120 ohm, 48 mW (1/8 W)", "1 stringa da 1 Led, ...".
QString stringKindLine(const StringKind &kind, const ResistorHints &hints);

// The standard values of hints as the hint words them, a line each: the heading, each value with
// its currents and bands and its risk, and where the resistance lies beyond the series. Empty
// when there are none.
QStringList standardValuesWords(const ResistorHints &hints, ESeries series);

// A planned array's totals in two lines: the strings and what the supply gives ("Totale: 4
// stringhe, 80 mA, 960 mW dall'alimentazione"), then where the power goes and the efficiency
// with one decimal ("Nei Led 640 mW, nelle resistenze 320 mW; rendimento 66,7 %"). A power of
// 1000 mW or more is written in W ("1,44 W").
QStringList arrayTotalsLines(const ArrayPlan &plan);

// Why the plan has no strings, for every verdict but ArrayVerdict::Planned: no LEDs, a count
// with a fraction or above the most the planner takes, no LED within the supply less the margin
// (with a higher supply or a constant-current driver to suggest), a margin of 0.
QString arrayVerdictSentence(const ArrayPlan &plan);

// The planner's sentence when a result leaves the range of a double.
QString arrayOutOfRangeSentence();

// The name of the planner's drawing for assistive technology; its description is the plan.
QString ledArrayDrawingName();

// What assistive technology reads of the margin field besides its name: its unit, then the
// note that says what an empty field stands for ("Volt. Vuoto: un decimo della tensione del
// circuito").
QString marginDescription(const QString &unit, const QString &note);

} // namespace ui
} // namespace varelux
