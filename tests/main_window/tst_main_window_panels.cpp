// "Calcola" and "Cancella" through the real buttons: result texts, the error boxes and their
// timing, the independence of the three panels, the hints on the results in each series and
// with the tolerances chosen, and those choices kept between runs.
#include "common/hint_choices.h"
#include "common/language.h"
#include "common/stored_choices.h"
#include "common/texts.h"
#include "core/number_text.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

// A tooltip's words, a line each, as screen readers get them: rich text without its markup and
// the empty table cells of the drawn bands.
QString words(const QString &tip)
{
    QTextDocument document;
    document.setHtml(tip);
    QStringList lines = document.toPlainText().split(u'\n');
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(u'\n');
}

// The words of the tooltips of a panel's resistance and power results.
QStringList panelTips(const QWidget &mainWindow, int panel)
{
    return {words(control(mainWindow, kPanels[panel].resistance)->toolTip()),
            words(control(mainWindow, kPanels[panel].power)->toolTip())};
}

// Opens a result's context menu as a right click does, picks item (if any) and returns the
// item that was checked before.
QString pickFromMenu(const QWidget &mainWindow, const QString &result, const QString &item = {})
{
    auto *label = control(mainWindow, result);
    const QPoint at = label->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
    QCoreApplication::sendEvent(label, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return u"(no menu)"_s;
    QString checked;
    for (QAction *action : menu->actions()) {
        if (action->isChecked())
            checked += action->text();
        if (action->text() == item)
            action->trigger();
    }
    menu->close();
    return checked;
}

// The tooltip shown when the pointer rests on the middle of the widget, once the window system
// has put it on screen; empty when none shows.
QString shownToolTip(QWidget *widget)
{
    const QPoint at = widget->rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &rest);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->windowType() == Qt::ToolTip && window->isVisible())
            return QTest::qWaitForWindowExposed(window) ? QToolTip::text() : u"(never exposed)"_s;
    return QString();
}

// Picks "Tolleranze…" from a result's menu and runs inDialog on the dialog while it is open, which
// must close it; false when no dialog opened.
bool inTolerancesDialog(const QWidget &mainWindow, const std::function<void(QDialog &)> &inDialog)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || ran || !QTest::qWaitForWindowExposed(dialog) || !waitForFirstFrames(dialog))
            return;
        ran = true;
        poll.stop();
        inDialog(*dialog);
    });
    poll.start();
    pickFromMenu(mainWindow, kPanels[0].resistance, u"&Tolleranze…"_s);
    return QTest::qWaitFor([&] { return ran && !QApplication::activeModalWidget(); });
}

} // namespace

class TestMainWindowPanels : public MainWindowTest {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void workedExamplesInOtherLanguages_data();
    void workedExamplesInOtherLanguages();
    void failures_data();
    void failures();
    void clearEmptiesOnlyItsPanel();
    void hints_data();
    void hints();
    void seriesFromTheMenu_data();
    void seriesFromTheMenu();
    void tolerancesFromTheMenu();
    void choicesKeptBetweenRuns_data();
    void choicesKeptBetweenRuns();
};

void TestMainWindowPanels::workedExamples_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("fields"); // supply, LED, current, count
    QTest::addColumn<QString>("resistance");
    QTest::addColumn<QString>("power");

    for (const WorkedExample &worked : mainWindowFacts().examples)
        row(qPrintable(
                u"worked example %1 %2"_s.arg(int(worked.circuit)).arg(worked.fields.join(u' '))),
            int(worked.circuit), worked.fields, worked.resistance, worked.power);
    row("supply equals LED", 0, QStringList{u"3"_s, u"3"_s, u"20"_s}, u"0"_s, u"0"_s);
    row("comma first and last", 0, QStringList{u"5,"_s, u",5"_s, u"20"_s}, u"225"_s, u"90"_s);
}

