// The six reference windows: the opening rule, the main window's buttons that open them, the
// frame, the contents of the table windows, and what closes them.
#include "reference/open_references.h"

#include "data_row.h"
#include "qtry.h"
#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReferenceId)

namespace {

QList<QWidget *> visibleWindowsNamed(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            found << window;
    return found;
}

QPoint frameCentreOffset(const QWidget *window)
{
    return window->frameGeometry().center() - window->screen()->availableGeometry().center();
}

} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeReferenceWindows(); }

    void openingRule_data();
    void openingRule();
    void buttonsOpenTheirWindowsBesideAUsableMainWindow();
    void pictures_data();
    void pictures();
    void tableRows_data();
    void tableRows();
    void okButton_data();
    void okButton();
    void clicks_data();
    void clicks();
    void keys_data();
    void keys();
};

namespace {

// Opens the window through the opening rule, as its button does, and returns it.
QWidget *openShown(ReferenceId id)
{
    openReference(id);
    return openedReference(id);
}

} // namespace

void TestReferenceWindows::openingRule_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");

    row("Schema 1", diagramWindow(Circuit::SingleLed), u"Led singolo"_s, QSize(137, 201));
    row("Schema 2", diagramWindow(Circuit::Series), u"Led in serie"_s, QSize(137, 265));
    row("Schema 3", diagramWindow(Circuit::Parallel), u"Led in parallelo"_s, QSize(241, 265));
    row("Tensione Led", ReferenceId::LedVoltages, u"Tensione di alimentazione dei Led"_s,
        QSize(225, 145));
    row("Valori standard", ReferenceId::StandardValues, u"Valori standard delle resistenze"_s,
        QSize(602, 205));
    row("Potenza max res.", ReferenceId::PowerRatings, u"Max potenza dissipabile"_s,
        QSize(161, 209));
}

