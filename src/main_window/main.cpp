// Varelux: sizes the series resistor of LED circuits.
#include "common/language.h"
#include "common/platform.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "varelux_identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    varelux::ui::useUtf8CharacterType();
    const varelux::CommandLineAnswer answer = varelux::answerCommandLine(argc, argv);
    if (answer.exitStatus)
        return *answer.exitStatus;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varelux"));
    QApplication::setApplicationVersion(QString::fromLatin1(varelux::identity::kVersion));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(varelux::identity::kAppId));
    varelux::ui::useLanguage(answer.language);

    varelux::MainWindow window;
    varelux::ui::showMainWindow(&window);
    return app.exec();
}
