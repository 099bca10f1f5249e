// The interface font of every window, in its three roles.
#pragma once

#include <QFont>

namespace varelux::ui {

enum class FontRole {
    Regular, // 8.25 pt: fields, buttons, result labels, notes, values
    Bold,    // 8.25 pt bold: row, unit and table-row labels
    Heading, // 12 pt bold: panel headings
};

// "MS Sans Serif" where installed and it is the face the layout was fitted to (platform.h),
// otherwise the embedded Varelux Sans (Liberation Sans 2 cut down to the characters the program
// draws), which has the metrics of the Helvetica family; never the platform's default sans, whose
// wider glyphs would overflow the fitted labels.
QString fontFamily();
QFont font(FontRole role);

} // namespace varelux::ui
