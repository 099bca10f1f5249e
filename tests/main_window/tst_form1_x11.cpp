// The main window as a real window manager sees it: title, client size, centring, and that
// it can be neither resized nor maximised.
#include "common/window_look.h"
#include "form1_fixture.h"

#include <QProcess>
#include <QScreen>
#include <QtTest>

using namespace varelux;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString xprop(const QWidget &window, const QString &property)
{
    return run("xprop", {"-id", QString::number(window.winId()), property});
}

} // namespace

class TestForm1X11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void titledFixedClientArea();
    void centredOnTheScreen();
    void cannotBeResizedOrMaximised();

private:
    Form1 *m_form = nullptr;
};

void TestForm1X11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_form = new Form1;
    ui::centreOnScreen(m_form);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QTRY_VERIFY(m_form->frameGeometry().size() != m_form->size()); // framed by the manager
}

void TestForm1X11::cleanupTestCase() { delete m_form; }

void TestForm1X11::titledFixedClientArea()
{
    QVERIFY(xprop(*m_form, "_NET_WM_NAME").contains("\"Varelux\""));
    const QString info = run("xwininfo", {"-id", QString::number(m_form->winId())});
    QVERIFY2(info.contains("Width: 713") && info.contains("Height: 337"), qPrintable(info));
    const QString hints = xprop(*m_form, "WM_NORMAL_HINTS");
    QVERIFY2(hints.contains("minimum size: 713 by 337") &&
                 hints.contains("maximum size: 713 by 337"),
             qPrintable(hints));
}

void TestForm1X11::centredOnTheScreen()
{
    const QRect area = m_form->screen()->availableGeometry();
    QTRY_VERIFY2((m_form->frameGeometry().center() - area.center()).manhattanLength() <= 2,
                 qPrintable(QString("frame %1,%2 %3x%4")
                                .arg(m_form->frameGeometry().x())
                                .arg(m_form->frameGeometry().y())
                                .arg(m_form->frameGeometry().width())
                                .arg(m_form->frameGeometry().height())));
}

void TestForm1X11::cannotBeResizedOrMaximised()
{
    const QString actions = xprop(*m_form, "_NET_WM_ALLOWED_ACTIONS");
    QVERIFY2(actions.contains("_NET_WM_ACTION_MINIMIZE") &&
                 actions.contains("_NET_WM_ACTION_CLOSE") &&
                 !actions.contains("_NET_WM_ACTION_MAXIMIZE") &&
                 !actions.contains("_NET_WM_ACTION_RESIZE"),
             qPrintable(actions));

    run("xdotool", {"windowsize", QString::number(m_form->winId()), "900", "500"});
    m_form->showMaximized();
    QTest::qWait(300);
    QCOMPARE(m_form->size(), QSize(713, 337));
}

QTEST_MAIN(TestForm1X11)
#include "tst_form1_x11.moc"
