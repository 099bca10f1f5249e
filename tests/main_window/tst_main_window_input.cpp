// Typing into the real fields, copying a result, the drag decision, and ending the application.
#include "data_row.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPointer>
#include <QtTest>

using namespace varelux;

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
        {"<enter>", {Qt::Key_Return, Qt::NoModifier}},
        {"<escape>", {Qt::Key_Escape, Qt::NoModifier}},
        {"<backspace>", {Qt::Key_Backspace, Qt::NoModifier}},
        {"<delete>", {Qt::Key_Delete, Qt::NoModifier}},
        {"<left>", {Qt::Key_Left, Qt::NoModifier}},
        {"<home>", {Qt::Key_Home, Qt::NoModifier}},
        {"<end>", {Qt::Key_End, Qt::NoModifier}},
        {"<keypad.>", {Qt::Key_Period, Qt::KeypadModifier}},
        {"<ctrl+a>", {Qt::Key_A, Qt::ControlModifier}},
        {"<ctrl+z>", {Qt::Key_Z, Qt::ControlModifier}},
        {"<ctrl+b>", {Qt::Key_B, Qt::ControlModifier}},
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

    const QString decimal = "txt_AlLed2", count = "txt_NumLed";
    row("full stop becomes comma", decimal, QString(), false, QStringList{"12.5"}, QString("12,5"));
    row("second comma dropped", decimal, QString(), false, QStringList{"1,2,3"}, QString("1,23"));
    row("full stop after a comma dropped", decimal, QString("3,3"), false, QStringList{"."},
        QString("3,3"));
    row("keypad decimal key", QString("txt_CorrLed"), QString("1"), false,
        QStringList{"<keypad.>", "5"}, QString("1,5"));
    row("comma over a selection holding one", decimal, QString("3,3"), true, QStringList{","},
        QString("3,3"));
    row("digit replaces the selection", decimal, QString("3,3"), true, QStringList{"7"},
        QString("7"));
    row("comma in the middle", decimal, QString("15"), false, QStringList{"<left>", ","},
        QString("1,5"));
    row("letters, blank and signs dropped", decimal, QString(), false, QStringList{"a b+-E1"},
        QString("1"));
    row("other control keys dropped", decimal, QString("4"), false, QStringList{"<ctrl+b>"},
        QString("4"));
    row("backspace in an empty field", decimal, QString(), false,
        QStringList{"<backspace>", "<backspace>"}, QString());
    row("backspace", decimal, QString("12"), false, QStringList{"<backspace>"}, QString("1"));
    row("delete and home keep their effect", decimal, QString("123"), false,
        QStringList{"<home>", "<delete>", "<end>", "9"}, QString("239"));
    row("select all and undo keep their effect", decimal, QString("12"), false,
        QStringList{"<ctrl+a>", "5", "<ctrl+z>"}, QString("12"));
    row("count takes digits only", count, QString(), false, QStringList{"1.5,2a"}, QString("152"));
    row("count keeps leading zeros", QString("txt_NumLed2"), QString(), false, QStringList{"007"},
        QString("007"));
    row("non-ASCII letter dropped", decimal, QString(), false, QStringList{"è", "5"}, QString("5"));
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
    auto *edit = control<QLineEdit>(recording(), "txt_AlCirc3");
    int returns = 0;
    connect(edit, &QLineEdit::returnPressed, this, [&] { ++returns; });
    edit->setFocus();
    edit->setText("5");
    const BoxSeen seen = closeBoxesDuring([&] {
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    QVERIFY(!seen.shown);
    QCOMPARE(edit->text(), QString("5"));
    QCOMPARE(returns, 0);
    QCOMPARE(control<QLabel>(recording(), "lbl_ResCalc3")->text(), QString());
}

void TestMainWindowInput::copyAndPasteAreNotFiltered()
{
    if (ui::onWayland())
        QSKIP(kClipboardIsTheCompositors);
    auto *source = control<QLineEdit>(recording(), "txt_AlCirc");
    auto *count = control<QLineEdit>(recording(), "txt_NumLed");
    source->setText("2,5");
    source->setFocus();
    QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(source, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("2,5"));

    count->setFocus();
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QString("2,5"));
    source->setFocus();
    QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(source, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(source->text(), QString());

    // A paste of any length is kept whole: past QLineEdit's usual 32767 characters the number
    // would otherwise change.
    const QString longNumber = "1," + QString(40000, '0') + "1";
    QGuiApplication::clipboard()->setText(longNumber);
    count->clear();
    count->paste();
    QCOMPARE(count->text(), longNumber);

    // "Calcola" then deals with whatever the fields hold.
    QGuiApplication::clipboard()->setText("12 V");
    control<QLineEdit>(recording(), "txt_AlCirc2")->paste();
    const BoxSeen seen =
        closeBoxesDuring([&] { control<QPushButton>(recording(), "cmd_Calcola2")->click(); });
    QCOMPARE(seen.text, QString("Una o più caselle vuote"));
}

void TestMainWindowInput::inputMethodCommitsAreFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");

    row("decimal field", QString("txt_AlCirc"), QString(), QString("1.5a"), QString("1,5"));
    row("one comma over several commits", QString("txt_AlCirc"), QString("2,"), QString(",.3"),
        QString("2,3"));
    row("count field", QString("txt_NumLed2"), QString(), QString("1,5"), QString("15"));
    row("nothing left to insert", QString("txt_AlLed"), QString("7"), QString("x"), QString("7"));
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
    QInputMethodEvent preedit("1", {});
    QCoreApplication::sendEvent(edit, &preedit);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QCoreApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), expected);
}

