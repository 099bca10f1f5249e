// The main window's layout: names, captions, the panel grid, fonts and colours, room for every
// label, the tab ring and what assistive technology reads.
#include "common/window_look.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;

namespace {

const QStringList kTabRing = {
    "cmd_Schema1",  "txt_AlCirc",  "txt_AlLed",   "txt_CorrLed",   "cmd_Calcola",  "cmd_Canc",
    "cmd_Schema2",  "txt_AlCirc2", "txt_AlLed2",  "txt_CorrLed2",  "txt_NumLed",   "cmd_Calcola2",
    "cmd_Canc2",    "cmd_Schema3", "txt_AlCirc3", "txt_AlLed3",    "txt_CorrLed3", "txt_NumLed2",
    "cmd_Calcola3", "cmd_Canc3",   "cmd_TensLed", "cmd_ValResStd", "cmd_PotMaxRes"};

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
    void fontsAndColoursByRole_data();
    void fontsAndColoursByRole();
    void controlsNeitherOverlapNorReachTheEdge();
    void resultLabelsKeepTheirSize();
    void tabRing();
    void enterAndEscapePressNothing();
    void screenReaderTexts();
    void toolkitTextsInItalian();
};

void TestMainWindowLayout::windowFrame()
{
    QCOMPARE(mainWindow().objectName(), QString("Form1"));
    QCOMPARE(mainWindow().windowTitle(), QString("Varelux"));
    QCOMPARE(mainWindow().size(), QSize(713, 337));
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
    QCOMPARE(controls.size(), 66);
    QCOMPARE(mainWindow().findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 43);
    QCOMPARE(mainWindow().findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly).size(),
             11);
    QCOMPARE(mainWindow().findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly).size(),
             12);

    // Each of the layout's names once: no control is missing, and no two share a name.
    QStringList expected;
    for (int panel = 0; panel < kPanelCount; ++panel)
        for (int part = 0; part < kPanelPartCount; ++part)
            if (const QString name = controlName(PanelId(panel), PanelPart(part)); !name.isEmpty())
                expected << name;
    expected << "cmd_TensLed"
             << "cmd_ValResStd"
             << "cmd_PotMaxRes"
             << "Label1"
             << "Label2";
    QStringList names;
    for (QWidget *w : controls)
        names << w->objectName();
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 66);

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
        {"", 6}, // result labels start empty
        {"Led singolo", 1},
        {"Led in serie", 1},
        {"Led in parallelo", 1},
        {"Schema", 3},
        {"Tensione circuito:", 3},
        {"Tensione Led:", 3},
        {"Corrente Led:", 3},
        {"Numero Led:", 2},
        {"Volt", 6},
        {"mA", 3},
        {"Calcola", 3},
        {"Cancella", 3},
        {"Resistenza calcolata:", 3},
        {"Potenza dissipata:", 3},
        {"ohm", 3},
        {"mW", 3},
        {"Tensione Led", 1},
        {"Valori standard", 1},
        {"Potenza max res.", 1},
        {"Se i Led sono connessi in serie, inserire nel campo \"Tensione Led\" la somma dei "
         "valori di tensione ogni singolo Led.",
         1},
        {"Se i Led sono connessi in parallelo, inserire nel campo \"Corrente Led\" la somma dei "
         "valori di corrente di ogni singolo Led.",
         1}};
    QCOMPARE(captions, expectedCaptions);
}

void TestMainWindowLayout::panelsShareOneGrid()
{
    // The single-LED panel's anchors, in pixels (twips / 15).
    QCOMPARE(control(mainWindow(), "lbl_DL1")->pos(), QPoint(8, 8));
    QCOMPARE(control(mainWindow(), "cmd_Schema1")->geometry(), QRect(8, 40, 73, 25));
    QCOMPARE(control(mainWindow(), "txt_AlCirc")->geometry(), QRect(136, 80, 49, 19));
    QCOMPARE(control(mainWindow(), "lbl_VCirc")->pos(), QPoint(192, 80));
    QCOMPARE(control(mainWindow(), "cmd_Canc")->geometry(), QRect(88, 176, 73, 25));
    QCOMPARE(control(mainWindow(), "lbl_ResCalc")->geometry(), QRect(136, 216, 55, 19));
    QCOMPARE(control(mainWindow(), "lbl_W")->pos(), QPoint(200, 240));

    // The other panels are the same grid moved right by 240 px (3600 twips) per panel.
    for (int panel = 1; panel < 3; ++panel) {
        const QPoint shift(240 * panel, 0);
        for (const PanelPart part : sameInEveryPanel()) {
            const QRect single =
                control(mainWindow(), controlName(PanelId::Single, part))->geometry();
            QCOMPARE(control(mainWindow(), controlName(PanelId(panel), part))->geometry(),
                     single.translated(shift));
        }
        QCOMPARE(control(mainWindow(), controlName(PanelId(panel), PanelPart::Heading))->pos(),
                 QPoint(8, 8) + shift);
    }
    QCOMPARE(control(mainWindow(), "txt_NumLed")->geometry(), QRect(376, 152, 49, 19));
    QCOMPARE(control(mainWindow(), "txt_NumLed2")->geometry(), QRect(616, 152, 49, 19));
    QCOMPARE(control(mainWindow(), "lbl_NumLed2")->pos(), QPoint(488, 152));
    // Nothing in the single-LED panel's count row.
    for (QWidget *w : allControls(mainWindow()))
        QVERIFY2(!(w->x() < 248 && w->geometry().intersects(QRect(8, 152, 232, 19))),
                 qPrintable(w->objectName()));
}

