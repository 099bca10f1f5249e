// Hostile text pasted into every entry field of the real window, then "Calcola": the panel shows
// its results, or the empty-fields box, or empties itself after an overflow; never a crash or a
// hang. The click answers at once and the other panels keep what they show.
#include "data_row.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QtTest>

#include <ctime>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace varelux;

namespace {

enum class Expect { Results, EmptyFieldsBox, ClearedSilently };

// Processor time the program spends on a click, less what it spent while an application-modal
// box stood open. Processor time, not wall time: a slow parse shows in it, while other programs
// taking the processor from this one on a busy machine do not.
class ClickClock : public QObject {
public:
    qint64 nsecs(const std::function<void()> &click)
    {
        qApp->installEventFilter(this);
        m_open = 0;
        m_shownAt = -1;
        const qint64 start = now();
        click();
        const qint64 total = now() - start;
        qApp->removeEventFilter(this);
        return total - m_open;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!qobject_cast<QMessageBox *>(watched))
            return false;
        if (event->type() == QEvent::Show) {
            m_shownAt = now();
        } else if (event->type() == QEvent::Hide && m_shownAt >= 0) {
            m_open += now() - m_shownAt;
            m_shownAt = -1;
        }
        return false;
    }

private:
#ifdef Q_OS_WIN
    // There clock() counts wall time; the process's user and kernel time, in 100 ns steps.
    static qint64 now()
    {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        const auto ticks = [](FILETIME t) {
            return qint64(t.dwHighDateTime) << 32 | qint64(t.dwLowDateTime);
        };
        return (ticks(kernel) + ticks(user)) * 100;
    }
#else
    static qint64 now()
    {
        return qint64(std::clock()) * (1'000'000'000 / CLOCKS_PER_SEC);
    }
#endif

    qint64 m_open = 0;
    qint64 m_shownAt = -1;
};

QString fieldName(int panel, int field)
{
    const PanelNames &p = kPanels[panel];
    return QStringList{p.supply, p.ledVoltage, p.current, p.count}[field];
}

constexpr int kMiB = 1 << 20;
constexpr qint64 kClickLimitNs = 50'000'000;

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

    row("1 MiB of leading zeros", QString(kMiB, '0') + "%1", results);
    row("1 MiB number", "%1" + QString(kMiB, '0'), cleared);
    row("1 MiB after a comma", "%1," + QString(kMiB, '0'), results);
    row("1 MiB of letters", QString(kMiB, 'x'), box);

    row("NUL alone", QString(nul), box);
    row("NUL after the number", "%1" + QString(nul), box);
    row("NUL before the number", QString(nul) + "%1", box);
    row("NULs inside the number", QString(nul) + "1" + nul + "2" + nul, box);

    row("Arabic-Indic digits", QString::fromUtf16(u"\u0661\u0662"), box);
    row("Arabic-Indic decimal separator", QString::fromUtf16(u"\u0661\u066B\u0665"), box);
    row("Eastern Arabic-Indic digits", QString::fromUtf16(u"\u06F1\u06F2"), box);
    row("full-width digits", QString::fromUtf16(u"\uFF11\uFF12"), box);
    row("full-width comma", QString::fromUtf16(u"1\uFF0C5"), box);

    row("plus sign", QString("+%1"), box);
    row("minus sign", QString("-%1"), box);
    row("minus sign after", QString("%1-"), box);
    row("exponent", QString("%1e0"), box);
    row("exponent with sign", QString("%1E+00"), box);
    row("hexadecimal float", QString("0x1p3"), box);
    row("infinity", QString("inf"), box);
    row("not a number", QString("NaN"), box);
    row("full stop", QString("%1.0"), box);
    row("grouping", QString("1.000,5"), box);
    row("leading blank", QString(" %1"), box);
    row("trailing blank", QString("%1 "), box);
    row("tab", QString("\t%1"), box);
    row("no-break space", QString::fromUtf16(u"%1\u00A0"), box);
    row("blank only", QString("   "), box);
    row("line break", QString("%1\n"), box);

    row("emoji", QString::fromUtf16(u"\U0001F4A1"), box);
    row("emoji after the number", QString::fromUtf16(u"%1\U0001F600"), box);
    row("keycap digit", QString::fromUtf16(u"1\uFE0F\u20E3"), box);
    row("lone surrogate", QString(QChar(0xD83D)) + "%1", box);
    row("combining mark on a digit", QString::fromUtf16(u"%1\u0301"), box);
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

    ClickClock clock;
    qint64 slowest = 0;
    for (int panel = 0; panel < 3; ++panel) {
        for (int field = 0; field < kExamples[panel].fields.size(); ++field) {
            const QString name = fieldName(panel, field);
            const auto others = computeExamples(mainWindow);

            auto *edit = control<QLineEdit>(mainWindow, name);
            QString pasted = text;
            pasted.replace("%1", kExamples[panel].fields[field]);
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
            QVERIFY2(edit->text() == pasted, qPrintable(name + ": the paste was cut or changed"));
            QCoreApplication::processEvents(); // the field lays out and paints what it got

            BoxSeen seen;
            const qint64 ns = clock.nsecs([&] {
                seen = closeBoxesDuring([&] { click(mainWindow, kPanels[panel].calculate); });
            });
            slowest = std::max(slowest, ns);
            QVERIFY2(ns < kClickLimitNs, qPrintable(QString("%1: %2 ms").arg(name).arg(ns / 1e6)));

            QCOMPARE(seen.shown, expect == Expect::EmptyFieldsBox);
            if (seen.shown) {
                QCOMPARE(seen.title, QString("Errore"));
                QCOMPARE(seen.text, QString("Una o più caselle vuote"));
            }
            const QStringList after = panelTexts(mainWindow, panel);
            if (expect == Expect::Results) {
                QVERIFY2(after[field] == pasted, qPrintable(name)); // fields untouched
                QCOMPARE(after[4], kExamples[panel].resistance);
                QCOMPARE(after[5], kExamples[panel].power);
            } else {
                QCOMPARE(after, kEmptyPanel);
            }
            for (int p = 0; p < 3; ++p)
                if (p != panel)
                    QCOMPARE(panelTexts(mainWindow, p), others[p]);
        }
    }
    qInfo("slowest click %.2f ms", slowest / 1e6);
}

QTEST_MAIN(TestMainWindowHostile)
#include "tst_main_window_hostile.moc"