// The first press builds a fixed-size, ownerless window, centred. A second press activates that
// same window where the user moved it, even from minimised. Closed, it is destroyed; the next press
// builds it afresh, centred again.
void TestReferenceWindows::openingRule()
{
    QFETCH(ReferenceId, id);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    // On Wayland the compositor places every window, and a client can neither move its windows
    // nor learn where they are: there the positions are not checked.
    const bool placedByUs = !ui::onWayland();
    QPointer<QWidget> first = openShown(id);
    QVERIFY(waitUntilUsable(first));
    QCOMPARE(first->windowTitle(), caption);
    QCOMPARE(first->minimumSize(), size);
    QCOMPARE(first->maximumSize(), size);
    QVERIFY(!first->parentWidget());
    QVERIFY(
        !(first->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    if (placedByUs)
        QTRY_VERIFY(frameCentreOffset(first).manhattanLength() <= 2);
    // Where the system has tool-window frames (Windows), one, which it leaves off the taskbar.
    QVERIFY(toolWindowOffTaskbar(first).value_or(true));

    first->move(first->pos() + QPoint(-40, 60));
    const QPoint moved = first->pos();
    first->showMinimized();
    QVERIFY(first->isMinimized());
    QCOMPARE(openShown(id), first.data());
    QVERIFY(waitUntilUsable(first));
    QVERIFY(!first->isMinimized());
    if (placedByUs)
        QCOMPARE(first->pos(), moved);
    QCOMPARE(visibleWindowsNamed(first->objectName()).size(), 1);

    first->close();
    QTRY_VERIFY(first.isNull());
    QWidget *again = openShown(id);
    QVERIFY(QTest::qWaitForWindowExposed(again));
    if (placedByUs)
        QTRY_VERIFY(frameCentreOffset(again).manhattanLength() <= 2);
}

// Each button of the main window opens its window; all six are open at once, each on its own,
// and the main window still computes. Closing one leaves the rest and the application running;
// closing the main window closes them all.
void TestReferenceWindows::buttonsOpenTheirWindowsBesideAUsableMainWindow()
{
    const std::pair<QString, QString> kOpeners[] = {
        {u"cmd_Schema1"_s, u"Form2"_s},   {u"cmd_Schema2"_s, u"Form3"_s},
        {u"cmd_Schema3"_s, u"Form4"_s},   {u"cmd_TensLed"_s, u"Form5"_s},
        {u"cmd_ValResStd"_s, u"Form6"_s}, {u"cmd_PotMaxRes"_s, u"Form7"_s},
    };
    Shown<MainWindow> mainWindow;
    QVERIFY(mainWindow.usable());
    QList<QPointer<QWidget>> windows;
    for (const auto &[button, window] : kOpeners) {
        click(*mainWindow, button);
        const QList<QWidget *> opened = visibleWindowsNamed(window);
        QCOMPARE(opened.size(), 1);
        windows << opened[0];
    }
    mainWindow->activateWindow();
    QVERIFY(mainWindow.usable());
    compute(*mainWindow, 0, example(0).fields);
    QCOMPARE(panelTexts(*mainWindow, 0)[4], example(0).resistance);

    windows[1]->close();
    QTRY_VERIFY(windows[1].isNull());
    for (const QPointer<QWidget> &window : windows)
        QCOMPARE(window && window->isVisible(), window != windows[1]);

    QCOMPARE(exitCodeOfClosing(mainWindow.get()), 0);
    for (const QPointer<QWidget> &window : windows)
        QVERIFY(window.isNull());
}

void TestReferenceWindows::pictures_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("geometry");

    row("Form2", diagramWindow(Circuit::SingleLed), u"img_DL1"_s, QRect(40, 24, 61, 157));
    row("Form3", diagramWindow(Circuit::Series), u"img_DL2"_s, QRect(40, 24, 61, 217));
    row("Form4", diagramWindow(Circuit::Parallel), u"img_DL3"_s, QRect(40, 24, 165, 217));
    row("Form6", ReferenceId::StandardValues, u"Image1"_s, QRect(0, 0, 602, 205));
}

// One picture at its natural size and nothing that takes the focus.
void TestReferenceWindows::pictures()
{
    QFETCH(ReferenceId, id);
    QFETCH(QString, picture);
    QFETCH(QRect, geometry);
    QWidget *window = openShown(id);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    QCOMPARE(children.size(), 1);
    QCOMPARE(children[0]->objectName(), picture);
    QCOMPARE(children[0]->geometry(), geometry);
    QCOMPARE(children[0]->focusPolicy(), Qt::NoFocus);
    QVERIFY(waitUntilUsable(window));
    QVERIFY(!window->focusWidget());
}

void TestReferenceWindows::tableRows_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("bold");    // name, caption, Left in twips
    QTest::addColumn<QStringList>("regular"); // name, caption, Left in twips

    const auto f5 = ReferenceId::LedVoltages, f7 = ReferenceId::PowerRatings;
    row("red", f5, 1, QStringList{u"lbl_Lrosso"_s, u"Led rosso:"_s, u"120"_s},
        QStringList{u"lbl_Tens1"_s, u"1,8 V"_s, u"1320"_s});
    row("green", f5, 2, QStringList{u"lbl_Lverde"_s, u"Led verde:"_s, u"120"_s},
        QStringList{u"lbl_Tens2"_s, u"2 V"_s, u"1320"_s});
    row("yellow above orange", f5, 3, QStringList{u"lbl_Lgiallo"_s, u"Led giallo:"_s, u"120"_s},
        QStringList{u"lbl_Tens3"_s, u"1,9 V"_s, u"1320"_s});
    row("orange", f5, 4, QStringList{u"lbl_Larancio"_s, u"Led arancio:"_s, u"120"_s},
        QStringList{u"lbl_Tens4"_s, u"2 V"_s, u"1320"_s});
    row("blue", f5, 5, QStringList{u"lbl_Lblu"_s, u"Led blu:"_s, u"120"_s},
        QStringList{u"lbl_Tens5"_s, u"3 V"_s, u"1320"_s});
    row("white", f5, 6, QStringList{u"lbl_Lbianco"_s, u"Led bianco:"_s, u"120"_s},
        QStringList{u"lbl_Tens6"_s, u"3 V"_s, u"1320"_s});
    row("1/8 W", f7, 1, QStringList{u"lbl_WRes1"_s, u"1/8 W ="_s, u"120"_s},
        QStringList{u"lbl_PotRes1"_s, u"125 mW"_s, u"1200"_s});
    row("1/4 W", f7, 2, QStringList{u"lbl_WRes2"_s, u"1/4 W ="_s, u"120"_s},
        QStringList{u"lbl_PotRes2"_s, u"250 mW"_s, u"1200"_s});
    row("1/2 W", f7, 3, QStringList{u"lbl_WRes3"_s, u"1/2 W ="_s, u"120"_s},
        QStringList{u"lbl_PotRes3"_s, u"500 mW"_s, u"1200"_s});
    row("1 W", f7, 4, QStringList{u"lbl_WRes4"_s, u"1 W ="_s, u"315"_s},
        QStringList{u"lbl_PotRes4"_s, u"1000 mW"_s, u"1080"_s});
    row("2 W", f7, 5, QStringList{u"lbl_WRes5"_s, u"2 W ="_s, u"315"_s},
        QStringList{u"lbl_PotRes5"_s, u"2000 mW"_s, u"1080"_s});
    row("3 W", f7, 6, QStringList{u"lbl_WRes6"_s, u"3 W ="_s, u"315"_s},
        QStringList{u"lbl_PotRes6"_s, u"3000 mW"_s, u"1080"_s});
    row("5 W", f7, 7, QStringList{u"lbl_WRes7"_s, u"5 W ="_s, u"315"_s},
        QStringList{u"lbl_PotRes7"_s, u"5000 mW"_s, u"1080"_s});
    row("10 W", f7, 8, QStringList{u"lbl_WRes8"_s, u"10 W ="_s, u"210"_s},
        QStringList{u"lbl_PotRes8"_s, u"10000 mW"_s, u"960"_s});
    row("20 W", f7, 9, QStringList{u"lbl_WRes9"_s, u"20 W ="_s, u"210"_s},
        QStringList{u"lbl_PotRes9"_s, u"20000 mW"_s, u"960"_s});
    row("30 W", f7, 10, QStringList{u"lbl_WRes10"_s, u"30 W ="_s, u"210"_s},
        QStringList{u"lbl_PotRes10"_s, u"30000 mW"_s, u"960"_s});
}

