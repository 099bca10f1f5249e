// Every window at the screen's scale factor (QT_SCALE_FACTOR; CTest runs this at 1 and at 2):
// the window covers its size times the factor in device pixels, and each picture is drawn for
// that ratio and shown pixel for pixel, not scaled from a picture drawn for another ratio.
#include "reference/opening_rule.h"
#include "reference/picture.h"

#include "data_row.h"
#include "main_window/main_window_fixture.h"

#include <QtTest>

using namespace varelux;

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
    void init();
    void cleanup();

    void windowsAtTheScreenRatio_data();
    void windowsAtTheScreenRatio();

private:
    MainWindow *m_form = nullptr;
};

void TestScreenScale::init()
{
    m_form = new MainWindow;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestScreenScale::cleanup()
{
    for (const Opener &opener : kOpeners)
        if (QWidget *window = openedReference(opener.id))
            window->close();
    delete m_form;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestScreenScale::windowsAtTheScreenRatio_data()
{
    QTest::addColumn<QString>("button"); // empty for Form1 itself
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pictures");

    row("Form1", QString(), QSize(713, 337), 0);
    row("Form2", QString("cmd_Schema1"), QSize(137, 201), 1);
    row("Form3", QString("cmd_Schema2"), QSize(137, 265), 1);
    row("Form4", QString("cmd_Schema3"), QSize(241, 265), 1);
    row("Form5", QString("cmd_TensLed"), QSize(225, 145), 0);
    row("Form6", QString("cmd_ValResStd"), QSize(602, 205), 1);
    row("Form7", QString("cmd_PotMaxRes"), QSize(161, 209), 0);
}

void TestScreenScale::windowsAtTheScreenRatio()
{
    QFETCH(QString, button);
    QFETCH(QSize, size);
    QFETCH(int, pictures);

    QWidget *window = m_form;
    if (!button.isEmpty()) {
        click(*m_form, button);
        window = nullptr;
        for (const Opener &opener : kOpeners)
            if (button == opener.button)
                window = openedReference(opener.id);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    const qreal factor = scaleFactor();
    QCOMPARE(window->devicePixelRatio(), factor);
    QCOMPARE(window->size(), size);

    const QImage shown = window->grab().toImage();
    QCOMPARE(shown.size(), size * factor);

    // Each control covers its own rectangle times the factor: drawn on its own, it gives the
    // same pixels as that part of the whole window.
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QImage alone = child->grab().toImage();
        QCOMPARE(alone.size(), child->size() * factor);
        QVERIFY2(rgb(shown.copy(QRect(child->pos() * factor, alone.size()))) == rgb(alone),
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
                 qPrintable(picture->objectName() + " is not shown pixel for pixel"));
    }
}

QTEST_MAIN(TestScreenScale)
#include "tst_screen_scale.moc"
