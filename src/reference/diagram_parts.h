// The symbols the wiring diagrams are drawn from, placed in pixels at 96 dpi from the picture's
// top left corner, and the drawing of a list of them in a diagram's three colours.
#pragma once

#include "reference/diagrams.h"

#include <QImage>
#include <QPoint>

#include <span>

namespace varelux {

enum class Symbol {
    Terminal, // circle with a plus sign, 19 px across, from row `from.y`
    Negative, // circle with a minus sign, 19 px across, from row `from.y`
    Resistor, // hollow rectangle 19 x 27 px, from row `from.y`
    Led,      // circle from row `from.y` to row `to.y`, diode inside, arrows towards `arrows`
    Ground,   // bars 25, 17 and 9 px wide, the first on row `from.y`, 4 px apart
    Junction, // filled dot about 8 px across, centred on `from`
    Wire,     // straight line from `from` to `to`, both end pixels included
    Ellipsis, // three dots 3 px across: on `from`, on `to` and halfway
};

enum class Side { None, Left, Right };

struct Placed {
    Symbol symbol{};
    QPoint from;
    QPoint to = {};
    Side arrows = Side::None;
};

// Draws the parts at the device pixel ratio, black on white, and quantises the result to the
// three colours. The image keeps a device pixel ratio of 1.
QImage drawParts(QSize size, std::span<const Placed> parts, qreal dpr,
                 const DiagramColours &colours);

} // namespace varelux