// Each row: a bold and a regular label on the row's line (16 px apart from 8 px down), at
// their Left, fitted to their caption, opaque, left-aligned, without a border.
void TestReferenceWindows::tableRows()
{
    QFETCH(ReferenceId, id);
    QFETCH(int, row);
    QFETCH(QStringList, bold);
    QFETCH(QStringList, regular);
    QWidget *window = openShown(id);
    for (const bool isBold : {true, false}) {
        const QStringList &expected = isBold ? bold : regular;
        auto *label = window->findChild<QLabel *>(expected[0]);
        QVERIFY2(label, qPrintable(expected[0]));
        QCOMPARE(label->text(), expected[1]);
        QCOMPARE(label->font().bold(), isBold);
        const QFontMetrics metrics(label->font());
        QCOMPARE(label->geometry(),
                 QRect(expected[2].toInt() / 15, 8 + 16 * (row - 1),
                       metrics.horizontalAdvance(expected[1]), metrics.height()));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestReferenceWindows::okButton_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("labels");
    row("Form5", ReferenceId::LedVoltages, QRect(72, 112, 81, 25), 12);
    row("Form7", ReferenceId::PowerRatings, QRect(40, 176, 81, 25), 20);
}

// "OK" is the only control that takes focus, holds it on opening, and is no default button.
void TestReferenceWindows::okButton()
{
    QFETCH(ReferenceId, id);
    QFETCH(QRect, geometry);
    QFETCH(int, labels);
    QWidget *window = openShown(id);
    QVERIFY(waitUntilUsable(window));
    auto *ok = window->findChild<QPushButton *>(u"cmd_OK"_s);
    QVERIFY(ok);
    QCOMPARE(ok->text(), u"OK"_s);
    QCOMPARE(ok->geometry(), geometry);
    QCOMPARE(window->focusWidget(), ok);
    // The keyboard focus itself follows the active window, which on Wayland the compositor
    // chooses.
    if (!ui::onWayland())
        QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(!ok->isDefault());
    QVERIFY(!ok->autoDefault());
    QCOMPARE(window->findChildren<QLabel *>().size(), labels);
    for (QWidget *child : window->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy() == Qt::NoFocus, child != ok);
}

void TestReferenceWindows::clicks_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");

    const auto left = Qt::LeftButton;
    const auto f2 = diagramWindow(Circuit::SingleLed), f4 = diagramWindow(Circuit::Parallel),
               f5 = ReferenceId::LedVoltages;
    const auto f6 = ReferenceId::StandardValues, f7 = ReferenceId::PowerRatings;
    row("Form2: picture", f2, QPoint(60, 100), QPoint(60, 100), left, true);
    row("Form2: margin above", f2, QPoint(70, 5), QPoint(70, 5), left, true);
    row("Form2: right button", f2, QPoint(60, 100), QPoint(60, 100), Qt::RightButton, false);
    row("Form2: press, drag off the window", f2, QPoint(60, 100), QPoint(300, 100), left, false);
    row("Form4: picture corner", f4, QPoint(204, 240), QPoint(204, 240), left, true);
    row("Form5: colour label", f5, QPoint(12, 14), QPoint(12, 14), left, false);
    row("Form5: right of the voltages", f5, QPoint(200, 40), QPoint(200, 40), left, true);
    row("Form5: beside OK", f5, QPoint(30, 120), QPoint(30, 120), left, true);
    row("Form5: press on background, release on a label", f5, QPoint(200, 12), QPoint(12, 12), left,
        false);
    row("Form6: top left cell", f6, QPoint(1, 1), QPoint(1, 1), left, true);
    row("Form6: bottom right corner", f6, QPoint(601, 204), QPoint(601, 204), left, true);
    row("Form7: rating label", f7, QPoint(12, 12), QPoint(12, 12), left, false);
    row("Form7: between the columns", f7, QPoint(59, 60), QPoint(59, 60), left, true);
    row("Form7: beside OK", f7, QPoint(140, 190), QPoint(140, 190), left, true);
}

