// The LED array's wiring as the planner draws it, in the symbols, lines and colours of the
// circuits' wiring diagrams (reference/diagram_parts.h).
#pragma once

#include "core/led_array.h"
#include "reference/diagrams.h"

#include <QImage>
#include <QSize>

namespace varelux {

// Size in logical pixels of the LED array's drawing, whatever the plan.
QSize ledArrayDiagramSize();

// The plan's wiring in the same symbols, lines and colours, at the given device pixel ratio:
// the supply's + and - rails, and between them a column per string, its resistor then its
// LEDs, labelled under the - rail with its resistor's value (ui::drawnResistanceLabel,
// led_array_words.h). A string of more than six LEDs shows its first four, "..." and its last. Of
// more than eight strings the first five are drawn, then "..." over the count of full strings ("×
// 33333"), then the shorter string, or a full one when there is none. The labels' text is
// anti-aliased in the ink's colour. A plan that is not ArrayVerdict::Planned gives the background
// alone.
QImage drawLedArray(const ArrayPlan &plan, qreal dpr, const DiagramColours &colours);

} // namespace varelux
