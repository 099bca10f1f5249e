// What a screen reader is told after a click on a panel's button: the result in one sentence, that
// the panel was cleared, or nothing where a message box speaks for itself; and that telling it
// changes nothing on the screen.
#include "common/announcer.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

// Announcements since the last clear, as assistive technology receives them on this Qt release.
QStringList g_heard;
bool g_allPolite = true;

void hear(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        const auto *announcement = static_cast<QAccessibleAnnouncementEvent *>(event);
        g_heard << announcement->message();
        g_allPolite = g_allPolite &&
                      announcement->politeness() == QAccessible::AnnouncementPoliteness::Polite;
    }
#else
    // A notification that starts showing is spoken with its name.
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface *shown = event->accessibleInterface();
        if (shown && shown->role() == QAccessible::Notification)
            g_heard << shown->text(QAccessible::Name);
    }
#endif
}

void startListening()
{
    g_heard.clear();
    g_allPolite = true;
}

} // namespace

class TestAnnouncements : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Qt passes accessibility events on only while its bridge to the accessibility bus is
        // active (run_atspi.sh provides the bus); the handler then takes them instead.
        QVERIFY2(QTest::qWaitFor([] { return QAccessible::isActive(); }),
                 "Qt's accessibility bridge did not come up");
        QAccessible::installUpdateHandler(&hear);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void afterAClick_data();
    void afterAClick();
    void nothingVisibleChanges();
};

void TestAnnouncements::afterAClick_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("box");

    const auto results = [](int panel) {
        return QStringList{u"Resistenza calcolata %1 ohm, potenza dissipata %2 mW"_s.arg(
            example(panel).resistance, example(panel).power)};
    };
    row("result", 0, example(0).fields, kPanels[0].calculate, results(0), false);
    row("result with a decimal comma", 2, example(2).fields, kPanels[2].calculate, results(2),
        false);
    row("result out of range, cleared without a box", 1,
        QStringList{u"3"_s, u"3"_s, u"0"_s, u"1"_s}, kPanels[1].calculate,
        QStringList{u"Risultato fuori dai limiti, pannello Led in serie cancellato"_s}, false);
    row("Cancella", 2, example(2).fields, kPanels[2].clear,
        QStringList{u"Pannello Led in parallelo cancellato"_s}, false);
    row("Cancella on an empty panel", 0, QStringList(), kPanels[0].clear,
        QStringList{u"Pannello Led singolo cancellato"_s}, false);
    row("empty field: the box speaks", 0, QStringList{u"12"_s, u""_s, u"20"_s},
        kPanels[0].calculate, QStringList(), true);
    row("zero current: the box speaks", 1, QStringList{u"12"_s, u"2"_s, u"0"_s, u"3"_s},
        kPanels[1].calculate, QStringList(), true);
}

void TestAnnouncements::afterAClick()
{
    QFETCH(int, panel);
    QFETCH(QStringList, fields);
    QFETCH(QString, button);
    QFETCH(QStringList, heard);
    QFETCH(bool, box);

    fill(mainWindow(), panel, fields);
    startListening();
    QStringList heardWhileBoxOpen;
    bool boxHasFocus = false;
    const BoxSeen seen =
        closeBoxesDuring([&] { click(mainWindow(), button); },
                         [&] {
                             heardWhileBoxOpen = g_heard;
                             QWidget *modal = QApplication::activeModalWidget();
                             boxHasFocus = QTest::qWaitFor([modal] {
                                 return modal->isAncestorOf(QApplication::focusWidget());
                             });
                         });
    QCOMPARE(seen.shown, box);
    if (box) {
        QVERIFY2(boxHasFocus, "the message box does not take the focus");
        QCOMPARE(heardWhileBoxOpen, QStringList());
    }
    QCOMPARE(g_heard, heard);
    QVERIFY(g_allPolite);
}

// An announcement moves no pixel and takes no focus.
void TestAnnouncements::nothingVisibleChanges()
{
    closeBoxesDuring([&] { compute(mainWindow(), 0, example(0).fields); });
    auto *field = control<QLineEdit>(mainWindow(), kPanels[0].supply);
    field->setFocus();
    const QImage before = mainWindow().grab().toImage();
    startListening();
    ui::announce(control(mainWindow(), kPanels[0].calculate), u"Prova"_s);
    ui::announce(control(mainWindow(), kPanels[0].calculate), u"Prova di nuovo"_s);
    QCOMPARE(g_heard, QStringList({u"Prova"_s, u"Prova di nuovo"_s}));
    QCOMPARE(mainWindow().grab().toImage(), before);
    QCOMPARE(mainWindow().focusWidget(), field);
}

QTEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"
