// Centring a window on its screen, once its frame is known.
#include "common/window_placement.h"

#include "common/platform.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace varelux::ui {

namespace {

// The frame as the platform reports it now; QWidget's own copy can lag behind under X11.
QMargins frameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void moveFrameToCentre(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QMargins margins = frameMargins(window);
    QRect frame(QPoint(), window->size().grownBy(margins));
    frame.moveCenter(screen->availableGeometry().center());
    placeFrame(window, frame.topLeft());
}

// Under X11 the frame is known only once the window manager has framed the shown window;
// then the window is centred once more, with its real frame.
class RecentreWhenFramed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate ||
             type == QEvent::Paint) &&
            window->isVisible() && !frameMargins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            moveFrameToCentre(window);
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget *window)
{
    // The compositor ignores a position set there. Where it draws the frames itself, no frame is
    // ever reported either, and the filter below would stay installed for good.
    if (onWayland())
        return;
    window->winId(); // some platforms know the frame as soon as the native window exists
    moveFrameToCentre(window);
    if (frameMargins(window).isNull())
        window->installEventFilter(new RecentreWhenFramed(window));
}

} // namespace varelux::ui