void TestMainWindowPanels::workedExamples()
{
    QFETCH(int, panel);
    QFETCH(QStringList, fields);
    QFETCH(QString, resistance);
    QFETCH(QString, power);

    fill(mainWindow(), panel, fields);
    const QStringList before = panelTexts(mainWindow(), panel);
    const BoxSeen seen = closeBoxesDuring([&] { click(mainWindow(), kPanels[panel].calculate); });
    QVERIFY(!seen.shown);

    const QStringList after = panelTexts(mainWindow(), panel);
    QCOMPARE(after.mid(0, 4), before.mid(0, 4)); // fields untouched
    QCOMPARE(after[4], resistance);
    QCOMPARE(after[5], power);
    QCOMPARE(control(mainWindow(), kPanels[panel].resistance)->size(), QSize(55, 19));
}

// The worked examples in each translation's language, typed with the other decimal separator: the
// filter turns it into the language's own, the full stop in English and the comma in German, and
// the results use it too.
void TestMainWindowPanels::workedExamplesInOtherLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QString>("calculate");
    row("English", u"en"_s, QChar(u'.'), u"Calculate"_s);
    row("German", u"de"_s, QChar(u','), u"Berechnen"_s);
}

void TestMainWindowPanels::workedExamplesInOtherLanguages()
{
    QFETCH(QString, language);
    QFETCH(QChar, decimal);
    QFETCH(QString, calculate);

    ui::useLanguage(language);
    const auto italianAgain = qScopeGuard([] { ui::useLanguage(ui::kItalian); });
    const Shown<MainWindow> translated;
    QVERIFY(translated.usable());
    // The facts write their numbers with the comma.
    const QChar typed = decimal == u',' ? u'.' : u',';
    const auto in = [](QString text, QChar separator) { return text.replace(u',', separator); };
    for (const WorkedExample &worked : mainWindowFacts().examples) {
        const PanelNames &names = kPanels[int(worked.circuit)];
        const QString fields[] = {names.supply, names.ledVoltage, names.current, names.count};
        for (int i = 0; i < worked.fields.size(); ++i) {
            auto *field = control<QLineEdit>(*translated, fields[i]);
            field->clear();
            QTest::keyClicks(field, in(worked.fields[i], typed));
            QCOMPARE(field->text(), in(worked.fields[i], decimal));
        }
        QCOMPARE(control<QPushButton>(*translated, names.calculate)->text(), calculate);
        click(*translated, names.calculate);
        QCOMPARE(control<QLabel>(*translated, names.resistance)->text(),
                 in(worked.resistance, decimal));
        QCOMPARE(control<QLabel>(*translated, names.power)->text(), in(worked.power, decimal));
    }
}

void TestMainWindowPanels::failures_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message"); // empty: cleared without a box

    const QString empty = u"Una o più caselle vuote"_s;
    const QString zeroOne = u"La corrente del Led non può essere uguale a zero"_s;
    const QString zeroMany = u"La corrente dei Led non può essere uguale a zero"_s;
    const QString huge(400, u'9');

    row("single empty", 0, QStringList{}, empty);
    row("series empty", 1, QStringList{}, empty);
    row("parallel empty", 2, QStringList{}, empty);
    row("lone comma", 1, QStringList{u"12"_s, u","_s, u"20"_s, u"3"_s}, empty);
    row("pasted text", 2, QStringList{u"12 V"_s, u"2"_s, u"20"_s, u"3"_s}, empty);
    row("single zero current", 0, QStringList{u"12"_s, u"2"_s, u"0"_s}, zeroOne);
    row("series zero current", 1, QStringList{u"12"_s, u"2"_s, u"0"_s, u"3"_s}, zeroMany);
    row("parallel zero count", 2, QStringList{u"5"_s, u"2"_s, u"20"_s, u"0"_s}, zeroMany);
    row("zero over zero", 0, QStringList{u"3"_s, u"3"_s, u"0"_s}, QString());
    row("400-digit field", 0, QStringList{u"12"_s, huge, u"20"_s}, QString());
    row("overflow in the power step", 0,
        QStringList{u"1"_s + QString(200, u'0'), u"0"_s, u"1"_s + QString(200, u'0')}, QString());
}

