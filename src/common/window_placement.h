// Where a top-level window first appears.
#pragma once

class QWidget;

namespace varelux::ui {

// Places a top-level window so that its frame (or, before the window manager has framed it,
// its client area) is centred on the available area of its screen. Does nothing on Wayland,
// where the compositor chooses where a window first appears.
void centreOnScreen(QWidget *window);

} // namespace varelux::ui
