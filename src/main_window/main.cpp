// Varelux: sizes the series resistor of LED circuits.
#include "common/window_look.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varelux"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    varelux::ui::installItalianTranslation(app);

    varelux::Form1 form;
    varelux::ui::centreOnScreen(&form);
    form.show();
    return app.exec();
}
