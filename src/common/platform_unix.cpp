// Linux and the other Unix systems, where a window system must be named.
#include "common/platform.h"

#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <strings.h>

namespace varelux::ui {

void useUtf8CharacterType()
{
    // The locale the environment names, read without setting the process's own. Where it names a
    // locale the system lacks, Qt falls back to C and says why; that is the user's to mend.
    const locale_t named = newlocale(LC_ALL_MASK, "", nullptr);
    if (!named)
        return;
    const char *codeset = nl_langinfo_l(CODESET, named);
    const bool utf8 = strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
    freelocale(named);
    if (utf8)
        return;
    // Qt sets the locale from the environment when it starts, so the character type is changed
    // there. LC_ALL would override LC_CTYPE: its value moves to the other categories it named,
    // where Qt also reads the user's languages and number format.
    if (const char *all = std::getenv("LC_ALL"); all && *all) {
        const std::string value = all;
        for (const char *category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"})
            setenv(category, value.c_str(), 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", "C.UTF-8", 1);
}

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
