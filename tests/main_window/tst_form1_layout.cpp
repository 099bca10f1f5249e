// The main window's layout: names, captions, the panel grid, fonts and colours, room for every
// label, the tab ring and what assistive technology reads.
#include "common/window_look.h"
#include "data_row.h"
#include "form1_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;

namespace {

const QStringList kTabRing = {
    "cmd_Schema1",  "txt_AlCirc",  "txt_AlLed",   "txt_CorrLed",   "cmd_Calcola",  "cmd_Canc",
    "cmd_Schema2",  "txt_AlCirc2", "txt_AlLed2",  "txt_CorrLed2",  "txt_NumLed",   "cmd_Calcola2",
    "cmd_Canc2",    "cmd_Schema3", "txt_AlCirc3", "txt_AlLed3",    "txt_CorrLed3", "txt_NumLed2",
    "cmd_Calcola3", "cmd_Canc3",   "cmd_TensLed", "cmd_ValResStd", "cmd_PotMaxRes"};

// Panel controls by their single-LED name; the other panels append 2 and 3, except where noted.
const QStringList kPanelBases = {
    "cmd_Schema", "lbl_AlCirc",  "txt_AlCirc",  "lbl_VCirc", "lbl_AlLed",   "txt_AlLed",
    "lbl_VLed",   "lbl_CorrLed", "txt_CorrLed", "lbl_ALed",  "cmd_Calcola", "cmd_Canc",
    "lbl_Res",    "lbl_ResCalc", "lbl_ohm",     "lbl_Pot",   "lbl_Watt",    "lbl_W"};

QString panelName(const QString &base, int panel)
{
    if (base == "cmd_Schema" || base == "lbl_DL")
        return base + QString::number(panel + 1);
    return panel == 0 ? base : base + QString::number(panel + 1);
}

QList<QWidget *> allControls(const QWidget &form)
{
    return form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestForm1Layout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

private:
    Form1 *m_form = nullptr;
};

void TestForm1Layout::init()
{
    m_form = new Form1;
    m_form->show();
    QVERIFY(waitUntilUsable(m_form));
}

void TestForm1Layout::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void TestForm1Layout::windowFrame()
{
    QCOMPARE(m_form->objectName(), QString("Form1"));
    QCOMPARE(m_form->windowTitle(), QString("Varelux"));
    QCOMPARE(m_form->size(), QSize(713, 337));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->windowIcon().availableSizes(), QList<QSize>({QSize(32, 32), QSize(16, 16)}));
}

void TestForm1Layout::everyControlOnceWithItsCaption()
{
    const QList<QWidget *> controls = allControls(*m_form);
    QCOMPARE(controls.size(), 66);
    QCOMPARE(m_form->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 43);
    QCOMPARE(m_form->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly).size(), 11);
    QCOMPARE(m_form->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly).size(), 12);

    QStringList expected;
    for (int panel = 0; panel < 3; ++panel) {
        expected << panelName("lbl_DL", panel);
        for (const QString &base : kPanelBases)
            expected << panelName(base, panel);
    }
    expected << "lbl_NumLed"
             << "txt_NumLed"
             << "lbl_NumLed2"
             << "txt_NumLed2"
             << "cmd_TensLed"
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

void TestForm1Layout::panelsShareOneGrid()
{
    // The single-LED panel's anchors, in pixels (twips / 15).
    QCOMPARE(control(*m_form, "lbl_DL1")->pos(), QPoint(8, 8));
    QCOMPARE(control(*m_form, "cmd_Schema1")->geometry(), QRect(8, 40, 73, 25));
    QCOMPARE(control(*m_form, "txt_AlCirc")->geometry(), QRect(136, 80, 49, 19));
    QCOMPARE(control(*m_form, "lbl_VCirc")->pos(), QPoint(192, 80));
    QCOMPARE(control(*m_form, "cmd_Canc")->geometry(), QRect(88, 176, 73, 25));
    QCOMPARE(control(*m_form, "lbl_ResCalc")->geometry(), QRect(136, 216, 55, 19));
    QCOMPARE(control(*m_form, "lbl_W")->pos(), QPoint(200, 240));

    // The other panels are the same grid moved right by 240 px (3600 twips) per panel.
    for (int panel = 1; panel < 3; ++panel) {
        const QPoint shift(240 * panel, 0);
        for (const QString &base : kPanelBases) {
            const QRect single = control(*m_form, panelName(base, 0))->geometry();
            QCOMPARE(control(*m_form, panelName(base, panel))->geometry(),
                     single.translated(shift));
        }
        QCOMPARE(control(*m_form, panelName("lbl_DL", panel))->pos(), QPoint(8, 8) + shift);
    }
    QCOMPARE(control(*m_form, "txt_NumLed")->geometry(), QRect(376, 152, 49, 19));
    QCOMPARE(control(*m_form, "txt_NumLed2")->geometry(), QRect(616, 152, 49, 19));
    QCOMPARE(control(*m_form, "lbl_NumLed2")->pos(), QPoint(488, 152));
    // Nothing in the single-LED panel's count row.
    for (QWidget *w : allControls(*m_form))
        QVERIFY2(!(w->x() < 248 && w->geometry().intersects(QRect(8, 152, 232, 19))),
                 qPrintable(w->objectName()));
}

