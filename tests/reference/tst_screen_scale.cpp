// Every window at the screen's scale factor (QT_SCALE_FACTOR; CTest runs this at 1 and at 2):
// the window covers its size times the factor in device pixels, and each picture is drawn for
// that ratio and shown pixel for pixel, not scaled from a picture drawn for another ratio.
#include "reference/open_references.h"
#include "reference/picture.h"

#include "data_row.h"
#include "window_fixture.h"

#include <QtMath>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

qreal scaleFactor()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestScreenScale : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeReferenceWindows(); }

    void windowsAtTheScreenRatio_data();
    void windowsAtTheScreenRatio();
};

void TestScreenScale::windowsAtTheScreenRatio_data()
{
    QTest::addColumn<int>("reference"); // a ReferenceId, or -1 for the main window
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pictures");

    row("Form1", -1, mainWindowFacts().size, 0);
    row("Form2", int(diagramWindow(Circuit::SingleLed)), QSize(137, 201), 1);
    row("Form3", int(diagramWindow(Circuit::Series)), QSize(137, 265), 1);
    row("Form4", int(diagramWindow(Circuit::Parallel)), QSize(241, 265), 1);
    row("Form5", int(ReferenceId::LedVoltages), QSize(225, 145), 0);
    row("Form6", int(ReferenceId::StandardValues), QSize(602, 205), 1);
    row("Form7", int(ReferenceId::PowerRatings), QSize(161, 209), 0);
    row("Form8, the planner", kPlannerWindow, QSize(834, 384), 1);
}

void TestScreenScale::windowsAtTheScreenRatio()
{
    QFETCH(int, reference);
    QFETCH(QSize, size);
    QFETCH(int, pictures);

    // Every other window opens by its button, the planner too.
    const Shown<MainWindow> mainWindow;
    QWidget *window = mainWindow.get();
    if (reference >= 0) {
        click(*mainWindow, buttonOpening(reference));
        window = openedWindow(reference);
    }
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const qreal factor = scaleFactor();
    QCOMPARE(window->devicePixelRatio(), factor);
    QCOMPARE(window->size(), size);

    const QImage shown = window->grab().toImage();
    QCOMPARE(shown.size(), size * factor);

    // Each control covers its own rectangle times the factor: drawn on its own, it gives the
    // same pixels as that part of the whole window. Its outermost pixels are left out: Qt 6.8's
    // Windows style under Wine draws the fields' frame lines a little differently each time.
    const int edge = qCeil(factor);
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QImage alone = child->grab().toImage();
        QCOMPARE(alone.size(), child->size() * factor);
        const QRect inside = QRect(QPoint(), alone.size()).adjusted(edge, edge, -edge, -edge);
        const QImage there = shown.copy(QRect(child->pos() * factor, alone.size()));
        QVERIFY2(rgb(there.copy(inside)) == rgb(alone.copy(inside)),
                 qPrintable(child->objectName()));
    }

    const QList<Picture *> found = window->findChildren<Picture *>();
    QCOMPARE(found.size(), pictures);
    for (Picture *picture : found) {
        const QImage &image = picture->image();
        QCOMPARE(image.devicePixelRatio(), factor);
        QCOMPARE(image.size(), picture->size() * factor);
        const QRect onScreen(picture->pos() * factor, image.size());
        QVERIFY2(rgb(shown.copy(onScreen)) == rgb(image),
                 qPrintable(picture->objectName() + u" is not shown pixel for pixel"_s));
    }
}

QTEST_MAIN(TestScreenScale)
#include "tst_screen_scale.moc"
