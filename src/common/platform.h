// Which window system the application runs on. The few places where Varelux behaves differently
// from one window system to another ask here.
#pragma once

namespace varelux::ui {

// True when the application runs on the X11 (xcb) platform.
bool onX11();

// True when the application runs as a Wayland client. There the compositor alone places the
// windows, stacks them and decides which one is active; a client can neither move its top-level
// windows nor learn where they are.
bool onWayland();

} // namespace varelux::ui
