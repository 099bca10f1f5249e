// The hint on a resistance result, as rich text for its tooltip: the standard values of the
// series in use, each drawn as a small resistor with its colour bands beside its words, with the
// LED current it gives within the parts' tolerances and its risk, the power rating, for LEDs in
// parallel the resistor for each LED with its own values, and the tolerances used.
//
// The bands are table cells with background colours, so the text engine draws them at any
// display scale as sharply as the text, in fixed colours on a beige body with a dark outline that
// stand out on light, dark and high-contrast palettes alike. The words carry everything the
// drawing shows, for screen readers and for readers who cannot tell the colours apart.
#pragma once

#include "core/resistor_hints.h"

#include <QString>

#include <optional>

namespace varelux::ui {

QString resistanceHint(const ResistorHints &hints, ESeries series,
                       const std::optional<BranchResistor> &branch, const Tolerances &tolerances);

// The part of the hint on the standard values, as a fragment of rich text: the heading, a row
// per value with its drawn bands and its words, and where the resistance lies beyond the
// series. Empty when there are no values. The LED array planner shows one per kind of string.
QString standardValuesHtml(const ResistorHints &hints, ESeries series);

// The hint's rich text wrapped to the width of the label that shows it: a tooltip keeps each
// line whole, a fixed or narrow panel breaks them.
QString wrappedToWidth(QString html);

} // namespace varelux::ui