void TestMainWindowPanels::failures()
{
    QFETCH(int, panel);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);

    // Every panel shows a previous result; only the failing one may change.
    const auto others = computeExamples(mainWindow());

    fill(mainWindow(), panel, fields);
    const QStringList beforeClick = panelTexts(mainWindow(), panel);
    QStringList whileOpen;
    const BoxSeen seen = closeBoxesDuring([&] { click(mainWindow(), kPanels[panel].calculate); },
                                          [&] { whileOpen = panelTexts(mainWindow(), panel); });

    if (message.isEmpty()) {
        QVERIFY(!seen.shown);
    } else {
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, u"Errore"_s);
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.okButton);
        QVERIFY(seen.applicationModal);
        QCOMPARE(whileOpen, beforeClick); // nothing cleared until the box is dismissed
    }
    QCOMPARE(panelTexts(mainWindow(), panel), kEmptyPanel);
    for (int p = 0; p < kPanelCount; ++p)
        if (p != panel)
            QCOMPARE(panelTexts(mainWindow(), p), others[std::size_t(p)]);
}

void TestMainWindowPanels::clearEmptiesOnlyItsPanel()
{
    const auto shown = computeExamples(mainWindow());

    // The focus stays where it is (the window's focus: whether the window has the keyboard is
    // the compositor's choice on Wayland).
    auto *field = control<QLineEdit>(mainWindow(), u"txt_AlLed"_s);
    field->setFocus();
    control<QPushButton>(mainWindow(), u"cmd_Canc3"_s)->click();
    QCOMPARE(mainWindow().focusWidget(), field);

    QCOMPARE(panelTexts(mainWindow(), 2), kEmptyPanel);
    QCOMPARE(panelTexts(mainWindow(), 1), shown[1]);
    QCOMPARE(panelTexts(mainWindow(), 0), shown[0]);

    // Clearing an empty panel changes nothing visible.
    click(mainWindow(), u"cmd_Canc3"_s);
    QCOMPARE(panelTexts(mainWindow(), 2), kEmptyPanel);
}

void TestMainWindowPanels::hints_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields"); // of the single-LED panel
    QTest::addColumn<QStringList>("tips");   // its two tooltips afterwards

    const QString tolerances =
        u"\nTolleranze: alimentazione ±5 %, tensione Led ±10 %, resistenza ±5 %"_s;
    const QString risk = u"\nI Led possono restare spenti o essere sovraccaricati: meglio una "
                         "tensione del circuito più alta, oppure un alimentatore a corrente "
                         "costante."_s;
    row("worked example", u"cmd_Calcola"_s, QStringList{u"12"_s, u"2"_s, u"20"_s},
        QStringList{u"Valori standard E12:\n"
                    "470 ohm (21,3 mA, da 18,6 a 24,2 mA): giallo, viola, marrone, oro\n"
                    "560 ohm (17,9 mA, da 15,6 a 20,3 mA): verde, blu, marrone, oro\n"
                    "Resistore consigliato: 1 W"_s +
                        tolerances,
                    u"Resistore consigliato: 1 W"_s});
    row("white LED at 3,3 V, dark and overdriven", u"cmd_Calcola"_s,
        QStringList{u"3,3"_s, u"3"_s, u"10"_s},
        QStringList{u"Valori standard E12:\n"
                    "27 ohm (11,1 mA, da 0 a 29,8 mA): rosso, viola, nero, oro"_s +
                        risk +
                        u"\n33 ohm (9,09 mA, da 0 a 24,4 mA): arancione, arancione, nero, oro"_s +
                        risk + u"\nResistore consigliato: 1/8 W"_s + tolerances,
                    u"Resistore consigliato: 1/8 W"_s});
    row("power LED, below 1 ohm", u"cmd_Calcola"_s, QStringList{u"3,3"_s, u"3,1"_s, u"350"_s},
        QStringList{u"Valori standard E12:\n"
                    "0,56 ohm (357 mA, da 0 a 1270 mA): verde, blu, argento, oro"_s +
                        risk + u"\n0,68 ohm (294 mA, da 0 a 1040 mA): blu, grigio, argento, oro"_s +
                        risk + u"\nResistore consigliato: 2 W"_s + tolerances,
                    u"Resistore consigliato: 2 W"_s});
    row("supply below the LED", u"cmd_Calcola"_s, QStringList{u"2"_s, u"3"_s, u"20"_s},
        QStringList{u"La tensione del circuito non supera la tensione totale dei Led"_s, u""_s});
    row("Cancella", u"cmd_Canc"_s, example(0).fields, QStringList(2));
    row("failing Calcola", u"cmd_Calcola"_s, QStringList{u"12"_s, u""_s, u"20"_s}, QStringList(2));
    row("Calcola failing silently", u"cmd_Calcola"_s, QStringList{u"3"_s, u"3"_s, u"0"_s},
        QStringList(2));
}

