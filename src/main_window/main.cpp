// Varelux: sizes the series resistor of LED circuits.
#include "common/platform.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "main_window/toolkit_translation.h"
#include "varelux_identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = varelux::answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varelux"));
    QApplication::setApplicationVersion(QString::fromLatin1(varelux::identity::kVersion));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(varelux::identity::kAppId));
    varelux::installItalianTranslation(app);

    varelux::MainWindow window;
    varelux::ui::showMainWindow(&window);
    return app.exec();
}
