// Which window system the application runs on. The few places where Varelux behaves differently
// from one window system to another ask here.
//
// Windows is told apart when compiling (Q_OS_WIN), not here: a Windows build has Qt linked in
// with the windows platform alone, and what differs there (the system's own "MS Sans Serif",
// answering --help without a console) belongs to the system, not to a platform plugin chosen
// at start-up.
#pragma once

namespace varelux::ui {

// True when the application runs on the X11 (xcb) platform.
bool onX11();

// True when the application runs as a Wayland client. There the compositor alone places the
// windows, stacks them and decides which one is active; a client can neither move its top-level
// windows nor learn where they are.
bool onWayland();

} // namespace varelux::ui
