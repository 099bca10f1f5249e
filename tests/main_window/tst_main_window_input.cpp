// Typing into the real fields, copying a result, the drag decision, and ending the application.
#include "common/long_press.h"
#include "data_row.h"
#include "qtry.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPointer>
#include <QPointingDevice>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

// The main window with the window system's move replaced by a counter.
class RecordingMainWindow : public MainWindow {
public:
    int moves = 0;

protected:
    bool startWindowMove() override
    {
        ++moves;
        return true;
    }
};

// Keys for typing(): plain characters, or one of these named keys.
void press(QLineEdit *field, const QString &key)
{
    static const QMap<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named = {
        {u"<enter>"_s, {Qt::Key_Return, Qt::NoModifier}},
        {u"<escape>"_s, {Qt::Key_Escape, Qt::NoModifier}},
        {u"<backspace>"_s, {Qt::Key_Backspace, Qt::NoModifier}},
        {u"<delete>"_s, {Qt::Key_Delete, Qt::NoModifier}},
        {u"<left>"_s, {Qt::Key_Left, Qt::NoModifier}},
        {u"<home>"_s, {Qt::Key_Home, Qt::NoModifier}},
        {u"<end>"_s, {Qt::Key_End, Qt::NoModifier}},
        {u"<keypad.>"_s, {Qt::Key_Period, Qt::KeypadModifier}},
        {u"<ctrl+a>"_s, {Qt::Key_A, Qt::ControlModifier}},
        {u"<ctrl+z>"_s, {Qt::Key_Z, Qt::ControlModifier}},
        {u"<ctrl+b>"_s, {Qt::Key_B, Qt::ControlModifier}},
    };
    if (named.contains(key)) {
        const auto [code, modifiers] = named.value(key);
        QTest::keyClick(field, code, modifiers);
    } else if (key.size() == 1 && key[0].unicode() > 127) {
        // QTest types ASCII only; deliver the event a keyboard layout would.
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QCoreApplication::sendEvent(field, &event);
    } else {
        QTest::keyClicks(field, key);
    }
}

// On Wayland the compositor owns the clipboard and lends it only to the client that has the
// keyboard focus; a headless compositor has no keyboard, so there the clipboard stays out of reach.
const char *const kClipboardIsTheCompositors = "the compositor decides who may use the clipboard";

} // namespace

class TestMainWindowInput : public MainWindowTest {
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void enterAndEscapeTypeNothing();
    void copyAndPasteAreNotFiltered();
    void inputMethodCommitsAreFiltered_data();
    void inputMethodCommitsAreFiltered();
    void copyResult_data();
    void copyResult();
    void dragDecision_data();
    void dragDecision();
    void dragStartsOncePerPress();
    void closingEndsTheApplication();
    void closingAnotherWindowDoesNot();

private:
    MainWindow *createWindow() override { return new RecordingMainWindow; }
    RecordingMainWindow &recording() const
    {
        return static_cast<RecordingMainWindow &>(mainWindow());
    }
};

