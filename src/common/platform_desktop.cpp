// What Windows and Unix desktops do alike, where a web page does otherwise (platform_web.cpp).
#include "common/platform.h"

#include "common/window_placement.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace varelux::ui {

void placeFrame(QWidget *window, QPoint topLeft)
{
    if (QWindow *handle = window->windowHandle())
        handle->setFramePosition(topLeft);
    else
        window->move(topLeft); // for a window, move() places the frame's corner
}

void showMainWindow(QWidget *window)
{
    centreOnScreen(window);
    window->show();
}

void announceOutsideQt(const QString &) {}

bool fitsNarrowScreens()
{
    return false;
}

void showModal(QDialog *dialog, QObject *context, const std::function<void()> &then)
{
    const QPointer<QObject> alive(context);
    dialog->exec();
    delete dialog;
    if (alive)
        then();
}

} // namespace varelux::ui
