// The reference windows under a real X server and window manager (openbox): the hints of the
// frame as the window manager reads them, stacking beside the main window, and closing.
#include "reference/open_references.h"

#include "data_row.h"
#include "window_fixture.h"
#include "x11_tools.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

QRect frameOf(const QWidget *window)
{
    return window->windowHandle()->frameGeometry();
}

// Client windows from bottom to top, as the window manager stacks them.
QList<WId> stacking()
{
    const QString list = runTool(u"xprop"_s, {u"-root"_s, u"_NET_CLIENT_LIST_STACKING"_s});
    QList<WId> ids;
    for (const auto &match : QRegularExpression(u"0x[0-9a-f]+"_s).globalMatch(list))
        ids << match.captured().toULongLong(nullptr, 16);
    return ids;
}

// The window manager's close command (Alt+F4 in openbox), once the window has the focus.
void closeByWindowManager(const QWidget *window)
{
    const QString id = QString::number(window->winId(), 16);
    QTRY_VERIFY(runTool(u"xprop"_s, {u"-root"_s, u"_NET_ACTIVE_WINDOW"_s}).contains(u"0x"_s + id));
    xdotool({u"key"_s, u"alt+F4"_s});
}

bool stacksAbove(const QWidget *upper, const QWidget *lower)
{
    const QList<WId> ids = stacking();
    return ids.indexOf(upper->winId()) > ids.indexOf(lower->winId());
}

// The three numbers of _MOTIF_WM_HINTS: flags, functions, decorations.
QList<uint> motifHints(const QWidget &window)
{
    QList<uint> values;
    for (const auto &match :
         QRegularExpression(u"0x[0-9a-f]+"_s).globalMatch(xprop(window, u"_MOTIF_WM_HINTS"_s)))
        values << match.captured().toUInt(nullptr, 16);
    return values;
}

} // namespace

class TestReferenceX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void frameHints_data();
    void frameHints();
    void form1RaisedByAClickStacksAbove_data();
    void form1RaisedByAClickStacksAbove();
    void diagramWindowIgnoresKeysAndClosesOnAClick();

private:
    // Clicks the button on the main window through the X server and waits for its window to be
    // framed.
    QWidget *pressForReal(int window);
    void clickForReal(const QWidget *widget, QPoint at);

    std::optional<Shown<MainWindow>> m_shown;
    MainWindow *m_mainWindow = nullptr;
};

void TestReferenceX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    m_mainWindow = m_shown.emplace().get();
    showFramed(m_mainWindow);
    QTRY_VERIFY(
        (frameOf(m_mainWindow).center() - m_mainWindow->screen()->availableGeometry().center())
            .manhattanLength() <= 2);
}

void TestReferenceX11::cleanupTestCase()
{
    m_shown.reset();
}

void TestReferenceX11::clickForReal(const QWidget *widget, QPoint at)
{
    pointerTo(widget->mapToGlobal(at));
    xdotool({u"click"_s, u"1"_s});
}

QWidget *TestReferenceX11::pressForReal(int id)
{
    const auto *control = m_mainWindow->findChild<QPushButton *>(buttonOpening(id));
    clickForReal(control, control->rect().center());
    [&] { QTRY_VERIFY_WITH_TIMEOUT(openedWindow(id), 5000); }();
    QWidget *window = openedWindow(id);
    if (window)
        [&] { QTRY_VERIFY_WITH_TIMEOUT(window->windowHandle()->frameMargins().top() > 0, 5000); }();
    return window;
}

void TestReferenceX11::frameHints_data()
{
    QTest::addColumn<int>("id"); // a ReferenceId, or kPlannerWindow
    QTest::addColumn<QSize>("size");

    row("Form2", int(diagramWindow(Circuit::SingleLed)), QSize(137, 201));
    row("Form3", int(diagramWindow(Circuit::Series)), QSize(137, 265));
    row("Form4", int(diagramWindow(Circuit::Parallel)), QSize(241, 265));
    row("Form5", int(ReferenceId::LedVoltages), QSize(225, 145));
    row("Form6", int(ReferenceId::StandardValues), QSize(602, 205));
    row("Form7", int(ReferenceId::PowerRatings), QSize(161, 209));
    row("Form8, the planner", kPlannerWindow, QSize(834, 384));
}

