// Windows: a screen is always there, and a GUI program may have no console to print on.
#include "common/platform.h"

#include <QString>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace varelux::ui {

namespace {

// A Windows GUI program has no console to print on unless it was started with redirected
// handles (from a script, or QProcess).
bool answersInMessageBox()
{
    if (GetConsoleWindow())
        return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return !(startup.dwFlags & STARTF_USESTDHANDLES);
}

} // namespace

void useUtf8CharacterType()
{
    // Windows has no locale environment; Qt takes text to and from the system's code page itself.
}

bool installedMsSansSerifFits()
{
    return false;
}

bool displayAvailable(bool)
{
    return true;
}

void printForCommandLine(std::FILE *stream, const QString &text, const QString &title)
{
    if (answersInMessageBox()) {
        const UINT icon = stream == stderr ? MB_ICONERROR : MB_ICONINFORMATION;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                    reinterpret_cast<const wchar_t *>(title.utf16()),
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND | icon);
        return;
    }
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace varelux::ui
