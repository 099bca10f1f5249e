// The LED array planner as a user meets it: opened by its button with the fields of the panel
// that computed last, a second press bringing the same window forward, fields typed over through
// the entry filters, Enter planning, the plan read back through "Copia" and the drawing's text
// alternative, the series chosen in the menu, "Cancella", and Esc closing the window.
#include "common/language.h"
#include "core/led_array.h"
#include "core/resistor_hints.h"
#include "data_row.h"
#include "led_array/led_array_words.h"
#include "reference/diagrams.h"
#include "reference/picture.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QScopeGuard>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

const QString kFields[] = {u"txt_AlCirc"_s, u"txt_AlLed"_s, u"txt_CorrLed"_s, u"txt_NumLed"_s,
                           u"txt_Margine"_s};

// Whether the picture shows any line: a plan's wiring, not the bare background.
bool drawsLines(Picture *picture)
{
    const QImage image = picture->image().convertToFormat(QImage::Format_RGB32);
    const QRgb ink = diagramColours(picture->palette()).ink.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == ink)
                return true;
    return false;
}

} // namespace

class TestLedArrayWindow : public MainWindowTest {
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void countsTakeTheirPluralForm_data();
    void countsTakeTheirPluralForm();
};

void TestLedArrayWindow::plan_data()
{
    QTest::addColumn<QStringList>("typed"); // supply, LED voltage, current, count, margin
    QTest::addColumn<QString>("box");       // the error box's text; empty: none
    QTest::addColumn<QString>("words");     // the plan as "Copia" copies it; empty: none
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QString>("focused"); // the field at fault, focused after the box

    // The currents within the usual tolerances, and the ratings that cover their highest power.
    const QString tolerances =
        u"\nTolleranze: alimentazione ±5 %, tensione Led ±10 %, resistenza ±5 %"_s;
    row("three strings of 3 and one of 1", QStringList{u"12"_s, u"3,2"_s, u"20"_s, u"10"_s, {}},
        QString(),
        u"3 stringhe da 3 Led, resistenza 120 ohm, 48 mW (1/2 W)\n"
        "Valori standard E12:\n"
        "120 ohm (20 mA, da 6,67 a 34,7 mA): marrone, rosso, marrone, oro\n"
        "I Led possono essere sovraccaricati: meglio una tensione del circuito più alta, oppure "
        "un alimentatore a corrente costante.\n"
        "1 stringa da 1 Led, resistenza 440 ohm, 176 mW (1 W)\n"
        "Valori standard E12:\n"
        "390 ohm (22,6 mA, da 19,2 a 26,2 mA): arancione, bianco, marrone, oro\n"
        "470 ohm (18,7 mA, da 16 a 21,8 mA): giallo, viola, marrone, oro\n"
        "Totale: 4 stringhe, 80 mA, 960 mW dall'alimentazione\n"
        "Nei Led 640 mW, nelle resistenze 320 mW; rendimento 66,7 %"_s +
            tolerances,
        true, QString());
    row("margin typed, supply power in W", QStringList{u"12"_s, u"3,2"_s, u"20"_s, u"10"_s, u"3"_s},
        QString(),
        u"5 stringhe da 2 Led, resistenza 280 ohm, 112 mW (1/2 W)\n"
        "Valori standard E12:\n"
        "270 ohm (20,7 mA, da 15,4 a 26,7 mA): rosso, viola, marrone, oro\n"
        "330 ohm (17 mA, da 12,6 a 21,8 mA): arancione, arancione, marrone, oro\n"
        "Totale: 5 stringhe, 100 mA, 1,2 W dall'alimentazione\n"
        "Nei Led 640 mW, nelle resistenze 560 mW; rendimento 53,3 %"_s +
            tolerances,
        true, QString());
    row("no LED fits within the margin", QStringList{u"3,3"_s, u"3,1"_s, u"20"_s, u"5"_s, {}},
        QString(),
        u"Nessun Led ci sta con un margine di 0,33 V: serve una tensione del circuito più alta, "
        "oppure un alimentatore a corrente costante."_s,
        false, QString());
    row("no LEDs", QStringList{u"12"_s, u"2"_s, u"20"_s, u"0"_s, {}}, QString(),
        u"Con 0 Led non c'è niente da collegare: inserire in \"Numero Led\" almeno 1."_s, false,
        QString());
    row("current of 0", QStringList{u"12"_s, u"2"_s, u"0"_s, u"3"_s, {}},
        u"La corrente dei Led non può essere uguale a zero"_s, QString(), false, kFields[2]);
    row("empty field", QStringList{u"12"_s, {}, u"20"_s, u"3"_s, {}}, u"Una o più caselle vuote"_s,
        QString(), false, kFields[1]);
}