void TestMainWindowInput::typing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("expected");

    const QString decimal = u"txt_AlLed2"_s, count = u"txt_NumLed"_s;
    row("full stop becomes comma", decimal, QString(), false, QStringList{u"12.5"_s}, u"12,5"_s);
    row("second comma dropped", decimal, QString(), false, QStringList{u"1,2,3"_s}, u"1,23"_s);
    row("full stop after a comma dropped", decimal, u"3,3"_s, false, QStringList{u"."_s}, u"3,3"_s);
    row("keypad decimal key", u"txt_CorrLed"_s, u"1"_s, false, QStringList{u"<keypad.>"_s, u"5"_s},
        u"1,5"_s);
    row("comma over a selection holding one", decimal, u"3,3"_s, true, QStringList{u","_s},
        u"3,3"_s);
    row("digit replaces the selection", decimal, u"3,3"_s, true, QStringList{u"7"_s}, u"7"_s);
    row("comma in the middle", decimal, u"15"_s, false, QStringList{u"<left>"_s, u","_s}, u"1,5"_s);
    row("letters, blank and signs dropped", decimal, QString(), false, QStringList{u"a b+-E1"_s},
        u"1"_s);
    row("other control keys dropped", decimal, u"4"_s, false, QStringList{u"<ctrl+b>"_s}, u"4"_s);
    row("backspace in an empty field", decimal, QString(), false,
        QStringList{u"<backspace>"_s, u"<backspace>"_s}, QString());
    row("backspace", decimal, u"12"_s, false, QStringList{u"<backspace>"_s}, u"1"_s);
    row("delete and home keep their effect", decimal, u"123"_s, false,
        QStringList{u"<home>"_s, u"<delete>"_s, u"<end>"_s, u"9"_s}, u"239"_s);
    row("select all and undo keep their effect", decimal, u"12"_s, false,
        QStringList{u"<ctrl+a>"_s, u"5"_s, u"<ctrl+z>"_s}, u"12"_s);
    row("count takes digits only", count, QString(), false, QStringList{u"1.5,2a"_s}, u"152"_s);
    row("count keeps leading zeros", u"txt_NumLed2"_s, QString(), false, QStringList{u"007"_s},
        u"007"_s);
    row("non-ASCII letter dropped", decimal, QString(), false, QStringList{u"è"_s, u"5"_s}, u"5"_s);
}

void TestMainWindowInput::typing()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(bool, selectAll);
    QFETCH(QStringList, keys);
    QFETCH(QString, expected);

    auto *edit = control<QLineEdit>(recording(), field);
    edit->setFocus();
    edit->setText(start);
    if (selectAll)
        edit->selectAll();
    for (const QString &key : keys)
        press(edit, key);
    QCOMPARE(edit->text(), expected);
}

void TestMainWindowInput::enterAndEscapeTypeNothing()
{
    auto *edit = control<QLineEdit>(recording(), u"txt_AlCirc3"_s);
    int returns = 0;
    connect(edit, &QLineEdit::returnPressed, this, [&] { ++returns; });
    edit->setFocus();
    edit->setText(u"5"_s);
    const BoxSeen seen = closeBoxesDuring([&] {
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    QVERIFY(!seen.shown);
    QCOMPARE(edit->text(), u"5"_s);
    QCOMPARE(returns, 0);
    QCOMPARE(control<QLabel>(recording(), u"lbl_ResCalc3"_s)->text(), QString());
}

void TestMainWindowInput::copyAndPasteAreNotFiltered()
{
    if (ui::onWayland())
        QSKIP(kClipboardIsTheCompositors);
    auto *source = control<QLineEdit>(recording(), u"txt_AlCirc"_s);
    auto *count = control<QLineEdit>(recording(), u"txt_NumLed"_s);
    source->setText(u"2,5"_s);
    source->setFocus();
    QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(source, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"2,5"_s);

    count->setFocus();
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), u"2,5"_s);
    source->setFocus();
    QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(source, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(source->text(), QString());

    // A paste of any length is kept whole: past QLineEdit's usual 32767 characters the number
    // would otherwise change.
    const QString longNumber = u"1,"_s + QString(40000, u'0') + u"1"_s;
    QGuiApplication::clipboard()->setText(longNumber);
    count->clear();
    count->paste();
    QCOMPARE(count->text(), longNumber);

    // u"Calcola"_s then deals with whatever the fields hold.
    QGuiApplication::clipboard()->setText(u"12 V"_s);
    control<QLineEdit>(recording(), u"txt_AlCirc2"_s)->paste();
    const BoxSeen seen =
        closeBoxesDuring([&] { control<QPushButton>(recording(), u"cmd_Calcola2"_s)->click(); });
    QCOMPARE(seen.text, u"Una o più caselle vuote"_s);
}

void TestMainWindowInput::inputMethodCommitsAreFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");

    row("decimal field", u"txt_AlCirc"_s, QString(), u"1.5a"_s, u"1,5"_s);
    row("one comma over several commits", u"txt_AlCirc"_s, u"2,"_s, u",.3"_s, u"2,3"_s);
    row("count field", u"txt_NumLed2"_s, QString(), u"1,5"_s, u"15"_s);
    row("nothing left to insert", u"txt_AlLed"_s, u"7"_s, u"x"_s, u"7"_s);
}