void TestMainWindowPanels::hints()
{
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, tips);

    computeExamples(mainWindow());
    const QStringList series = panelTips(mainWindow(), 1);
    const QStringList parallel = panelTips(mainWindow(), 2);

    fill(mainWindow(), 0, fields);
    closeBoxesDuring([&] { click(mainWindow(), button); });
    QCOMPARE(panelTips(mainWindow(), 0), tips);
    QCOMPARE(panelTips(mainWindow(), 1), series);
    QCOMPARE(panelTips(mainWindow(), 2), parallel);

    // The hint shows over the result, on Wayland as a popup the compositor maps beside the main
    // window.
    auto *result = control<QLabel>(mainWindow(), kPanels[0].resistance);
    QCOMPARE(words(shownToolTip(result)), tips[0]);

    // Screen readers still get the value and the role, not the hint.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(result);
    QCOMPARE(accessible->text(QAccessible::Name), result->text());
    QCOMPARE(accessible->text(QAccessible::Description),
             u"Led singolo: Resistenza calcolata, ohm"_s);
}

// The series chosen in one result's menu holds for every panel: the hints of the panels already
// computed follow at once, the parallel panel's resistor for each LED too, and so do later ones.
void TestMainWindowPanels::seriesFromTheMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("single");   // the start of the single-LED panel's resistance hint
    QTest::addColumn<QString>("parallel"); // the end of the parallel panel's

    row("E24", u"Serie E24"_s, u"Valori standard E24:\n470 ohm (21,3 mA, da 18,6 a 24,2 mA)"_s,
        u"ciascuna\n150 ohm (20 mA, da 16,2 a 24,2 mA): marrone, verde, marrone, oro\n"
        "Tolleranze: alimentazione ±5 %, tensione Led ±10 %, resistenza ±5 %"_s);
    row("E96", u"Serie E96"_s, u"Valori standard E96:\n499 ohm (20 mA, da 18,3 a 21,9 mA)"_s,
        u"ciascuna\n150 ohm (20 mA, da 16,8 a 23,2 mA): marrone, verde, nero, nero, marrone\n"
        "Tolleranze: alimentazione ±5 %, tensione Led ±10 %, resistenza ±1 %"_s);
}

void TestMainWindowPanels::seriesFromTheMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, single);
    QFETCH(QString, parallel);

    computeExamples(mainWindow());
    QCOMPARE(pickFromMenu(mainWindow(), kPanels[1].power, item), u"Serie E12"_s);
    QVERIFY(panelTips(mainWindow(), 0)[0].startsWith(single));
    QVERIFY(panelTips(mainWindow(), 2)[0].endsWith(parallel));
    compute(mainWindow(), 0, example(0).fields);
    QVERIFY(panelTips(mainWindow(), 0)[0].startsWith(single));
    QCOMPARE(pickFromMenu(mainWindow(), kPanels[2].resistance), item);
}

