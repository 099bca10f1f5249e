// The least a Qt Widgets program with the main window can cost: a window of the same size with
// the same 67 controls at the same places, as plain labels, line edits and buttons, and nothing
// else: the platform's font and style, no icon, no translation, no handlers.
#include "main_window/main_window_layout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace varelux;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(mainWindowSize());
    for (const MainWindowRow &row : mainWindowRows()) {
        const ui::LayoutRow &item = row.control;
        QWidget *control = nullptr;
        switch (item.role) {
        case ui::ControlRole::DecimalField:
        case ui::ControlRole::CountField:
            control = new QLineEdit(&window);
            break;
        case ui::ControlRole::PushButton:
            control = new QPushButton(item.caption, &window);
            break;
        default:
            control = new QLabel(item.caption, &window);
            break;
        }
        control->setGeometry(item.geometry);
        if (item.geometry.isEmpty())
            control->adjustSize();
    }
    window.showNormal(); // as Varelux shows it in the browser, where show() fills the page
    return app.exec();
}