// Presses and releases go where a user's would: to the control under the pointer, or to the
// window itself on its bare background.
void TestReferenceWindows::clicks()
{
    QFETCH(ReferenceId, id);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);
    QPointer<QWidget> window = openShown(id);
    QVERIFY(waitUntilUsable(window));
    auto target = [&](QPoint at) {
        QWidget *child = window->childAt(at);
        return std::pair{child ? child : window.data(), child ? child->mapFrom(window, at) : at};
    };
    const auto [pressed, pressAt] = target(press);
    QTest::mousePress(pressed, button, {}, pressAt);
    // The pressed widget keeps the mouse until the release, wherever it happens.
    QTest::mouseRelease(pressed, button, {}, pressed->mapFrom(window, release));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window.isNull(), closes);
}

void TestReferenceWindows::keys_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("closes");

    row("Form2: Escape", diagramWindow(Circuit::SingleLed), Qt::Key_Escape, false);
    row("Form4: Space", diagramWindow(Circuit::Parallel), Qt::Key_Space, false);
    row("Form6: Escape", ReferenceId::StandardValues, Qt::Key_Escape, false);
    row("Form5: Return on OK", ReferenceId::LedVoltages, Qt::Key_Return, true);
    row("Form5: keypad Enter on OK", ReferenceId::LedVoltages, Qt::Key_Enter, true);
    row("Form5: Space on OK", ReferenceId::LedVoltages, Qt::Key_Space, true);
    row("Form5: Escape", ReferenceId::LedVoltages, Qt::Key_Escape, false);
    row("Form7: Return on OK", ReferenceId::PowerRatings, Qt::Key_Return, true);
    row("Form7: Escape", ReferenceId::PowerRatings, Qt::Key_Escape, false);
    row("Form7: Tab stays on OK", ReferenceId::PowerRatings, Qt::Key_Tab, false);
}

// Keys reach the focused control, or the window when none has the focus.
void TestReferenceWindows::keys()
{
    QFETCH(ReferenceId, id);
    QFETCH(Qt::Key, key);
    QFETCH(bool, closes);
    QPointer<QWidget> window = openShown(id);
    QVERIFY(waitUntilUsable(window));
    QWidget *focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window.data(), key);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window.isNull(), closes);
    if (!closes)
        QCOMPARE(window->focusWidget(), focus);
}

QTEST_MAIN(TestReferenceWindows)
#include "tst_reference_windows.moc"
