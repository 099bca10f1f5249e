// The main window's layout: names, captions, the panel grid, fonts and colours, room for every
// label, the tab ring, what assistive technology reads, and the phone arrangement.
#include "common/fonts.h"
#include "common/language.h"
#include "common/phone_arrangement.h"
#include "common/texts.h"
#include "data_row.h"
#include "qtry.h"
#include "reference/diagrams.h"
#include "reference/picture.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

const QStringList kTabRing = {
    u"cmd_Schema1"_s, u"txt_AlCirc"_s,    u"txt_AlLed"_s,     u"txt_CorrLed"_s,   u"cmd_Calcola"_s,
    u"cmd_Canc"_s,    u"cmd_Schema2"_s,   u"txt_AlCirc2"_s,   u"txt_AlLed2"_s,    u"txt_CorrLed2"_s,
    u"txt_NumLed"_s,  u"cmd_Calcola2"_s,  u"cmd_Canc2"_s,     u"cmd_Schema3"_s,   u"txt_AlCirc3"_s,
    u"txt_AlLed3"_s,  u"txt_CorrLed3"_s,  u"txt_NumLed2"_s,   u"cmd_Calcola3"_s,  u"cmd_Canc3"_s,
    u"cmd_TensLed"_s, u"cmd_ValResStd"_s, u"cmd_PotMaxRes"_s, u"cmd_MatriceLed"_s};

// The parts of the panel grid that are the same size in every panel: all but the headings,
// fitted to their own captions, and the count row, which the single-LED panel lacks.
QList<PanelPart> sameInEveryPanel()
{
    QList<PanelPart> parts;
    for (int i = 0; i < kPanelPartCount; ++i)
        if (const PanelPart part = PanelPart(i);
            part != PanelPart::Heading && part != PanelPart::CountLabel && part != PanelPart::Count)
            parts << part;
    return parts;
}

QList<QWidget *> allControls(const QWidget &mainWindow)
{
    return mainWindow.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestMainWindowLayout : public MainWindowTest {
    Q_OBJECT

private slots:
    void windowFrame();
    void everyControlOnceWithItsCaption();
    void panelsShareOneGrid();
    void everyCircuitHasPanelDiagramAndWords();
    void fontsAndColoursByRole_data();
    void fontsAndColoursByRole();
    void controlsNeitherOverlapNorReachTheEdge();
    void captionsFitInEveryLanguage_data();
    void captionsFitInEveryLanguage();
    void resultLabelsKeepTheirSize();
    void phoneArrangement_data();
    void phoneArrangement();
    void tabRing();
    void enterAndEscapePressNothing();
    void screenReaderTexts();
    void toolkitTextsInItalian();
};

void TestMainWindowLayout::windowFrame()
{
    QCOMPARE(mainWindow().objectName(), u"Form1"_s);
    QCOMPARE(mainWindow().windowTitle(), u"Varelux"_s);
    QCOMPARE(mainWindow().size(), mainWindowFacts().size);
    QCOMPARE(mainWindow().minimumSize(), mainWindow().maximumSize());
    const Qt::WindowFlags flags = mainWindow().windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(mainWindow().windowIcon().availableSizes(),
             QList<QSize>({QSize(32, 32), QSize(16, 16)}));
}

void TestMainWindowLayout::everyControlOnceWithItsCaption()
{
    const QList<QWidget *> controls = allControls(mainWindow());
    QCOMPARE(controls.size(), 67);
    QCOMPARE(mainWindow().findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 43);
    QCOMPARE(mainWindow().findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly).size(),
             11);
    QCOMPARE(mainWindow().findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly).size(),
             13);

    // Each of the layout's names once: no control is missing, and no two share a name.
    QStringList expected;
    for (int panel = 0; panel < kCircuitCount; ++panel)
        for (int part = 0; part < kPanelPartCount; ++part)
            if (const QString name = controlName(Circuit(panel), PanelPart(part)); !name.isEmpty())
                expected << name;
    expected << u"cmd_TensLed"_s << u"cmd_ValResStd"_s << u"cmd_PotMaxRes"_s << u"cmd_MatriceLed"_s
             << u"Label1"_s << u"Label2"_s;
    QStringList names;
    for (QWidget *w : controls)
        names << w->objectName();
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 67);

    // Captions: how often each appears across the window.
    QMap<QString, int> captions;
    for (QWidget *w : controls) {
        if (auto *label = qobject_cast<QLabel *>(w))
            ++captions[label->text()];
        else if (auto *button = qobject_cast<QPushButton *>(w))
            ++captions[button->text()];
        else
            QVERIFY(qobject_cast<QLineEdit *>(w)->text().isEmpty());
    }
    const QMap<QString, int> expectedCaptions = {
        {u""_s, 6}, // result labels start empty
        {u"Led singolo"_s, 1},
        {u"Led in serie"_s, 1},
        {u"Led in parallelo"_s, 1},
        {u"Schema"_s, 3},
        {u"Tensione circuito:"_s, 3},
        {u"Tensione Led:"_s, 3},
        {u"Corrente Led:"_s, 3},
        {u"Numero Led:"_s, 2},
        {u"Volt"_s, 6},
        {u"mA"_s, 3},
        {u"Calcola"_s, 3},
        {u"Cancella"_s, 3},
        {u"Resistenza calcolata:"_s, 3},
        {u"Potenza dissipata:"_s, 3},
        {u"ohm"_s, 3},
        {u"mW"_s, 3},
        {u"Tensione Led"_s, 1},
        {u"Valori standard"_s, 1},
        {u"Potenza max res."_s, 1},
        {u"Matrice di Led"_s, 1},
        {u"Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la somma dei "
         "valori di tensione ogni singolo Led."_s,
         1},
        {u"Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" la somma dei "
         "valori di corrente di ogni singolo Led."_s,
         1}};
    QCOMPARE(captions, expectedCaptions);
}

