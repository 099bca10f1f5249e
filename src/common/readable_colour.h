// Coloured text that stays readable under any palette.
//
// The coloured labels (panel headings, notes) are designed for a light button face. Under a
// light palette they keep their colours exactly; under a dark one (dark themes, white-on-black
// high contrast) each colour keeps its hue and takes the nearest lightness that reads against
// the background at WCAG's 4.5:1. setTextColour() is the one way a label gets a colour, and it
// follows later palette changes.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace varelux::ui {

// WCAG 2 contrast of normal text.
inline constexpr double kMinimumContrast = 4.5;

// WCAG 2 relative luminance (0 black to 1 white) and contrast ratio (1 to 21) of sRGB colours.
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// A palette is dark when its Window colour is darker than its WindowText colour; read in the
// palette's current colour group.
bool isDarkPalette(const QPalette &palette);

// ink itself when it already reaches kMinimumContrast against background; otherwise the colour
// of the same OKLCH hue whose lightness is the closest to ink's that does (chroma is reduced only
// where sRGB cannot show it at that lightness). When no lightness reaches it, black or white,
// whichever contrasts more. A colour reaches it when it still does one 8-bit step nearer the
// background, where anti-aliasing can leave the fullest pixels of thin text.
QColor readableOn(const QColor &ink, const QColor &background);

// Shows the label's text in colour: exactly under a light palette, through readableOn() against
// the label's background under a dark one, and again whenever the label's palette changes.
void setTextColour(QWidget *label, const QColor &colour);

} // namespace varelux::ui
