// Linux and the other Unix systems, where a window system must be named.
#include "common/platform.h"

#include <QString>
#include <QtGlobal>

namespace varelux::ui {

bool installedMsSansSerifFits()
{
    return true;
}

bool displayAvailable(bool namedOnCommandLine)
{
    return namedOnCommandLine || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void printForCommandLine(std::FILE *stream, const QString &text, const QString &)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace varelux::ui
