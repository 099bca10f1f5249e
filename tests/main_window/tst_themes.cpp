// The windows under a light, a dark and a white-on-black palette, measured on their rendered
// pixels: windows built under the palette, as at start, and built under another one and then
// switched, as when the desktop's theme changes while Varelux is open.
// VARELUX_PRINT_CONTRAST=1 prints every text's contrast.
#include "common/readable_colour.h"
#include "main_window/main_window.h"
#include "reference/diagrams.h"
#include "reference/opening_rule.h"
#include "reference/picture.h"

#include "data_row.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace varelux;

enum class Theme { Light, Darker, HighContrast };
Q_DECLARE_METATYPE(Theme)

namespace {

// Light: the application's own palette at start. Darker: close to qt6ct's "darker" scheme.
QPalette paletteOf(Theme theme)
{
    static const QPalette light = QApplication::palette();
    const bool darker = theme == Theme::Darker;
    const QColor window = darker ? QColor(0x42, 0x42, 0x42) : QColor(Qt::black);
    const QColor text = darker ? QColor(0xf0, 0xf0, 0xf0) : QColor(Qt::white);
    const QColor base = darker ? QColor(0x2e, 0x2e, 0x2e) : QColor(Qt::black);
    return theme == Theme::Light ? light
                                 : QPalette(text, window, window.lighter(150), window.darker(200),
                                            window.darker(150), text, Qt::white, base, window);
}

// Builds and draws windows under one palette, then switches to theme's; widgets take a new
// application palette through posted events.
void switchTo(Theme theme, Theme builtUnder, const std::function<void()> &build)
{
    QApplication::setPalette(paletteOf(builtUnder));
    build();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->grab(); // drawn under the first palette
    QApplication::setPalette(paletteOf(theme));
    QCoreApplication::processEvents();
}

// The text colours of the main window, designed for a light face.
const QHash<QString, QColor> kDesigned = {
    {"lbl_DL1", QColor(0, 192, 0)}, {"lbl_DL2", QColor(192, 0, 0)}, {"lbl_DL3", QColor(0, 0, 255)},
    {"Label1", QColor(192, 0, 0)},  {"Label2", QColor(192, 0, 0)},
};

// Within one 8-bit step on every channel, where the fullest pixels of thin text can fall.
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
           std::abs(a.blue() - b.blue()) <= 1;
}

// What is wrong with a control's text; empty when nothing is. Background: the commonest pixel;
// ink: the pixel farthest from it in luminance. A designed colour is kept on a light face and
// wherever it reads (with room for a step above 4.5:1); elsewhere it must read, lightened or
// darkened no further than it needs, in the same hue.
QString faultOf(QWidget *control, Theme theme)
{
    const QRect inside = qobject_cast<QLineEdit *>(control) ? control->rect().adjusted(3, 3, -3, -3)
                                                            : control->contentsRect();
    const QImage image = control->grab(inside).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QList<QRgb> colours = counts.keys();
    const QColor ground = *std::max_element(colours.begin(), colours.end(),
                                            [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    auto apart = [&](QRgb c) { return ui::contrastRatio(QColor(c), ground); };
    const QColor ink = *std::max_element(colours.begin(), colours.end(),
                                         [&](QRgb a, QRgb b) { return apart(a) < apart(b); });
    const double contrast = ui::contrastRatio(ink, ground);
    const QString seen = control->objectName() + " is " + ink.name() + " on " + ground.name() +
                         " at " + QString::number(contrast, 'f', 2);
    if (qEnvironmentVariableIsSet("VARELUX_PRINT_CONTRAST"))
        qInfo().noquote() << QTest::currentDataTag() << control->window()->objectName() << seen;
    const QColor designed = kDesigned.value(control->objectName());
    if (designed.isValid() && (theme == Theme::Light || ui::contrastRatio(designed, ground) >= 4.6))
        return near(ink, designed) ? QString() : seen;
    const int hueApart = std::abs((ink.hsvHue() - designed.hsvHue() + 540) % 360 - 180);
    if (contrast < ui::kMinimumContrast || (designed.isValid() && (contrast > 5 || hueApart > 30)))
        return seen;
    return QString();
}

} // namespace

class TestThemes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { paletteOf(Theme::Light); }
    void cleanup();
    void textReadable_data();
    void textReadable();
    void diagramsInPaletteColours_data() { textReadable_data(); }
    void diagramsInPaletteColours();
};