void TestMainWindowInput::copyResult_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected"); // empty: no menu

    row("resistance", QString("lbl_ResCalc2"), QString("373,333333333333"));
    row("power", QString("lbl_Watt2"), QString("84"));
    row("empty result", QString("lbl_ResCalc"), QString());
}

void TestMainWindowInput::copyResult()
{
    QFETCH(QString, label);
    QFETCH(QString, expected);

    for (const auto &[name, text] : {std::pair{"txt_AlCirc2", "12"},
                                     {"txt_AlLed2", "3,2"},
                                     {"txt_CorrLed2", "15"},
                                     {"txt_NumLed", "2"}})
        control<QLineEdit>(recording(), name)->setText(text);
    control<QPushButton>(recording(), "cmd_Calcola2")->click();
    QGuiApplication::clipboard()->setText("before");

    // A right click through the window, so Qt turns it into a context-menu request (on the
    // press, or on Windows on the release); moving on over the background then must not drag
    // the window, and the menu is open after the release.
    auto *result = control<QLabel>(recording(), label);
    const QPoint at = result->mapTo(&recording(), result->rect().center());
    QTest::mousePress(recording().windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseMove(&recording(), QPoint(700, 100));
    QTest::mouseRelease(recording().windowHandle(), Qt::RightButton, {}, at);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(recording().moves, 0);
    QCOMPARE(menu != nullptr, !expected.isEmpty());
    if (!menu)
        return;
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QString("&Copia"));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
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
    row("press on a row label", QString("lbl_AlCirc"), QList<int>{Qt::LeftButton}, none, 0);
    row("press on a result label", QString("lbl_Watt2"), QList<int>{Qt::LeftButton}, none, 0);
    row("press on a heading", QString("lbl_DL3"), QList<int>{Qt::LeftButton}, none, 0);
    row("press on a note line", QString("Label2"), QList<int>{Qt::LeftButton}, none, 0);
    row("press on a field", QString("txt_CorrLed"), QList<int>{Qt::LeftButton}, none, 0);
    row("press on a button", QString("cmd_Schema2"), QList<int>{Qt::LeftButton}, none, 0);
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
        w->setWindowTitle("other window");
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
    QTimer::singleShot(0, other, &QWidget::close);
    QTimer::singleShot(50, &recording(), [&] {
        mainWindowStillOpen = recording().isVisible();
        QCoreApplication::exit(7);
    });
    QCOMPARE(QApplication::exec(), 7);
    QVERIFY(mainWindowStillOpen);
}

QTEST_MAIN(TestMainWindowInput)
#include "tst_main_window_input.moc"
