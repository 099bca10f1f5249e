// The long press, from the mouse events Qt makes of a touch that no widget takes.
#include "common/long_press.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTimer>
#include <QWidget>

namespace varelux::ui {

namespace {

class LongPress : public QObject {
public:
    explicit LongPress(QWidget *widget) : QObject(widget), m_widget(widget)
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(kLongPressMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, m_pressedAt,
                                   m_widget->mapToGlobal(m_pressedAt));
            QCoreApplication::sendEvent(m_widget, &menu);
        });
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (const auto *press = static_cast<QMouseEvent *>(event);
                press->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen) {
                m_pressedAt = press->position().toPoint();
                m_timer.start();
            }
            break;
        case QEvent::MouseMove:
            if ((static_cast<QMouseEvent *>(event)->position().toPoint() - m_pressedAt)
                    .manhattanLength() > QApplication::startDragDistance())
                m_timer.stop();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Hide:
            m_timer.stop();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_widget;
    QTimer m_timer;
    QPoint m_pressedAt;
};

} // namespace

void offerContextMenuOnLongPress(QWidget *widget)
{
    new LongPress(widget);
}

} // namespace varelux::ui
