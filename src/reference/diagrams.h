// The three wiring diagrams (one LED, LEDs in series, LEDs in parallel), drawn at run time
// from one description of where each symbol sits.
#pragma once

#include <QColor>
#include <QImage>

namespace varelux {

enum class DiagramId { Single, Series, Parallel };

// Size in logical pixels: 61 x 157, 61 x 217 and 165 x 217.
QSize diagramSize(DiagramId id);

// The diagram at the given device pixel ratio: an RGB image of diagramSize() * dpr device
// pixels that uses only black, the edge grey and the background. Lines are one logical pixel
// wide; slanted and round edges are softened with edge-grey pixels.
QImage drawDiagram(DiagramId id, qreal dpr);

inline const QColor kDiagramBackground{224, 223, 227};
inline const QColor kDiagramEdge{127, 127, 127};

} // namespace varelux
