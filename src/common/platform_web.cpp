// The browser (Qt for WebAssembly): the page is the screen, the browser's tab stands for the
// taskbar, and the program never waits inside an event loop of its own.
#include "common/platform.h"

#include "common/window_placement.h"

#include <QDialog>
#include <QString>
#include <QWidget>

#include <emscripten/val.h>

namespace varelux::ui {

void useUtf8CharacterType()
{
    // The page's C library knows only UTF-8.
}

bool installedMsSansSerifFits()
{
    return false; // the page draws with the embedded face alone, whatever the browser can find
}

bool displayAvailable(bool)
{
    return true;
}

void printForCommandLine(std::FILE *stream, const QString &text, const QString &)
{
    std::fputs(text.toLocal8Bit().constData(), stream); // to the browser's console
    std::fflush(stream);
}

void placeFrame(QWidget *window, QPoint topLeft)
{
    // QWindow::setFramePosition() puts the client area there, frame or not; move() the frame.
    window->move(topLeft);
}

void showMainWindow(QWidget *window)
{
    window->setWindowFlag(Qt::WindowCloseButtonHint, false);
    if (window->isFullScreen()) {
        window->show();
        return;
    }
    centreOnScreen(window);
    window->showNormal(); // show() fills the page with a program's first window
}

void announceOutsideQt(const QString &text)
{
    // The page's own function (packaging/web/index.html.in); a page without it hears nothing.
    const emscripten::val page = emscripten::val::global("varelux");
    if (page.isUndefined() || page["announce"].isUndefined())
        return;
    page.call<void>("announce", text.toStdString());
}

bool fitsNarrowScreens()
{
    return true;
}

void showModal(QDialog *dialog, QObject *context, const std::function<void()> &then)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, context, then);
    dialog->show(); // not open(), which would make it modal to its window only
}

} // namespace varelux::ui
