// Window benchmarks on the offscreen platform: a "Calcola" click, on typed values and on a pasted
// 1 MiB text; opening each reference window until it is painted; and typing into a field that
// already holds a very long text.
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <limits>

using namespace varelux;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReferenceId)

namespace {

// Counts the paint events a window receives, itself or through its children.
class PaintWatch : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            ++paints;
        return false;
    }
};

} // namespace

class BenchUi : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_mainWindow.reset(); }
    void calculateClick_data();
    void calculateClick();
    void openReferenceWindow_data();
    void openReferenceWindow();
    void typingIntoALongText_data();
    void typingIntoALongText();

private:
    std::optional<Shown<MainWindow>> m_mainWindow;
};

void BenchUi::init()
{
    QVERIFY(m_mainWindow.emplace().exposed());
}

void BenchUi::calculateClick_data()
{
    QTest::addColumn<QString>("supply");
    QTest::newRow("typed values") << u"12"_s;
    // A pasted 1 MiB of leading zeros: the whole text is read on every click.
    QTest::newRow("1 MiB of leading zeros") << QString(1 << 20, u'0') + u"12"_s;
}

// From the click until both result labels hold their texts (the handler writes them).
void BenchUi::calculateClick()
{
    QFETCH(QString, supply);
    fill(**m_mainWindow, 2, {supply, u"2,1"_s, u"20"_s, u"4"_s});
    auto *calculate = (*m_mainWindow)->findChild<QPushButton *>(u"cmd_Calcola3"_s);
    auto *resistance = (*m_mainWindow)->findChild<QLabel *>(u"lbl_ResCalc3"_s);
    auto *power = (*m_mainWindow)->findChild<QLabel *>(u"lbl_Watt3"_s);
    QBENCHMARK
    {
        resistance->clear();
        calculate->click();
    }
    QCOMPARE(resistance->text(), u"123,75"_s);
    QCOMPARE(power->text(), u"792"_s);
}

void BenchUi::openReferenceWindow_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::newRow("Form2") << diagramWindow(Circuit::SingleLed);
    QTest::newRow("Form3") << diagramWindow(Circuit::Series);
    QTest::newRow("Form4") << diagramWindow(Circuit::Parallel);
    QTest::newRow("Form5") << ReferenceId::LedVoltages;
    QTest::newRow("Form6") << ReferenceId::StandardValues;
    QTest::newRow("Form7") << ReferenceId::PowerRatings;
}

// From the button press until the new window has been painted; the median of 30 openings.
void BenchUi::openReferenceWindow()
{
    QFETCH(ReferenceId, id);
    auto *press = (*m_mainWindow)->findChild<QPushButton *>(buttonOpening(id));
    QList<qint64> times;
    PaintWatch watch;
    for (int round = 0; round < 30; ++round) {
        qApp->installEventFilter(&watch);
        watch.paints = 0;
        QElapsedTimer timer;
        timer.start();
        press->click();
        QWidget *window = openedReference(id);
        while (watch.paints == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        times << timer.nsecsElapsed();
        qApp->removeEventFilter(&watch);
        QVERIFY(window && window->isVisible());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    QTest::setBenchmarkResult(double(times[times.size() / 2]) / 1e6, QTest::WalltimeMilliseconds);
}

void BenchUi::typingIntoALongText_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("keys");
    QTest::addColumn<bool>("bare"); // a plain QLineEdit, for comparison
    for (const bool bare : {false, true}) {
        const char *field = bare ? "plain QLineEdit" : "entry field";
        QTest::addRow("%s, 100 characters", field) << 100 << 10000 << bare;
        QTest::addRow("%s, 10,000 characters", field) << 10000 << 1000 << bare;
        QTest::addRow("%s, 100,000 characters", field) << 100000 << 100 << bare;
    }
}

// Digits typed one key event each at the end of a field that already holds `length` digits;
// the time per keystroke, and what 10,000 of them would take.
void BenchUi::typingIntoALongText()
{
    QFETCH(int, length);
    QFETCH(int, keys);
    QFETCH(bool, bare);
    QLineEdit plain(m_mainWindow->get());
    plain.setMaxLength(std::numeric_limits<int>::max());
    auto *field = bare ? &plain : (*m_mainWindow)->findChild<QLineEdit *>(u"txt_AlCirc"_s);
    field->setText(QString(length, QLatin1Char('7')));
    QCOMPARE(field->text().size(), length);
    field->end(false);
    QElapsedTimer timer;
    timer.start();
    for (int key = 0; key < keys; ++key)
        QTest::keyClick(field, char('0' + key % 10));
    const double perKey = double(timer.nsecsElapsed()) / 1e6 / keys;
    QCOMPARE(field->text().size(), length + keys);
    qInfo("%.3f ms a keystroke, %.1f s for 10,000", perKey, perKey * 10);
    QTest::setBenchmarkResult(perKey, QTest::WalltimeMilliseconds);
}

QTEST_MAIN(BenchUi)
#include "bench_ui.moc"