void TestMainWindowInput::inputMethodCommitsAreFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, commit);
    QFETCH(QString, expected);

    auto *edit = control<QLineEdit>(recording(), field);
    edit->setFocus();
    edit->setText(start);
    QInputMethodEvent preedit(u"1"_s, {});
    QCoreApplication::sendEvent(edit, &preedit);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QCoreApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), expected);
}

void TestMainWindowInput::copyResult_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("byFinger");    // a long press of a finger, or else a right click
    QTest::addColumn<QString>("expected"); // empty: "Copia" greyed

    row("resistance", u"lbl_ResCalc2"_s, false, u"373,333333333333"_s);
    row("power", u"lbl_Watt2"_s, false, u"84"_s);
    row("empty result", u"lbl_ResCalc"_s, false, QString());
    row("power, long press", u"lbl_Watt2"_s, true, u"84"_s);
}

void TestMainWindowInput::copyResult()
{
    QFETCH(QString, label);
    QFETCH(bool, byFinger);
    QFETCH(QString, expected);

    for (const auto &[name, text] : {std::pair{u"txt_AlCirc2"_s, u"12"_s},
                                     {u"txt_AlLed2"_s, u"3,2"_s},
                                     {u"txt_CorrLed2"_s, u"15"_s},
                                     {u"txt_NumLed"_s, u"2"_s}})
        control<QLineEdit>(recording(), name)->setText(text);
    control<QPushButton>(recording(), u"cmd_Calcola2"_s)->click();
    QGuiApplication::clipboard()->setText(u"before"_s);

    // A right click through the window, so Qt turns it into a context-menu request (on the
    // press, or on Windows on the release); moving on over the background then must not drag
    // the window, and the menu is open after the release.
    auto *result = control<QLabel>(recording(), label);
    const QPoint at = result->mapTo(&recording(), result->rect().center());
    if (byFinger) {
        // Held still: nothing until the long press is over, then the menu at the finger. Half
        // the long press is waited out as time: holding the finger still for a while is the
        // behaviour under test, and no event marks it.
        static QPointingDevice *const finger = QTest::createTouchDevice();
        QTest::touchEvent(&recording(), finger).press(0, at);
        QTest::qWait(ui::kLongPressMs / 2);
        QVERIFY(!QApplication::activePopupWidget());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::touchEvent(&recording(), finger).release(0, at);
    } else {
        QTest::mousePress(recording().windowHandle(), Qt::RightButton, {}, at);
        QTest::mouseMove(&recording(), QPoint(700, 100));
        QTest::mouseRelease(recording().windowHandle(), Qt::RightButton, {}, at);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(recording().moves, 0);
    QVERIFY(menu);
    // A separator, the series, another separator and "Tolleranze…" follow
    // (tst_main_window_panels).
    QCOMPARE(menu->actions().size(), 7);
    QCOMPARE(menu->actions().first()->text(), u"&Copia"_s);
    QCOMPARE(menu->actions().first()->isEnabled(), !expected.isEmpty());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    if (expected.isEmpty()) {
        menu->close();
        return;
    }
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(!QApplication::activePopupWidget());
    if (ui::onWayland())
        QSKIP(kClipboardIsTheCompositors);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
}

void TestMainWindowInput::dragDecision_data()
{
    QTest::addColumn<QString>("pressOn");    // control name, or empty for the bare background
    QTest::addColumn<QList<int>>("buttons"); // pressed in this order before the move
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("moves");

    const int none = Qt::NoModifier;
    row("left alone", QString(), QList<int>{Qt::LeftButton}, none, 1);
    row("left with shift", QString(), QList<int>{Qt::LeftButton}, int(Qt::ShiftModifier), 1);
    row("left with ctrl", QString(), QList<int>{Qt::LeftButton}, int(Qt::ControlModifier), 1);
    row("left and right", QString(), QList<int>{Qt::LeftButton, Qt::RightButton}, none, 0);
    row("right and left", QString(), QList<int>{Qt::RightButton, Qt::LeftButton}, none, 0);
    row("right", QString(), QList<int>{Qt::RightButton}, none, 0);
    row("middle", QString(), QList<int>{Qt::MiddleButton}, none, 0);
    row("no button", QString(), QList<int>{}, none, 0);
    row("press on a row label", u"lbl_AlCirc"_s, QList<int>{Qt::LeftButton}, none, 0);
    row("press on a result label", u"lbl_Watt2"_s, QList<int>{Qt::LeftButton}, none, 0);
    row("press on a heading", u"lbl_DL3"_s, QList<int>{Qt::LeftButton}, none, 0);
    row("press on a note line", u"Label2"_s, QList<int>{Qt::LeftButton}, none, 0);
    row("press on a field", u"txt_CorrLed"_s, QList<int>{Qt::LeftButton}, none, 0);
    row("press on a button", u"cmd_Schema2"_s, QList<int>{Qt::LeftButton}, none, 0);
}

void TestMainWindowInput::dragDecision()
{
    QFETCH(QString, pressOn);
    QFETCH(QList<int>, buttons);
    QFETCH(int, modifiers);
    QFETCH(int, moves);

    // The press goes to the control under the pointer, as the toolkit delivers it (labels
    // ignore it and it reaches the main window); the pointer then moves over bare background.
    const QPoint bare(700, 100);
    QVERIFY(!recording().childAt(bare));
    QWidget *target = pressOn.isEmpty() ? &recording() : control(recording(), pressOn);
    const QPoint start = pressOn.isEmpty() ? bare : target->rect().center();
    const auto mods = Qt::KeyboardModifiers(modifiers);
    for (int button : buttons)
        QTest::mousePress(target, Qt::MouseButton(button), mods, start);
    QTest::mouseMove(&recording(), target->mapTo(&recording(), start) + QPoint(3, 3));
    QTest::mouseMove(&recording(), bare + QPoint(5, 20));
    QCOMPARE(recording().moves, moves);
    for (int button : buttons)
        QTest::mouseRelease(&recording(), Qt::MouseButton(button), mods, bare + QPoint(5, 20));
}

void TestMainWindowInput::dragStartsOncePerPress()
{
    const QPoint bare(700, 100);
    QTest::mousePress(&recording(), Qt::LeftButton, {}, bare);
    QTest::mouseMove(&recording(), bare + QPoint(2, 0));
    QTest::mouseMove(&recording(), bare + QPoint(4, 0));
    QCOMPARE(recording().moves, 1);
    QTest::mouseRelease(&recording(), Qt::LeftButton, {}, bare + QPoint(4, 0));
    QTest::mouseMove(&recording(), bare + QPoint(9, 0));
    QCOMPARE(recording().moves, 1);

    QTest::mousePress(&recording(), Qt::LeftButton, {}, bare);
    QTest::mouseMove(&recording(), bare + QPoint(0, 2));
    QCOMPARE(recording().moves, 2);
    QTest::mouseRelease(&recording(), Qt::LeftButton, {}, bare);
}

void TestMainWindowInput::closingEndsTheApplication()
{
    QPointer<QWidget> others[] = {new QWidget, new QWidget};
    for (QWidget *w : others) {
        w->setWindowTitle(u"other window"_s);
        w->show();
    }
    QCOMPARE(exitCodeOfClosing(&recording()), 0);
    QVERIFY(!recording().isVisible());
    for (const QPointer<QWidget> &w : others)
        QVERIFY(w.isNull());
}

void TestMainWindowInput::closingAnotherWindowDoesNot()
{
    auto *other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    bool mainWindowStillOpen = false;
    // Looked at once the other window is closed and deleted, after whatever its closing posted
    // (a quit included) has run.
    QObject::connect(other, &QObject::destroyed, &recording(), [&] {
        QTimer::singleShot(0, &recording(), [&] {
            mainWindowStillOpen = recording().isVisible();
            QCoreApplication::exit(7);
        });
    });
    QTimer::singleShot(0, other, &QWidget::close);
    QTimer guard; // 99 when the other window is never deleted
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 7);
    QVERIFY(mainWindowStillOpen);
}

QTEST_MAIN(TestMainWindowInput)
#include "tst_main_window_input.moc"