void TestForm1Layout::fontsAndColoursByRole_data()
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

void TestForm1Layout::fontsAndColoursByRole()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    const QWidget *w = control(*m_form, name);
    QCOMPARE(w->font().family(), ui::fontFamily());
    QVERIFY(w->font().family() == "MS Sans Serif" || w->font().family() == "Liberation Sans");
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

void TestForm1Layout::controlsNeitherOverlapNorReachTheEdge()
{
    const QList<QWidget *> controls = allControls(*m_form);
    const QRect client = m_form->rect();
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
    const auto *note = control<QLabel>(*m_form, "Label2");
    QCOMPARE(bottom, 320 + QFontMetrics(note->font()).height());
    QVERIFY(bottom <= 333);

    // A fitted label is exactly its caption's size, so the check above is the check that
    // the face is narrow enough; the widest row label must leave a gap before its field.
    const QWidget *widest = control(*m_form, "lbl_Res3");
    QVERIFY(widest->geometry().right() < control(*m_form, "lbl_ResCalc3")->x() - 4);
    const auto *label = control<QLabel>(*m_form, "lbl_Res");
    QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
}

void TestForm1Layout::resultLabelsKeepTheirSize()
{
    auto *result = control<QLabel>(*m_form, "lbl_ResCalc2");
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
void TestForm1Layout::tabRing()
{
    if (!ui::onWayland())
        QCOMPARE(QApplication::focusWidget(), m_form->focusWidget());
    QCOMPARE(m_form->focusWidget()->objectName(), QString("cmd_Schema1"));
    QStringList forwards;
    for (int i = 0; i < kTabRing.size(); ++i) {
        forwards << m_form->focusWidget()->objectName();
        QTest::keyClick(m_form->focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forwards, kTabRing);
    QCOMPARE(m_form->focusWidget()->objectName(), QString("cmd_Schema1"));

    QStringList backwards;
    for (int i = 0; i < kTabRing.size(); ++i) {
        QTest::keyClick(m_form->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backwards.prepend(m_form->focusWidget()->objectName());
    }
    QCOMPARE(backwards, kTabRing);
}

void TestForm1Layout::enterAndEscapePressNothing()
{
    int clicks = 0;
    for (QPushButton *b : m_form->findChildren<QPushButton *>())
        connect(b, &QPushButton::clicked, this, [&] { ++clicks; });

    auto *field = control<QLineEdit>(*m_form, "txt_AlCirc2");
    field->setFocus();
    const BoxSeen seen = closeBoxesDuring([&] {
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClick(m_form, Qt::Key_Escape);
    });
    QCOMPARE(clicks, 0);
    QVERIFY(!seen.shown);

    // A focused button is pressed with the space bar, as usual for the toolkit.
    auto *clear = control<QPushButton>(*m_form, "cmd_Canc2");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Space);
    QCOMPARE(clicks, 1);
}

void TestForm1Layout::screenReaderTexts()
{
    auto name = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    auto description = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QCOMPARE(name(control(*m_form, "txt_AlCirc")), QString("Tensione circuito:"));
    QCOMPARE(name(control(*m_form, "txt_AlLed2")), QString("Tensione Led:"));
    QCOMPARE(name(control(*m_form, "txt_CorrLed3")), QString("Corrente Led:"));
    QCOMPARE(name(control(*m_form, "txt_NumLed2")), QString("Numero Led:"));

    auto *result = control<QLabel>(*m_form, "lbl_ResCalc3");
    result->setText("37,5");
    QCOMPARE(name(result), QString("37,5"));
    QCOMPARE(description(result), QString("Resistenza calcolata, ohm"));
    QCOMPARE(description(control(*m_form, "lbl_Watt")), QString("Potenza dissipata, mW"));

    // No caption defines an access key.
    for (QWidget *w : allControls(*m_form)) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QPushButton *>(w);
        QVERIFY(!(label && label->text().contains('&')) &&
                !(button && button->text().contains('&')));
    }
}

void TestForm1Layout::toolkitTextsInItalian()
{
    QVERIFY(ui::installItalianTranslation(*qApp));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QString("&Copia"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QString("OK"));
}

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
