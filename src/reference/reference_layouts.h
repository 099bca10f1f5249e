// What each reference window holds, as data: its name, caption and client size, then either a
// picture or a table of labels with its "OK" button. The window that shows them is
// reference_window.h.
#pragma once

#include "common/controls.h"
#include "reference/picture.h"
#include "reference/reference_id.h"

#include <QSize>

#include <variant>
#include <vector>

namespace varelux {

// A picture with its text alternative: screen readers read the name, and the description where
// there is more to read.
struct PictureLayout {
    QString name;
    QPoint topLeft; // logical pixels
    QSize size;
    Picture::Drawing draw;
    QString accessibleName, accessibleDescription;
};

// A table: its rows come in pairs, a row's label and then its value, in the order screen
// readers go through them; then the "OK" button.
struct TableLayout {
    std::vector<ui::LayoutRow> rows;
    ui::LayoutRow okButton;
};

struct ReferenceLayout {
    QString name; // objectName: Form2 to Form7
    QString caption;
    QSize clientSize; // logical pixels
    // Whether a click on the bare background closes the window; the E12 picture covers its whole
    // window, which so has no bare background.
    bool closesOnBareClick = true;
    std::variant<PictureLayout, TableLayout> content;
};

ReferenceLayout referenceLayout(ReferenceId id);

} // namespace varelux
