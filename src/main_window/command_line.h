// The program's command line, read before any window or application object exists: Qt's own
// options are left for QApplication, --language chooses the language, --help and --version answer
// in it, anything else is refused, and with no display to open the window on the program says so
// and stops instead of letting the toolkit abort.
#pragma once

#include <QString>

#include <optional>

namespace varelux {

// Exit statuses besides 0 (help or version printed, or the window closed).
inline constexpr int kExitNoDisplay = 1;
inline constexpr int kExitUsage = 2; // unknown option or unexpected argument

struct CommandLineAnswer {
    // Set when the program is done with the command line alone: after printing the help or the
    // version on stdout, or one line on stderr (on Windows, when started without a console or
    // redirected output, in a message box instead). Empty when the window should open.
    std::optional<int> exitStatus;
    // --language with one of ui::spokenLanguages(), or else the user's (ui::systemLanguage()).
    QString language;
};

CommandLineAnswer answerCommandLine(int argc, char *argv[]);

} // namespace varelux
