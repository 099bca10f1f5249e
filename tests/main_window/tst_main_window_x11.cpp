// The main window as a real window manager sees it: title, client size, centring, and that
// it can be neither resized nor maximised.
#include "window_fixture.h"
#include "x11_tools.h"

#include <QScreen>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

class TestMainWindowX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void titledFixedClientArea();
    void centredOnTheScreen();
    void dragOnBareBackgroundMovesTheWindow();
    void pressOnALabelMovesNothing();
    void cannotBeResizedOrMaximised(); // last: it asks the window manager to maximise

private:
    QRect frame() const { return m_mainWindow->windowHandle()->frameGeometry(); }

    std::optional<Shown<MainWindow>> m_shown;
    MainWindow *m_mainWindow = nullptr;
};

void TestMainWindowX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    m_mainWindow = m_shown.emplace().get();
    showFramed(m_mainWindow);
}

void TestMainWindowX11::cleanupTestCase()
{
    m_shown.reset();
}

void TestMainWindowX11::titledFixedClientArea()
{
    QVERIFY(xprop(*m_mainWindow, u"_NET_WM_NAME"_s).contains(u"\"Varelux\""_s));
    const QString info = runTool(u"xwininfo"_s, {u"-id"_s, QString::number(m_mainWindow->winId())});
    const QSize size = mainWindowFacts().size;
    QVERIFY2(info.contains(u"Width: %1"_s.arg(size.width())) &&
                 info.contains(u"Height: %1"_s.arg(size.height())),
             qPrintable(info));
    const QString hints = xprop(*m_mainWindow, u"WM_NORMAL_HINTS"_s);
    const QString fixed = u"%1 by %2"_s.arg(size.width()).arg(size.height());
    QVERIFY2(hints.contains(u"minimum size: "_s + fixed) &&
                 hints.contains(u"maximum size: "_s + fixed),
             qPrintable(hints));
}

void TestMainWindowX11::centredOnTheScreen()
{
    const QRect area = m_mainWindow->screen()->availableGeometry();
    QTRY_VERIFY2((frame().center() - area.center()).manhattanLength() <= 2,
                 qPrintable(u"frame %1,%2 %3x%4"_s.arg(frame().x())
                                .arg(frame().y())
                                .arg(frame().width())
                                .arg(frame().height())));
}

void TestMainWindowX11::cannotBeResizedOrMaximised()
{
    const QString actions = xprop(*m_mainWindow, u"_NET_WM_ALLOWED_ACTIONS"_s);
    QVERIFY2(actions.contains(u"_NET_WM_ACTION_MINIMIZE"_s) &&
                 actions.contains(u"_NET_WM_ACTION_CLOSE"_s) &&
                 !actions.contains(u"_NET_WM_ACTION_MAXIMIZE"_s) &&
                 !actions.contains(u"_NET_WM_ACTION_RESIZE"_s),
             qPrintable(actions));

    runTool(u"xdotool"_s,
            {u"windowsize"_s, QString::number(m_mainWindow->winId()), u"900"_s, u"500"_s});
    m_mainWindow->showMaximized();
    waitUntilXSettled(); // openbox has had both requests, and Qt its answers
    QCOMPARE(m_mainWindow->size(), mainWindowFacts().size);
}

void TestMainWindowX11::dragOnBareBackgroundMovesTheWindow()
{
    const QPoint start = m_mainWindow->mapToGlobal(QPoint(700, 100));
    QVERIFY(!m_mainWindow->childAt(QPoint(700, 100)));
    const QPoint before = frame().topLeft();

    pointerTo(start);
    xdotool({u"mousedown"_s, u"1"_s});
    // Qt sees this move and hands the drag over to the window manager, which has taken it when
    // pointerTo returns; the moves after it go to openbox.
    pointerTo(start + QPoint(4, 3));
    pointerTo(start + QPoint(40, 30));
    pointerTo(start + QPoint(64, 48));
    xdotool({u"mouseup"_s, u"1"_s});
    QTRY_COMPARE(frame().topLeft(), before + QPoint(60, 45));

    // Qt never saw the release: a plain move afterwards must not move the window again. Each
    // pointerTo returns once openbox and Qt have handled the move.
    const QPoint after = frame().topLeft();
    pointerTo(start + QPoint(120, 90));
    pointerTo(start + QPoint(140, 100));
    QCOMPARE(frame().topLeft(), after);
}

void TestMainWindowX11::pressOnALabelMovesNothing()
{
    const QPoint before = frame().topLeft();
    QWidget *label = control(*m_mainWindow, u"lbl_AlCirc"_s);
    const QPoint start = label->mapToGlobal(label->rect().center());
    pointerTo(start);
    xdotool({u"mousedown"_s, u"1"_s});
    pointerTo(start + QPoint(0, -30)); // over the bare background above the row
    pointerTo(start + QPoint(30, -50));
    xdotool({u"mouseup"_s, u"1"_s}); // returns once openbox and Qt have handled the release
    QCOMPARE(frame().topLeft(), before);
}

QTEST_MAIN(TestMainWindowX11)
#include "tst_main_window_x11.moc"