void TestMainWindowLayout::panelsShareOneGrid()
{
    // The single-LED panel's anchors, in pixels (twips / 15).
    QCOMPARE(control(mainWindow(), u"lbl_DL1"_s)->pos(), QPoint(8, 8));
    QCOMPARE(control(mainWindow(), u"cmd_Schema1"_s)->geometry(), QRect(8, 40, 73, 25));
    QCOMPARE(control(mainWindow(), u"txt_AlCirc"_s)->geometry(), QRect(136, 80, 49, 19));
    QCOMPARE(control(mainWindow(), u"lbl_VCirc"_s)->pos(), QPoint(192, 80));
    QCOMPARE(control(mainWindow(), u"cmd_Canc"_s)->geometry(), QRect(88, 176, 73, 25));
    QCOMPARE(control(mainWindow(), u"lbl_ResCalc"_s)->geometry(), QRect(136, 216, 55, 19));
    QCOMPARE(control(mainWindow(), u"lbl_W"_s)->pos(), QPoint(200, 240));

    // The other panels are the same grid moved right by 240 px (3600 twips) per panel.
    for (int panel = 1; panel < kCircuitCount; ++panel) {
        const QPoint shift(240 * panel, 0);
        for (const PanelPart part : sameInEveryPanel()) {
            const QRect single =
                control(mainWindow(), controlName(Circuit::SingleLed, part))->geometry();
            QCOMPARE(control(mainWindow(), controlName(Circuit(panel), part))->geometry(),
                     single.translated(shift));
        }
        QCOMPARE(control(mainWindow(), controlName(Circuit(panel), PanelPart::Heading))->pos(),
                 QPoint(8, 8) + shift);
    }
    QCOMPARE(control(mainWindow(), u"txt_NumLed"_s)->geometry(), QRect(376, 152, 49, 19));
    QCOMPARE(control(mainWindow(), u"txt_NumLed2"_s)->geometry(), QRect(616, 152, 49, 19));
    QCOMPARE(control(mainWindow(), u"lbl_NumLed2"_s)->pos(), QPoint(488, 152));
    // Nothing in the single-LED panel's count row.
    for (QWidget *w : allControls(mainWindow()))
        QVERIFY2(!(w->x() < 248 && w->geometry().intersects(QRect(8, 152, 232, 19))),
                 qPrintable(w->objectName()));
}

void TestMainWindowLayout::everyCircuitHasPanelDiagramAndWords()
{
    QSet<QString> headings;
    for (const Circuit circuit : kAllCircuits) {
        const QString heading =
            control<QLabel>(mainWindow(), controlName(circuit, PanelPart::Heading))->text();
        QVERIFY(!heading.isEmpty());
        QCOMPARE(heading, ui::circuitHeading(circuit));
        headings << heading;
        QCOMPARE(!controlName(circuit, PanelPart::Count).isEmpty(),
                 circuitKind(circuit).severalLeds);

        // Its "Schema" opens its own diagram, captioned with its heading and read out in words.
        click(mainWindow(), controlName(circuit, PanelPart::SchemaButton));
        QWidget *diagram = openedReference(diagramWindow(circuit));
        QVERIFY(diagram);
        QCOMPARE(diagram->windowTitle(), heading);
        const auto pictures = diagram->findChildren<Picture *>();
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(pictures[0]->size(), diagramSize(circuit));
        QVERIFY(!pictures[0]->accessibleName().isEmpty());
        QCOMPARE(pictures[0]->accessibleName(), ui::diagramText(circuit));
        diagram->close();
    }
    QCOMPARE(headings.size(), kCircuitCount);
}

