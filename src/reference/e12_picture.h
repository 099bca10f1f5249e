// The picture of the E12 table: seven decades of the twelve E12 numbers in a ruled
// grid, rows alternately white and yellow-green.
#pragma once

#include <QColor>
#include <QImage>

namespace varelux {

inline constexpr QSize kE12PictureSize{602, 205};

// Grid lines, in pixels at 96 dpi: columns at these x, rows every kE12RowPitch from y = 0.
inline constexpr int kE12GridX[] = {0, 81, 162, 243, 324, 410, 504, 601};
inline constexpr int kE12RowPitch = 17;
// Height of the digits at 96 dpi.
inline constexpr int kE12DigitHeight = 9;

// Fills the second, fourth, ... row (odd row indices, counted from 0); the first row and every
// other one after it stay white.
inline const QColor kE12Band{204, 255, 0};

// The table at the given device pixel ratio, kE12PictureSize * dpr device pixels, in black,
// white and the band colour only.
QImage drawE12Table(qreal dpr);

} // namespace varelux
