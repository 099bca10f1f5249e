// What differs from one platform to another, asked here and nowhere else: the window system the
// application runs on (a platform plugin chosen at start-up), and what the operating system it
// was built for offers (one implementation file per system, which CMake picks: platform_win.cpp
// for Windows, platform_unix.cpp for the rest).
#pragma once

#include <cstdio>

class QString;

namespace varelux::ui {

// True when the application runs on the X11 (xcb) platform.
bool onX11();

// True when the application runs as a Wayland client. There the compositor alone places the
// windows, stacks them and decides which one is active; a client can neither move its top-level
// windows nor learn where they are.
bool onWayland();

// Whether a face installed as "MS Sans Serif" is the one the fitted labels were measured with.
// Not on Windows, which always has a face of that name with other widths.
bool installedMsSansSerifFits();

// Whether a window can open: on Windows there is always a screen; elsewhere one must be named,
// by DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, or on the command line (namedOnCommandLine).
bool displayAvailable(bool namedOnCommandLine);

// Shows text to whoever started the program from a command line: on stream (stdout or stderr).
// A Windows program started without a console or redirected output has nowhere to print; it
// shows the text in a message box titled title instead, as Qt's own parser does there.
void printForCommandLine(std::FILE *stream, const QString &text, const QString &title);

} // namespace varelux::ui