void TestMainWindowLayout::fontsAndColoursByRole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour"); // invalid: the palette's default

    const QColor standard;
    row("heading, single-LED", u"lbl_DL1"_s, 16, true, QColor(0, 192, 0));
    row("heading, series", u"lbl_DL2"_s, 16, true, QColor(192, 0, 0));
    row("heading, parallel", u"lbl_DL3"_s, 16, true, QColor(0, 0, 255));
    row("row label", u"lbl_Res2"_s, 11, true, standard);
    row("count row label", u"lbl_NumLed2"_s, 11, true, standard);
    row("unit label", u"lbl_ohm3"_s, 11, true, standard);
    row("result label", u"lbl_Watt"_s, 11, false, standard);
    row("note line 1", u"Label1"_s, 11, false, QColor(192, 0, 0));
    row("note line 2", u"Label2"_s, 11, false, QColor(192, 0, 0));
    row("entry field", u"txt_CorrLed3"_s, 11, false, standard);
    row("panel button", u"cmd_Calcola2"_s, 11, false, standard);
    row("reference button", u"cmd_PotMaxRes"_s, 11, false, standard);
}

void TestMainWindowLayout::fontsAndColoursByRole()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    const QWidget *w = control(mainWindow(), name);
    QCOMPARE(w->font().family(), ui::fontFamily());
    if (ui::installedMsSansSerifFits())
        QVERIFY(w->font().family() == u"MS Sans Serif"_s ||
                w->font().family() == u"Varelux Sans"_s);
    else
        QCOMPARE(w->font().family(), u"Varelux Sans"_s);         // even beside an "MS Sans Serif"
    QCOMPARE(QFontInfo(w->font()).family(), w->font().family()); // the face really exists
    QCOMPARE(w->font().pixelSize(), pixelSize);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(w->font().italic() || w->font().underline() || w->font().strikeOut(), false);
    if (colour.isValid())
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    else
        QCOMPARE(w->palette().color(QPalette::WindowText),
                 QApplication::palette(w).color(QPalette::WindowText));
}

void TestMainWindowLayout::controlsNeitherOverlapNorReachTheEdge()
{
    // That no two controls overlap is checked in every language (captionsFitInEveryLanguage).
    int bottom = 0;
    for (QWidget *a : allControls(mainWindow())) {
        QVERIFY2(mainWindow().rect().adjusted(1, 1, -1, -1).contains(a->geometry()),
                 qPrintable(a->objectName()));
        bottom = std::max(bottom, a->geometry().bottom() + 1);
    }
    // The lowest control is the second note line, one text line below 4800 twips.
    const auto *note = control<QLabel>(mainWindow(), u"Label2"_s);
    QCOMPARE(bottom, 320 + QFontMetrics(note->font()).height());
    QVERIFY(bottom <= 333);

    // A fitted label is exactly its caption's size, so the check above is the check that
    // the face is narrow enough; the widest row label must leave a gap before its field.
    const QWidget *widest = control(mainWindow(), u"lbl_Res3"_s);
    QVERIFY(widest->geometry().right() < control(mainWindow(), u"lbl_ResCalc3"_s)->x() - 4);
    const auto *label = control<QLabel>(mainWindow(), u"lbl_Res"_s);
    QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
}

// Every window in each language, at the scale the test runs at: each caption fits its control,
// a button's within the room its style leaves for text, and no control overlaps another or
// leaves the window (a fitted label is as wide as its caption, so that is where it would show).
void TestMainWindowLayout::captionsFitInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window"); // a ReferenceId, kPlannerWindow, or -1 for the main window

    for (const QString &language : ui::spokenLanguages())
        for (int window = -1; window < kOpenableCount; ++window) // Form1 to Form8
            QTest::addRow("%s, Form%d", qPrintable(language), window + 2) << language << window;
}

