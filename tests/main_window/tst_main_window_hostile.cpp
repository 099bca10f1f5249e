// Hostile text pasted into every entry field of the real window, then "Calcola": the panel shows
// its results, or the empty-fields box, or empties itself after an overflow; never a crash or a
// hang; the other panels keep what they show. How fast such a click answers is measured by
// `make bench` (bench_ui's calculateClick), not held to a time here.
#include "data_row.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

enum class Expect { Results, EmptyFieldsBox, ClearedSilently };

QString fieldName(int panel, int field)
{
    const PanelNames &p = kPanels[panel];
    return QStringList{p.supply, p.ledVoltage, p.current, p.count}[field];
}

constexpr int kMiB = 1 << 20;

} // namespace

Q_DECLARE_METATYPE(Expect)

class TestMainWindowHostile : public QObject {
    Q_OBJECT

private slots:
    void pastedIntoEveryField_data();
    void pastedIntoEveryField();
};

void TestMainWindowHostile::pastedIntoEveryField_data()
{
    QTest::addColumn<QString>("text"); // "%1" stands for the field's own valid entry
    QTest::addColumn<Expect>("expect");

    const Expect results = Expect::Results, box = Expect::EmptyFieldsBox,
                 cleared = Expect::ClearedSilently;
    const QChar nul(0);

    // How a number reads is the core's test (tst_number_text) and the fuzzer's; these rows are
    // about the paste: nothing cut at QLineEdit's usual limit, at a NUL, a line break or a broken
    // surrogate pair, and the panel left in the state that each outcome calls for.
    row("1 MiB of leading zeros", QString(kMiB, u'0') + u"%1"_s, results);
    row("1 MiB number", u"%1"_s + QString(kMiB, u'0'), cleared);
    row("NULs inside the number", QString(nul) + u"1"_s + nul + u"2"_s + nul, box);
    row("line break", u"%1\n"_s, box);
    row("lone surrogate", QString(QChar(0xD83D)) + u"%1"_s, box);
}

// Every panel first shows a result. One field of one panel then gets the text by a paste (the
// keystroke filter does not see it), the others keep their valid entries.
void TestMainWindowHostile::pastedIntoEveryField()
{
    QFETCH(QString, text);
    QFETCH(Expect, expect);
    const Shown<MainWindow> shown;
    QVERIFY(shown.exposed());
    const MainWindow &mainWindow = *shown;

    for (int panel = 0; panel < kPanelCount; ++panel) {
        for (int field = 0; field < example(panel).fields.size(); ++field) {
            const QString name = fieldName(panel, field);
            const auto others = computeExamples(mainWindow);

            auto *edit = control<QLineEdit>(mainWindow, name);
            QString pasted = text;
            pasted.replace(u"%1"_s, example(panel).fields[field]);
            edit->clear();
            if (ui::onWayland()) {
                // The compositor lends the clipboard only to the client that has the keyboard
                // focus, and a headless one has no keyboard: the text goes in by insert(), the
                // call a paste ends in.
                edit->insert(pasted);
            } else {
                QGuiApplication::clipboard()->setText(pasted);
                edit->paste();
            }
            QVERIFY2(edit->text() == pasted,
                     qPrintable(name + u": the paste was cut or changed"_s));
            QCoreApplication::processEvents(); // the field lays out and paints what it got

            const BoxSeen seen =
                closeBoxesDuring([&] { click(mainWindow, kPanels[panel].calculate); });

            QCOMPARE(seen.shown, expect == Expect::EmptyFieldsBox);
            if (seen.shown) {
                QCOMPARE(seen.title, u"Errore"_s);
                QCOMPARE(seen.text, u"Una o più caselle vuote"_s);
            }
            const QStringList after = panelTexts(mainWindow, panel);
            if (expect == Expect::Results) {
                QVERIFY2(after[field] == pasted, qPrintable(name)); // fields untouched
                QCOMPARE(after[4], example(panel).resistance);
                QCOMPARE(after[5], example(panel).power);
            } else {
                QCOMPARE(after, kEmptyPanel);
            }
            for (int p = 0; p < kPanelCount; ++p)
                if (p != panel)
                    QCOMPARE(panelTexts(mainWindow, p), others[std::size_t(p)]);
        }
    }
}

QTEST_MAIN(TestMainWindowHostile)
#include "tst_main_window_hostile.moc"
