// A finger held still on a widget for a moment asks for its context menu, as a right click does
// with a mouse: a touch screen has no right button, and the browser's own long press never
// reaches the program.
#pragma once

class QWidget;

namespace varelux::ui {

// How long the finger stays down, in milliseconds.
inline constexpr int kLongPressMs = 600;

// From now on a long press on widget sends it a context-menu event at the finger, which the
// widget handles by its contextMenuPolicy. Moving the finger further than a drag starts, or
// lifting it sooner, asks for nothing.
void offerContextMenuOnLongPress(QWidget *widget);

} // namespace varelux::ui
