// Varelux: sizes the series resistor of LED circuits.
#include "common/hint_choices.h"
#include "common/language.h"
#include "common/platform.h"
#include "common/stored_choices.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "varelux_identity.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    varelux::ui::useUtf8CharacterType();
    const varelux::CommandLineAnswer answer = varelux::answerCommandLine(argc, argv);
    if (answer.exitStatus)
        return *answer.exitStatus;
    QApplication app(argc, argv);
    // The settings are kept under the program's own name, for both: ~/.config/Varelux/
    // Varelux.conf, HKEY_CURRENT_USER\Software\Varelux\Varelux.
    QApplication::setOrganizationName(QString::fromLatin1(varelux::identity::kName));
    QApplication::setApplicationName(QString::fromLatin1(varelux::identity::kName));
    QApplication::setApplicationVersion(QString::fromLatin1(varelux::identity::kVersion));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(varelux::identity::kAppId));
    varelux::ui::useLanguage(answer.language);

    varelux::MainWindow window;
    // The hints' series and tolerances, as the user left them, kept whenever they change.
    QSettings settings;
    varelux::restoreChoices(settings, window.hintChoices());
    QObject::connect(&window.hintChoices(), &varelux::HintChoices::changed, &window,
                     [&] { varelux::storeChoices(settings, window.hintChoices()); });
    varelux::ui::showMainWindow(&window);
    return app.exec();
}
