// Helpers for the tests that run under a real X server and window manager (run_x11.sh): the
// X11 command-line tools that read window properties and drive the pointer and keyboard.
#pragma once

#include "common/window_placement.h"
#include "qtry.h"

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

// Sends input through the X server, then lets Qt and the window manager see it.
inline void xdotool(const QStringList &arguments)
{
    runTool(u"xdotool"_s, arguments);
    QTest::qWait(150);
}

inline void pointerTo(const QPoint &global)
{
    xdotool({u"mousemove"_s, QString::number(global.x()), QString::number(global.y())});
}

// Shows a window centred, as the program does, and waits until the window manager has framed it.
inline void showFramed(QWidget *window)
{
    varelux::ui::centreOnScreen(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window, 10000));
    QTRY_VERIFY_WITH_TIMEOUT(window->windowHandle()->frameMargins().top() > 0, 10000);
}
