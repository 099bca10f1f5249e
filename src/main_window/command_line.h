// The program's command line, read before any window or application object exists: Qt's own
// options are left for QApplication, --help and --version answer in Italian, anything else is
// refused, and with no display to open the window on the program says so and stops instead of
// letting the toolkit abort.
#pragma once

#include <optional>

namespace varelux {

// Exit statuses besides 0 (help or version printed, or the window closed).
inline constexpr int kExitNoDisplay = 1;
inline constexpr int kExitUsage = 2; // unknown option or unexpected argument

// Returns the exit status when the program is done with the command line alone (after printing
// the help or the version on stdout, or one line on stderr; on Windows, when started without a
// console or redirected output, in a message box instead), or nothing when the window should
// open.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace varelux
