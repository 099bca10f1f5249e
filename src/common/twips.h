// Window geometry is designed in twips, 1/1440 inch: 15 twips make one logical pixel at 96 dpi.
// Qt scales logical pixels on high-density screens, so fonts are sized in pixels too and keep
// their place.
#pragma once

#include <QRect>

namespace varelux::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace varelux::ui