void TestMainWindowLayout::captionsFitInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, window);

    ui::useLanguage(language);
    const auto italianAgain = qScopeGuard([] { ui::useLanguage(ui::kItalian); });
    const Shown<MainWindow> main;
    QWidget *shown = main.get();
    if (window >= 0) {
        click(*main, buttonOpening(window));
        shown = openedWindow(window);
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QList<QWidget *> controls = allControls(*shown);
    for (QWidget *a : controls) {
        const QString name = a->objectName();
        QVERIFY2(shown->rect().contains(a->geometry()), qPrintable(name));
        for (QWidget *b : controls)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(name + u" overlaps "_s + b->objectName()));
        // A fitted label is as wide as its caption: where it would show is the overlap above.
        if (const auto *button = qobject_cast<QPushButton *>(a)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room.width(),
                     qPrintable(name));
        }
    }
}

void TestMainWindowLayout::resultLabelsKeepTheirSize()
{
    auto *result = control<QLabel>(mainWindow(), u"lbl_ResCalc2"_s);
    const QRect before = result->geometry();
    result->setText(u"193,333333333333"_s);
    QCoreApplication::processEvents();
    QCOMPARE(result->geometry(), before);
    QCOMPARE(before.size(), QSize(55, 19));
    QVERIFY(result->frameShadow() == QFrame::Sunken && result->frameWidth() > 0);
    QVERIFY(result->alignment() & Qt::AlignLeft);
    QVERIFY(result->wordWrap() == false);
}

// On a phone's width: the main window and the windows it opens within the width, their controls
// apart, every field and button tall enough for a finger; the main window shows a computed
// panel's hint under its results, in the series chosen, and goes back to the designed places.
void TestMainWindowLayout::phoneArrangement_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("window"); // a ReferenceId, or -1 for the main window

    for (const int width : {360, 390, 412})
        for (const int window : {-1, int(ReferenceId::StandardValues), kPlannerWindow})
            QTest::addRow("%d px, Form%d", width, window + 2) << width << window;
}

void TestMainWindowLayout::phoneArrangement()
{
    QFETCH(int, width);
    QFETCH(int, window);

    QMap<QString, QRect> designed;
    for (QWidget *control : allControls(mainWindow()))
        designed[control->objectName()] = control->geometry();
    mainWindow().arrangeForPhone(true);
    mainWindow().resize(width, 844);
    fill(mainWindow(), 2, example(2).fields);
    // Pressed from the code: the view waits a moment to tell a press from the start of a drag.
    control<QPushButton>(mainWindow(), kPanels[2].calculate)->click();
    QWidget *shown = &mainWindow();
    if (window >= 0) {
        control<QPushButton>(mainWindow(), buttonOpening(window))->click();
        shown = openedWindow(window);
        QVERIFY(shown && shown->width() + 2 * ui::kPhoneSideMargin <= width);
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCoreApplication::processEvents(); // the layout's own events

    QList<QWidget *> controls;
    for (QWidget *w : shown->findChildren<QWidget *>())
        if (w->isVisible() && (qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w) ||
                               qobject_cast<QPushButton *>(w) || qobject_cast<Picture *>(w)))
            controls << w;
    QVERIFY(!controls.isEmpty());
    for (QWidget *a : controls) {
        const QString name = a->objectName();
        const QRect at(a->mapTo(shown, QPoint()), a->size());
        QVERIFY2(at.left() >= 0 && at.right() < shown->width(), qPrintable(name));
        if (qobject_cast<QLineEdit *>(a) || qobject_cast<QPushButton *>(a))
            QVERIFY2(a->height() >= ui::kFingerHeight, qPrintable(name));
        for (QWidget *b : controls)
            QVERIFY2(a == b || !at.intersects(QRect(b->mapTo(shown, QPoint()), b->size())),
                     qPrintable(name + u" overlaps "_s + b->objectName()));
    }
    if (window >= 0)
        return;

    // The field that takes the focus comes into view (on Wayland, only where the compositor
    // makes the window active, which a headless one does not).
    auto *view = mainWindow().findChild<QScrollArea *>();
    auto *last = control<QLineEdit>(mainWindow(), kPanels[2].count);
    last->setFocus();
    if (!ui::onWayland())
        QTRY_VERIFY(view->viewport()->rect().contains(
            QRect(last->mapTo(view->viewport(), QPoint()), last->size())));

    // The hint follows the series chosen through the result's menu.
    auto *resistance = control<QLabel>(mainWindow(), u"lbl_ResCalc3"_s);
    auto *hint = control<QLabel>(mainWindow(), u"lbl_Suggerimento3"_s);
    // The hint's words are the tooltip's.
    auto words = [](const QString &html) {
        QTextDocument document;
        document.setHtml(html);
        return document.toPlainText().simplified();
    };
    QVERIFY(hint->isVisible() && !hint->text().isEmpty());
    QCOMPARE(words(hint->text()), words(resistance->toolTip()));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(),
                              resistance->mapToGlobal(QPoint()));
    QCoreApplication::sendEvent(resistance, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction *action : menu->actions())
        if (action->text() == u"Serie E96"_s)
            action->trigger();
    menu->close();
    QVERIFY(hint->text().contains(u"E96"_s));
    QCOMPARE(words(hint->text()), words(resistance->toolTip()));

    mainWindow().arrangeForPhone(false);
    QCOMPARE(mainWindow().size(), mainWindowFacts().size);
    for (QWidget *control : allControls(mainWindow()))
        if (control->isVisible())
            QCOMPARE(control->geometry(), designed.take(control->objectName()));
    QVERIFY(designed.isEmpty());
}

