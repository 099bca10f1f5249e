// The wiring diagram of each circuit (one LED, LEDs in series, LEDs in parallel), and of an LED
// array as the planner plans it, drawn at run time from one description of where each symbol
// sits.
#pragma once

#include "core/circuit.h"
#include "core/led_array.h"

#include <QColor>
#include <QImage>
#include <QPalette>

namespace varelux {

// Size in logical pixels: 61 x 157, 61 x 217 and 165 x 217.
QSize diagramSize(Circuit circuit);

inline const QColor kDiagramBackground{224, 223, 227};
inline const QColor kDiagramEdge{127, 127, 127};

// The three colours a diagram is drawn in: solid lines, their softened edges, the background.
struct DiagramColours {
    QColor ink, edge, background;
};

// Black on a light grey, under a light palette.
inline const DiagramColours kLightDiagram{QColor(0, 0, 0), kDiagramEdge, kDiagramBackground};

// The colours for a palette: kLightDiagram under a light palette; under a dark one the palette's
// WindowText on its Window, with the edge colour halfway between, so no light box shows in a
// dark window.
DiagramColours diagramColours(const QPalette &palette);

// The diagram at the given device pixel ratio: an RGB image of diagramSize() * dpr device
// pixels that uses only the three colours. Lines are one logical pixel wide; slanted and round
// edges are softened with edge pixels. The colours change no pixel's place.
QImage drawDiagram(Circuit circuit, qreal dpr, const DiagramColours &colours = kLightDiagram);

// Size in logical pixels of the LED array's drawing, whatever the plan.
QSize ledArrayDiagramSize();

// The plan's wiring in the same symbols, lines and colours, at the given device pixel ratio:
// the supply's + and - rails, and between them a column per string, its resistor then its
// LEDs, labelled under the - rail with its resistor's value (ui::drawnResistanceLabel). A string
// of more than six LEDs shows its first four, "..." and its last. Of more than eight strings the
// first five are drawn, then "..." over the count of full strings ("× 33333"), then the shorter
// string, or a full one when there is none. The labels' text is anti-aliased in the ink's
// colour. A plan that is not ArrayVerdict::Planned gives the background alone.
QImage drawLedArray(const ArrayPlan &plan, qreal dpr, const DiagramColours &colours);

} // namespace varelux