void TestMainWindowLayout::fontsAndColoursByRole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour"); // invalid: the palette's default

    const QColor standard;
    row("heading, single-LED", QString("lbl_DL1"), 16, true, QColor(0, 192, 0));
    row("heading, series", QString("lbl_DL2"), 16, true, QColor(192, 0, 0));
    row("heading, parallel", QString("lbl_DL3"), 16, true, QColor(0, 0, 255));
    row("row label", QString("lbl_Res2"), 11, true, standard);
    row("count row label", QString("lbl_NumLed2"), 11, true, standard);
    row("unit label", QString("lbl_ohm3"), 11, true, standard);
    row("result label", QString("lbl_Watt"), 11, false, standard);
    row("note line 1", QString("Label1"), 11, false, QColor(192, 0, 0));
    row("note line 2", QString("Label2"), 11, false, QColor(192, 0, 0));
    row("entry field", QString("txt_CorrLed3"), 11, false, standard);
    row("panel button", QString("cmd_Calcola2"), 11, false, standard);
    row("reference button", QString("cmd_PotMaxRes"), 11, false, standard);
}

void TestMainWindowLayout::fontsAndColoursByRole()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    const QWidget *w = control(mainWindow(), name);
    QCOMPARE(w->font().family(), ui::fontFamily());
#ifdef Q_OS_WIN
    QCOMPARE(w->font().family(), QString("Liberation Sans")); // even beside an "MS Sans Serif"
#else
    QVERIFY(w->font().family() == "MS Sans Serif" || w->font().family() == "Liberation Sans");
#endif
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
    const QList<QWidget *> controls = allControls(mainWindow());
    const QRect client = mainWindow().rect();
    int right = 0, bottom = 0;
    for (QWidget *a : controls) {
        QVERIFY2(client.adjusted(1, 1, -1, -1).contains(a->geometry()),
                 qPrintable(a->objectName()));
        right = std::max(right, a->geometry().right() + 1);
        bottom = std::max(bottom, a->geometry().bottom() + 1);
        for (QWidget *b : controls)
            if (a != b)
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
    }
    // The lowest control is the second note line, one text line below 4800 twips.
    const auto *note = control<QLabel>(mainWindow(), "Label2");
    QCOMPARE(bottom, 320 + QFontMetrics(note->font()).height());
    QVERIFY(bottom <= 333);

    // A fitted label is exactly its caption's size, so the check above is the check that
    // the face is narrow enough; the widest row label must leave a gap before its field.
    const QWidget *widest = control(mainWindow(), "lbl_Res3");
    QVERIFY(widest->geometry().right() < control(mainWindow(), "lbl_ResCalc3")->x() - 4);
    const auto *label = control<QLabel>(mainWindow(), "lbl_Res");
    QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
}

void TestMainWindowLayout::resultLabelsKeepTheirSize()
{
    auto *result = control<QLabel>(mainWindow(), "lbl_ResCalc2");
    const QRect before = result->geometry();
    result->setText("193,333333333333");
    QCoreApplication::processEvents();
    QCOMPARE(result->geometry(), before);
    QCOMPARE(before.size(), QSize(55, 19));
    QVERIFY(result->frameShadow() == QFrame::Sunken && result->frameWidth() > 0);
    QVERIFY(result->alignment() & Qt::AlignLeft);
    QVERIFY(result->wordWrap() == false);
}

// The window's own focus chain: it holds the keyboard focus whenever the window is active, which
// on Wayland is for the compositor to decide.
void TestMainWindowLayout::tabRing()
{
    if (!ui::onWayland())
        QCOMPARE(QApplication::focusWidget(), mainWindow().focusWidget());
    QCOMPARE(mainWindow().focusWidget()->objectName(), QString("cmd_Schema1"));
    QStringList forwards;
    for (int i = 0; i < kTabRing.size(); ++i) {
        forwards << mainWindow().focusWidget()->objectName();
        QTest::keyClick(mainWindow().focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forwards, kTabRing);
    QCOMPARE(mainWindow().focusWidget()->objectName(), QString("cmd_Schema1"));

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

    auto *field = control<QLineEdit>(mainWindow(), "txt_AlCirc2");
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
    auto *clear = control<QPushButton>(mainWindow(), "cmd_Canc2");
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
    QCOMPARE(name(control(mainWindow(), "txt_AlCirc")), QString("Tensione circuito:"));
    QCOMPARE(name(control(mainWindow(), "txt_AlLed2")), QString("Tensione Led:"));
    QCOMPARE(name(control(mainWindow(), "txt_CorrLed3")), QString("Corrente Led:"));
    QCOMPARE(name(control(mainWindow(), "txt_NumLed2")), QString("Numero Led:"));

    auto *result = control<QLabel>(mainWindow(), "lbl_ResCalc3");
    result->setText("37,5");
    QCOMPARE(name(result), QString("37,5"));
    QCOMPARE(description(result), QString("Resistenza calcolata, ohm"));
    QCOMPARE(description(control(mainWindow(), "lbl_Watt")), QString("Potenza dissipata, mW"));

    // No caption defines an access key.
    for (QWidget *w : allControls(mainWindow())) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QPushButton *>(w);
        QVERIFY(!(label && label->text().contains('&')) &&
                !(button && button->text().contains('&')));
    }
}

void TestMainWindowLayout::toolkitTextsInItalian()
{
    QVERIFY(ui::installItalianTranslation(*qApp));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QString("&Copia"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QString("OK"));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_main_window_layout.moc"