// The dialog shows the tolerances in use; a value above 50 % or an empty field gives the panels'
// box and keeps it open on that field; "Valori iniziali" fills in the first values; OK sets them
// for every hint, Esc changes nothing.
void TestMainWindowPanels::tolerancesFromTheMenu()
{
    computeExamples(mainWindow());
    auto field = [](const QDialog &dialog, const char *name) {
        return control<QLineEdit>(dialog, QString::fromLatin1(name));
    };
    QStringList shown, boxes;
    QVERIFY(inTolerancesDialog(mainWindow(), [&](QDialog &dialog) {
        QLineEdit *supply = field(dialog, "txt_TollAlim"), *led = field(dialog, "txt_TollLed");
        shown << supply->text() << led->text()
              << control<QLabel>(dialog, u"lbl_ValTollRes"_s)->text();
        for (const auto &[supplyText, ledText, wrong] :
             {std::tuple{u"60"_s, u"10"_s, supply}, {u"5"_s, QString(), led}}) {
            supply->setText(supplyText);
            led->setText(ledText);
            boxes << closeBoxesDuring([&] { click(dialog, u"cmd_OK"_s); }).text;
            shown << (dialog.isVisible() && dialog.focusWidget() == wrong ? u"kept"_s : u"gone"_s);
        }
        click(dialog, u"cmd_Iniziali"_s);
        shown << supply->text() << led->text();
        supply->setText(u"2,5"_s);
        led->setText(u"0"_s);
        click(dialog, u"cmd_OK"_s);
    }));
    QCOMPARE(shown, QStringList({u"5"_s, u"10"_s, u"5 % (banda oro della serie E12)"_s, u"kept"_s,
                                 u"kept"_s, u"5"_s, u"10"_s}));
    QCOMPARE(boxes,
             QStringList({u"Le tolleranze vanno da 0 a 50 %."_s, u"Una o più caselle vuote"_s}));
    const QString chosen =
        u"Tolleranze: alimentazione ±2,5 %, tensione Led ±0 %, resistenza ±5 %"_s;
    for (int panel = 0; panel < kPanelCount; ++panel)
        QVERIFY(panelTips(mainWindow(), panel)[0].endsWith(chosen));

    QVERIFY(inTolerancesDialog(mainWindow(), [&](QDialog &dialog) {
        field(dialog, "txt_TollAlim")->setText(u"7"_s);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    }));
    QVERIFY(panelTips(mainWindow(), 0)[0].endsWith(chosen));
}

// The settings a run leaves, as the next run reads them: a file of its own, never the user's.
void TestMainWindowPanels::choicesKeptBetweenRuns_data()
{
    QTest::addColumn<QStringList>("stored"); // key=value, or empty: what this run stores
    QTest::addColumn<QString>("read");       // series, supply and LED tolerances

    row("stored by a run", QStringList(), u"E96 2.5 0"_s);
    row("none stored", QStringList{u"other=1"_s}, u"E12 5 10"_s);
    row("unreadable",
        QStringList{u"hints/series=E13"_s, u"hints/supplyTolerance=cinque"_s,
                    u"hints/ledVoltageTolerance=-1"_s},
        u"E12 5 10"_s);
    row("out of range",
        QStringList{u"hints/series=E24"_s, u"hints/supplyTolerance=50.5"_s,
                    u"hints/ledVoltageTolerance=50"_s},
        u"E24 5 50"_s);
}

void TestMainWindowPanels::choicesKeptBetweenRuns()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, read);

    const QTemporaryDir folder;
    const QString file = folder.filePath(u"Varelux.conf"_s);
    {
        QSettings settings(file, QSettings::IniFormat);
        HintChoices choices;
        choices.chooseSeries(ESeries::E96);
        choices.chooseTolerances({*ExactDecimal::read("2,5", kDecimalComma), ExactDecimal(0)});
        if (stored.isEmpty())
            storeChoices(settings, choices);
        for (const QString &entry : stored)
            settings.setValue(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    }
    const QSettings settings(file, QSettings::IniFormat);
    HintChoices choices;
    restoreChoices(settings, choices);
    QCOMPARE(ui::seriesName(choices.series()) + u' ' +
                 QString::fromStdString(choices.tolerances().supplyPercent.text('.') + ' ' +
                                        choices.tolerances().ledVoltagePercent.text('.')),
             read);
}

QTEST_MAIN(TestMainWindowPanels)
#include "tst_main_window_panels.moc"