// A utility window with no owner and no taskbar entry, that asks for neither minimise nor
// maximise and cannot be resized; centred; the window manager's close command closes it.
// (openbox offers minimise for every window whatever the hints ask, so that action is checked
// in the hints, not in the window manager's list.)
void TestReferenceX11::frameHints()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    QPointer<QWidget> window = pressForReal(id);
    QVERIFY(window);

    QVERIFY(xprop(*window, u"_NET_WM_WINDOW_TYPE"_s).contains(u"= _NET_WM_WINDOW_TYPE_UTILITY"_s));
    QVERIFY(xprop(*window, u"_NET_WM_STATE"_s).contains(u"_NET_WM_STATE_SKIP_TASKBAR"_s));
    QVERIFY(xprop(*window, u"WM_TRANSIENT_FOR"_s).contains(u"not found"_s));
    QVERIFY(!xprop(*window, u"WM_HINTS"_s).contains(u"window id"_s));
    const QString sizeText = u"%1 by %2"_s.arg(size.width()).arg(size.height());
    const QString hints = xprop(*window, u"WM_NORMAL_HINTS"_s);
    QVERIFY2(hints.contains(u"minimum size: "_s + sizeText) &&
                 hints.contains(u"maximum size: "_s + sizeText),
             qPrintable(hints));
    const QString actions = xprop(*window, u"_NET_WM_ALLOWED_ACTIONS"_s);
    QVERIFY2(actions.contains(u"_NET_WM_ACTION_CLOSE"_s) &&
                 !actions.contains(u"_NET_WM_ACTION_MAXIMIZE"_s) &&
                 !actions.contains(u"_NET_WM_ACTION_RESIZE"_s),
             qPrintable(actions));
    const QList<uint> motif = motifHints(*window);
    QCOMPARE(motif.size(), 5);
    constexpr uint kMinimise = 0x8, kMaximise = 0x10, kClose = 0x20;
    QCOMPARE(motif[1] & (kMinimise | kMaximise | kClose), kClose);
    QVERIFY(!xprop(*window, u"_NET_WM_ICON"_s).contains(u"Icon (32 x 32)"_s));
    const QString info = runTool(u"xwininfo"_s, {u"-id"_s, QString::number(window->winId())});
    QVERIFY(info.contains(u"Width: %1"_s.arg(size.width())) &&
            info.contains(u"Height: %1"_s.arg(size.height())));
    QTRY_VERIFY((frameOf(window).center() - window->screen()->availableGeometry().center())
                    .manhattanLength() <= 2);

    closeByWindowManager(window);
    QTRY_VERIFY(window.isNull());
    QVERIFY(m_mainWindow->isVisible());
}

void TestReferenceX11::form1RaisedByAClickStacksAbove_data()
{
    QTest::addColumn<bool>("reference");
    QTest::addColumn<bool>("form1OnTop");
    row("reference window", true, true);
    // What the frame avoids: openbox keeps a utility window of the application's window group
    // above every other window of the group.
    row("utility window in the application's group, for contrast", false, false);
}

// A click on the main window's bare background, through the X server, makes openbox raise it; it
// then really stacks above an open reference window that it overlaps.
void TestReferenceX11::form1RaisedByAClickStacksAbove()
{
    QFETCH(bool, reference);
    QFETCH(bool, form1OnTop);
    QPointer<QWidget> window;
    if (reference) {
        window = pressForReal(int(diagramWindow(Circuit::SingleLed)));
    } else {
        window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(137, 201);
        window->move(m_mainWindow->geometry().center());
        runTool(u"xprop"_s,
                {u"-id"_s, QString::number(window->winId()), u"-f"_s, u"_NET_WM_WINDOW_TYPE"_s,
                 u"32a"_s, u"-set"_s, u"_NET_WM_WINDOW_TYPE"_s, u"_NET_WM_WINDOW_TYPE_UTILITY"_s});
        window->show();
        QTRY_VERIFY(window->windowHandle()->frameMargins().top() > 0);
    }
    QTRY_VERIFY(frameOf(window).intersects(frameOf(m_mainWindow)));
    QTRY_VERIFY(stacksAbove(window, m_mainWindow));

    QVERIFY(!m_mainWindow->childAt(700, 100));
    clickForReal(m_mainWindow, QPoint(700, 100)); // returns once openbox has handled the click
    QTRY_VERIFY(m_mainWindow->isActiveWindow());
    QCOMPARE(stacksAbove(m_mainWindow, window), form1OnTop);

    window->close();
    QTRY_VERIFY(window.isNull());
}

// Keys do nothing on a diagram window, which has no control to take them; a real click on the
// free margin closes it.
void TestReferenceX11::diagramWindowIgnoresKeysAndClosesOnAClick()
{
    QPointer<QWidget> window = pressForReal(int(diagramWindow(Circuit::Parallel)));
    QTRY_VERIFY(window->isActiveWindow());
    for (const QString &key : {u"Escape"_s, u"Return"_s, u"space"_s, u"Tab"_s, u"KP_Enter"_s})
        xdotool({u"key"_s, key});
    QVERIFY(window && window->isVisible());
    QTRY_VERIFY(window->isActiveWindow());
    clickForReal(window, QPoint(220, 250));
    QTRY_VERIFY(window.isNull());
    QVERIFY(m_mainWindow->isVisible());
}

QTEST_MAIN(TestReferenceX11)
#include "tst_reference_x11.moc"
