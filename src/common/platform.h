// What differs from one platform to another, asked here and nowhere else: the window system the
// application runs on (a platform plugin chosen at start-up), and what the system it was built
// for offers (one implementation file per system, which CMake picks: platform_win.cpp for
// Windows, platform_web.cpp for the browser, platform_unix.cpp for the rest, and
// platform_desktop.cpp for what Windows and Unix do alike where a web page does otherwise).
#pragma once

#include <QPoint>

#include <cstdio>
#include <functional>

class QDialog;
class QObject;
class QString;
class QWidget;

namespace varelux::ui {

// Before Qt starts: where the environment's locale has a character type other than UTF-8 (the C
// locale, LANG unset), makes it C.UTF-8 for this process, as Qt would when it starts, though
// without Qt's warning on stderr. Nothing else of the locale changes. Only Unix has such locales.
void useUtf8CharacterType();

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

// Puts the top-left corner of a top-level window's frame at topLeft, in screen coordinates.
void placeFrame(QWidget *window, QPoint topLeft);

// Shows the main window where a program's first window belongs: centred on the screen. In the
// browser without a close box (the page stays as long as its tab, and closing the window would
// leave it empty), and filling the screen where the window asked for that.
void showMainWindow(QWidget *window);

// Passes an announcement for screen readers (announcer.h) on to where the platform's screen
// readers listen besides Qt's own accessibility events: in the browser, the page's live region,
// since Qt's elements for screen readers have none. Nothing elsewhere.
void announceOutsideQt(const QString &text);

// Whether the windows take the phone arrangement on a screen narrower than the main window, and
// follow the screen's size: in the browser, where the screen is the page, which a phone shows at
// its own width. The desktops keep the designed arrangement on any screen.
bool fitsNarrowScreens();

// Shows dialog with the modality it has, calls then() once the user has dismissed it (while
// context lives), and deletes it. On the desktop it returns only after that; in the browser,
// where a program cannot wait in an event loop of its own, it returns at once.
void showModal(QDialog *dialog, QObject *context, const std::function<void()> &then);

} // namespace varelux::ui