void TestThemes::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->testAttribute(Qt::WA_DeleteOnClose))
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setPalette(paletteOf(Theme::Light));
}

void TestThemes::textReadable_data()
{
    QTest::addColumn<Theme>("theme");
    QTest::addColumn<Theme>("builtUnder");
    row("light", Theme::Light, Theme::Light);
    row("darker", Theme::Darker, Theme::Darker);
    row("high contrast", Theme::HighContrast, Theme::HighContrast);
    row("light, switched from high contrast", Theme::Light, Theme::HighContrast);
    row("darker, switched from light", Theme::Darker, Theme::Light);
    row("high contrast, switched from darker", Theme::HighContrast, Theme::Darker);
}

// Every label and entry field of the main window, its results computed, and of the two tables.
void TestThemes::textReadable()
{
    QFETCH(Theme, theme);
    QFETCH(Theme, builtUnder);
    MainWindow form;
    switchTo(theme, builtUnder, [&] {
        const QHash<QString, QString> entries{
            {"txt_AlCirc", "12"}, {"txt_AlLed", "2"}, {"txt_CorrLed", "20"}, {"txt_NumLed", "3"}};
        for (QLineEdit *field : form.findChildren<QLineEdit *>())
            field->setText(entries.value(field->objectName().remove(QRegularExpression("\\d$"))));
        for (QPushButton *calculate :
             form.findChildren<QPushButton *>(QRegularExpression("^cmd_Calcola")))
            calculate->click();
        openReference(ReferenceId::LedVoltages);
        openReference(ReferenceId::PowerRatings);
    });
    for (QWidget *window :
         {static_cast<QWidget *>(&form), openedReference(ReferenceId::LedVoltages),
          openedReference(ReferenceId::PowerRatings)})
        for (QWidget *control : window->findChildren<QWidget *>())
            if (qobject_cast<QLabel *>(control) || qobject_cast<QLineEdit *>(control)) {
                const QString fault = faultOf(control, theme);
                QVERIFY2(fault.isEmpty(), qPrintable(fault));
            }
}

// Each diagram is the light drawing pixel for pixel, its colours replaced under a dark palette:
// black by WindowText, the background by Window (so no light box shows in the window), the edge
// grey by the colour halfway between.
void TestThemes::diagramsInPaletteColours()
{
    QFETCH(Theme, theme);
    QFETCH(Theme, builtUnder);
    const ReferenceId ids[] = {ReferenceId::SingleDiagram, ReferenceId::SeriesDiagram,
                               ReferenceId::ParallelDiagram};
    switchTo(theme, builtUnder, [&] {
        for (const ReferenceId id : ids)
            openReference(id);
    });
    const QPalette palette = paletteOf(theme);
    const bool dark = theme != Theme::Light;
    const QColor ink = dark ? palette.color(QPalette::WindowText) : QColor(Qt::black);
    const QColor ground = dark ? palette.color(QPalette::Window) : kDiagramBackground;
    const QColor edge =
        dark ? QColor((ink.red() + ground.red()) / 2, (ink.green() + ground.green()) / 2,
                      (ink.blue() + ground.blue()) / 2)
             : kDiagramEdge;
    const QHash<QRgb, QRgb> replaced{{qRgb(0, 0, 0), ink.rgb()},
                                     {kDiagramEdge.rgb(), edge.rgb()},
                                     {kDiagramBackground.rgb(), ground.rgb()}};
    for (int i = 0; i < 3; ++i) {
        const QImage light = drawDiagram(DiagramId(i), 1);
        const QImage shown = openedReference(ids[i])->findChild<Picture *>()->grab().toImage();
        QCOMPARE(shown.size(), light.size());
        for (int y = 0; y < light.height(); ++y)
            for (int x = 0; x < light.width(); ++x)
                if (shown.pixel(x, y) != replaced.value(light.pixel(x, y)))
                    QFAIL(qPrintable(QString("diagram %1 at %2,%3").arg(i).arg(x).arg(y)));
    }
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
