// Look shared by every window: twip geometry, the interface font, window placement and the
// Italian texts of the toolkit itself.
#pragma once

#include <QFont>
#include <QRect>

class QApplication;
class QWidget;

namespace varelux::ui {

// Geometry is designed in twips; 15 twips make one logical pixel (96 dpi). Qt scales logical
// pixels on high-density screens, so fonts are sized in pixels too and keep their place.
inline constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

enum class FontRole {
    Regular, // 8.25 pt: fields, buttons, result labels, notes, values
    Bold,    // 8.25 pt bold: row, unit and table-row labels
    Heading, // 12 pt bold: panel headings
};

// "MS Sans Serif" where installed (except on Windows), otherwise the embedded Varelux Sans
// (Liberation Sans 2 cut down to the characters the program draws), which has the metrics of the
// Helvetica family; never the platform's default sans, whose wider glyphs would overflow the fitted
// labels.
QString fontFamily();
QFont font(FontRole role);

// Places a top-level window so that its frame (or, before the window manager has framed it,
// its client area) is centred on the available area of its screen. Does nothing on Wayland,
// where the compositor chooses where a window first appears.
void centreOnScreen(QWidget *window);

// Loads Qt's own Italian texts (context menus, message box buttons). Returns false when the
// translation is not installed; the program then still works, with those texts in English.
bool installItalianTranslation(QApplication &app);

} // namespace varelux::ui
