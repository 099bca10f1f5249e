// Window-manager hints that only X11 has, for the reference windows.
#pragma once

class QWidget;

namespace varelux {

// Types the window as a utility window, asks for no taskbar entry, and takes it out of the
// application's window group. Call it between creating the native window and showing it. Does
// nothing where X11 support was not built in.
void setX11UtilityWindowHints(QWidget *window);

} // namespace varelux
