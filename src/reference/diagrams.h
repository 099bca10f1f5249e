// The wiring diagram of each circuit (one LED, LEDs in series, LEDs in parallel), drawn at run
// time from one description of where each symbol sits (diagram_parts.h).
#pragma once

#include "core/circuit.h"

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

} // namespace varelux
