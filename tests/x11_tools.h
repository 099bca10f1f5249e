// Helpers for the tests that run under a real X server and window manager (run_x11.sh): the
// X11 command-line tools that read window properties and drive the pointer and keyboard, and a
// wait until the window manager and this program have handled what those tools sent.
#pragma once

#include "common/window_placement.h"
#include "qtry.h"

#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

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

// The window through which waitUntilXSettled() waits: the last one showFramed() showed. The tests
// show their main window so and keep it open while they send input.
inline QPointer<QWidget> &settlingWindow()
{
    static QPointer<QWidget> window;
    return window;
}

// Waits until openbox and this program have handled all that the X server has sent them so far.
// openbox copies a window's new icon name to the name it shows (_NET_WM_VISIBLE_ICON_NAME) in
// the order of its events: once the copy is there, openbox has handled every event before it,
// and a round trip to the server (QGuiApplication::sync(), which first sends what Qt has
// buffered) hands this program every event before that. A second round takes in what the first
// made Qt ask of openbox, such as the move Qt hands over when the pointer drags the background.
inline void waitUntilXSettled()
{
    const QWidget *window = settlingWindow();
    QVERIFY2(window && window->isVisible(), "no window to wait through: call showFramed first");
    const QString id = QString::number(window->winId());
    static int rounds = 0;
    for (int pass = 0; pass < 2; ++pass) {
        QGuiApplication::sync();
        const QString name = u"settled %1"_s.arg(++rounds);
        runTool(u"xprop"_s, {u"-id"_s, id, u"-f"_s, u"_NET_WM_ICON_NAME"_s, u"8u"_s, u"-set"_s,
                             u"_NET_WM_ICON_NAME"_s, name});
        QVERIFY2(QTest::qWaitFor(
                     [&] { return xprop(*window, u"_NET_WM_VISIBLE_ICON_NAME"_s).contains(name); },
                     10000),
                 "openbox does not show the window's new icon name");
    }
    QGuiApplication::sync();
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