void TestLedArrayWindow::plan()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, box);
    QFETCH(QString, words);
    QFETCH(bool, drawn);
    QFETCH(QString, focused);

    // The planner starts from the fields of the panel that computed last.
    const WorkedExample &series = example(int(Circuit::Series));
    compute(mainWindow(), int(Circuit::Series), series.fields);
    click(mainWindow(), u"cmd_MatriceLed"_s);
    QPointer<QWidget> planner = openedLedArray();
    QVERIFY(planner);
    QVERIFY(waitUntilUsable(planner));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(control<QLineEdit>(*planner, kFields[i])->text(), series.fields[i]);
    click(mainWindow(), u"cmd_MatriceLed"_s);
    QCOMPARE(openedLedArray(), planner.data());

    // A plan first, which what follows replaces or empties; then every field typed over.
    auto *drawing = planner->findChild<Picture *>();
    QTest::keyClicks(control(*planner, kFields[3]), u"2"_s);
    QTest::keyClick(control(*planner, kFields[3]), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(drawsLines(drawing));
    for (int i = 0; i < 5; ++i) {
        QWidget *field = control(*planner, kFields[i]);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed[i]);
    }
    const BoxSeen seen =
        closeBoxesDuring([&] { QTest::keyClick(control(*planner, kFields[4]), Qt::Key_Return); });
    QCOMPARE(seen.text, box);
    QCOMPARE(drawing->accessibleDescription(), words);
    QCOMPARE(drawsLines(drawing), drawn);
    if (!focused.isEmpty())
        QCOMPARE(planner->focusWidget()->objectName(), focused);

    QGuiApplication::clipboard()->setText(u"before"_s);
    auto *plan = control(*planner, u"lbl_Piano"_s);
    auto openMenu = [&] {
        QTest::mouseClick(planner->windowHandle(), Qt::RightButton, {},
                          plan->mapTo(planner, plan->rect().center()));
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    QMenu *menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->isEnabled(), !words.isEmpty());
    if (words.isEmpty()) {
        menu->close();
    } else {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        // On Wayland the clipboard is the compositor's, and lent only to the client it gives
        // the keyboard focus; a headless compositor has no keyboard.
        if (!ui::onWayland())
            QCOMPARE(QGuiApplication::clipboard()->text(), words);
    }

    // The series the main window's panels use, chosen here, words the values anew.
    if (drawn) {
        menu = openMenu();
        QVERIFY(menu);
        menu->actions().at(3)->trigger(); // "Serie E24", after "Copia", a separator and E12
        QVERIFY(drawing->accessibleDescription().contains(u"Valori standard E24:\n"_s));
    }

    // "Cancella" empties the fields and the plan.
    click(*planner, u"cmd_Canc"_s);
    for (const QString &name : kFields)
        QCOMPARE(control<QLineEdit>(*planner, name)->text(), QString());
    QCOMPARE(drawing->accessibleDescription(), QString());

    QTest::keyClick(control(*planner, kFields[0]), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(planner.isNull());
}

// A kind of string's line in each language, each count singular or plural, one beyond int too.
void TestLedArrayWindow::countsTakeTheirPluralForm_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("strings");
    QTest::addColumn<double>("leds");
    QTest::addColumn<QString>("line");

    row("it, beyond int", u"it"_s, 3e12, 2.0,
        u"3000000000000 stringhe da 2 Led, resistenza 440 ohm, 176 mW"_s);
    row("en, one of three", u"en"_s, 1.0, 3.0, u"1 string of 3 LEDs, resistor 440 ohm, 176 mW"_s);
    row("en, four of one", u"en"_s, 4.0, 1.0, u"4 strings of 1 LED, resistor 440 ohm, 176 mW"_s);
    row("de, one of two", u"de"_s, 1.0, 2.0, u"1 Strang zu 2 LEDs, Widerstand 440 Ohm, 176 mW"_s);
    row("de, beyond int", u"de"_s, 3e12, 1.0,
        u"3000000000000 Stränge zu 1 LED, Widerstand 440 Ohm, 176 mW"_s);
}

void TestLedArrayWindow::countsTakeTheirPluralForm()
{
    QFETCH(QString, language);
    QFETCH(double, strings);
    QFETCH(double, leds);
    QFETCH(QString, line);
    ui::useLanguage(language);
    const auto italianAgain = qScopeGuard([] { ui::useLanguage(ui::kItalian); });
    const StringKind kind{.leds = leds, .strings = strings, .resistance = 440, .power = 176};
    QCOMPARE(ui::stringKindLine(kind, ResistorHints{}), line);
}

QTEST_MAIN(TestLedArrayWindow)
#include "tst_led_array_window.moc"
