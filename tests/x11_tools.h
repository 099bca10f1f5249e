// Helpers for the tests that run under a real X server and window manager (run_x11.sh): the
// X11 command-line tools that read window properties and drive the pointer and keyboard, and a
// wait until the window manager and this program have handled what those tools sent.
#pragma once

#include "common/window_placement.h"
#include "qtry.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

// Runs a tool and returns its standard output; a failing tool stops the test program.
inline QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

inline QString xprop(const QWidget &window, const QString &property)
{
    return runTool(u"xprop"_s, {u"-id"_s, QString::number(window.winId()), property});
}

// The program's own connection to the X server, the one Qt reads its events from.
inline xcb_connection_t *xConnection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        qFatal("not connected to an X server");
    return x11->connection();
}

inline xcb_atom_t xAtom(const char *name)
{
    xcb_connection_t *connection = xConnection();
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        qFatal("no atom %s", name);
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// The window through which waitUntilXSettled() waits: the last one showFramed() showed. The tests
// show their main window so and keep it open while they send input.
inline QPointer<QWidget> &settlingWindow()
{
    static QPointer<QWidget> window;
    return window;
}

// The name openbox shows for a window when it is iconified (_NET_WM_VISIBLE_ICON_NAME), as this
// program reads it when it handles the event that announces a new one.
class VisibleIconName : public QAbstractNativeEventFilter {
public:
    explicit VisibleIconName(xcb_window_t window)
        : m_window(window), m_atom(xAtom("_NET_WM_VISIBLE_ICON_NAME"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~VisibleIconName() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    VisibleIconName(const VisibleIconName &) = delete;
    VisibleIconName &operator=(const VisibleIconName &) = delete;

    QByteArray handled() const { return m_handled; }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
        if (notify->window == m_window && notify->atom == m_atom)
            m_handled = read();
        return false; // Qt handles the event as ever
    }

private:
    QByteArray read() const
    {
        xcb_connection_t *connection = xConnection();
        const auto cookie =
            xcb_get_property(connection, 0, m_window, m_atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
        if (!reply)
            return {};
        const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        std::free(reply);
        return value;
    }

    xcb_window_t m_window;
    xcb_atom_t m_atom;
    QByteArray m_handled;
};

// Waits until the window manager and this program have handled all that the X server has sent
// them so far (the input of a tool that has ended, the window manager's answers to it, Qt's to
// those), and have delivered it to the widgets. The X server sends each client its events in the
// order it has made them, and openbox copies a window's new _NET_WM_ICON_NAME to its
// _NET_WM_VISIBLE_ICON_NAME: once this program has handled that copy, openbox has handled every
// event made before the name changed, and this program every event made before the copy. A
// second round takes in what the first made Qt ask of the window manager, such as the move Qt
// hands over when the pointer drags the window's background.
inline void waitUntilXSettled()
{
    const QWidget *window = settlingWindow();
    QVERIFY2(window && window->isVisible(), "no window to wait through: call showFramed first");
    const auto id = static_cast<xcb_window_t>(window->winId());
    static const xcb_atom_t iconName = xAtom("_NET_WM_ICON_NAME");
    static const xcb_atom_t utf8 = xAtom("UTF8_STRING");
    static int rounds = 0;
    VisibleIconName visible(id);
    for (int pass = 0; pass < 2; ++pass) {
        const QByteArray name = "[settled " + QByteArray::number(++rounds) + ']';
        xcb_change_property(xConnection(), XCB_PROP_MODE_REPLACE, id, iconName, utf8, 8,
                            static_cast<uint32_t>(name.size()), name.constData());
        xcb_flush(xConnection());
        QVERIFY2(QTest::qWaitFor([&] { return visible.handled().contains(name); }, 10000),
                 qPrintable(u"openbox shows the window's icon name as \"%1\", not \"%2\""_s.arg(
                     QString::fromUtf8(visible.handled()), QString::fromUtf8(name))));
        // Qt queues input events for the widgets; this hands over those it has queued.
        QGuiApplication::sync();
    }
}

// Sends input through the X server, and waits until the window manager and this program have
// handled it.
inline void xdotool(const QStringList &arguments)
{
    runTool(u"xdotool"_s, arguments);
    waitUntilXSettled();
}

inline void pointerTo(const QPoint &global)
{
    xdotool({u"mousemove"_s, QString::number(global.x()), QString::number(global.y())});
}

// Shows a window centred, as the program does, and waits until the window manager has framed it.
// The X tools then wait through it (waitUntilXSettled).
inline void showFramed(QWidget *window)
{
    varelux::ui::centreOnScreen(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window, 10000));
    QTRY_VERIFY_WITH_TIMEOUT(window->windowHandle()->frameMargins().top() > 0, 10000);
    settlingWindow() = window;
}
