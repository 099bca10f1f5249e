// The announcement for each Qt release, chosen at compile time.
#include "common/announcer.h"

#include "common/platform.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#endif

namespace varelux::ui {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announce(QWidget *source, const QString &text)
{
    QAccessibleAnnouncementEvent event(source, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
    announceOutsideQt(text);
}

#else

namespace {

// Holds the latest announcement as its accessible name. It has no size, paints nothing and lets
// every mouse event through, so the window looks and behaves as without it.
class Notification : public QWidget {
public:
    explicit Notification(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
    }

    const QString &text() const { return m_text; }

    // Screen readers speak a notification when it starts showing, so each text shows it anew.
    void showText(const QString &text)
    {
        hide();
        m_text = text;
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override {}

private:
    QString m_text;
};

class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(Notification *notification)
        : QAccessibleWidget(notification, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Notification *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *notificationInterface(const QString &, QObject *object)
{
    if (auto *notification = dynamic_cast<Notification *>(object))
        return new NotificationAccessible(notification);
    return nullptr;
}

} // namespace

void announce(QWidget *source, const QString &text)
{
    // Factories can only be installed once the application exists; the first announcement
    // comes after that.
    static const bool installed = [] {
        QAccessible::installFactory(&notificationInterface);
        return true;
    }();
    Q_UNUSED(installed);

    QWidget *window = source->window();
    Notification *notification = nullptr;
    for (QObject *child : window->children()) {
        notification = dynamic_cast<Notification *>(child);
        if (notification)
            break;
    }
    if (!notification)
        notification = new Notification(window);
    notification->showText(text);
    announceOutsideQt(text);
}

#endif

} // namespace varelux::ui