// The window's own focus chain: it holds the keyboard focus whenever the window is active, which
// on Wayland is for the compositor to decide.
void TestMainWindowLayout::tabRing()
{
    if (!ui::onWayland())
        QCOMPARE(QApplication::focusWidget(), mainWindow().focusWidget());
    QCOMPARE(mainWindow().focusWidget()->objectName(), u"cmd_Schema1"_s);
    QStringList forwards;
    for (int i = 0; i < kTabRing.size(); ++i) {
        forwards << mainWindow().focusWidget()->objectName();
        QTest::keyClick(mainWindow().focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forwards, kTabRing);
    QCOMPARE(mainWindow().focusWidget()->objectName(), u"cmd_Schema1"_s);

    QStringList backwards;
    for (int i = 0; i < kTabRing.size(); ++i) {
        QTest::keyClick(mainWindow().focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backwards.prepend(mainWindow().focusWidget()->objectName());
    }
    QCOMPARE(backwards, kTabRing);
}

void TestMainWindowLayout::enterAndEscapePressNothing()
{
    int clicks = 0;
    for (QPushButton *b : mainWindow().findChildren<QPushButton *>())
        connect(b, &QPushButton::clicked, this, [&] { ++clicks; });

    auto *field = control<QLineEdit>(mainWindow(), u"txt_AlCirc2"_s);
    field->setFocus();
    const BoxSeen seen = closeBoxesDuring([&] {
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClick(&mainWindow(), Qt::Key_Escape);
    });
    QCOMPARE(clicks, 0);
    QVERIFY(!seen.shown);

    // A focused button is pressed with the space bar, as usual for the toolkit.
    auto *clear = control<QPushButton>(mainWindow(), u"cmd_Canc2"_s);
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Space);
    QCOMPARE(clicks, 1);
}

void TestMainWindowLayout::screenReaderTexts()
{
    auto name = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    auto description = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QCOMPARE(name(control(mainWindow(), u"txt_AlCirc"_s)), u"Led singolo: Tensione circuito"_s);
    QCOMPARE(name(control(mainWindow(), u"txt_AlLed2"_s)), u"Led in serie: Tensione Led"_s);
    QCOMPARE(name(control(mainWindow(), u"txt_CorrLed3"_s)), u"Led in parallelo: Corrente Led"_s);
    QCOMPARE(name(control(mainWindow(), u"txt_NumLed2"_s)), u"Led in parallelo: Numero Led"_s);

    auto *result = control<QLabel>(mainWindow(), u"lbl_ResCalc3"_s);
    result->setText(u"37,5"_s);
    QCOMPARE(name(result), u"37,5"_s);
    QCOMPARE(description(result), u"Led in parallelo: Resistenza calcolata, ohm"_s);
    QCOMPARE(description(control(mainWindow(), u"lbl_Watt"_s)),
             u"Led singolo: Potenza dissipata, mW"_s);

    // No caption defines an access key.
    for (QWidget *w : allControls(mainWindow())) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QPushButton *>(w);
        QVERIFY(!(label && label->text().contains(u'&')) &&
                !(button && button->text().contains(u'&')));
    }
}

void TestMainWindowLayout::toolkitTextsInItalian()
{
    ui::useLanguage(ui::kItalian);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), u"&Copia"_s);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), u"OK"_s);
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_main_window_layout.moc"
