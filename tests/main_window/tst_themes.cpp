// The windows under a light, a dark and a white-on-black palette, measured on their rendered
// pixels: built under the palette, as at start, or switched to it while open, as when the
// desktop's theme changes. VARELUX_PRINT_CONTRAST=1 prints every text's contrast.
#include "common/readable_colour.h"
#include "main_window/main_window_layout.h"
#include "reference/diagrams.h"
#include "reference/picture.h"

#include "data_row.h"
#include "window_fixture.h"

#include <QStyle>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

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

// Builds and draws windows under one palette, then switches to theme's.
void switchTo(Theme theme, Theme builtUnder, const std::function<void()> &build)
{
    QApplication::setPalette(paletteOf(builtUnder));
    build();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->grab();
    QApplication::setPalette(paletteOf(theme));
    QCoreApplication::processEvents(); // widgets take the new palette through posted events
}

QColor designedColour(const QString &name)
{
    for (const MainWindowRow &row : mainWindowRows())
        if (row.control.name == name)
            return row.textColour;
    return {};
}

// What is wrong with a control's text; empty when nothing is. Background: the commonest pixel;
// ink: the pixel of most contrast with it. A designed colour stays exact on a light face and
// wherever it already reads; elsewhere it must read, in its hue, lightened no further than needed.
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
    const double contrast = apart(ink.rgb());
    const QString seen = control->objectName() + u" is "_s + ink.name() + u" on "_s +
                         ground.name() + u" at "_s + QString::number(contrast, 'f', 2);
    if (qEnvironmentVariableIsSet("VARELUX_PRINT_CONTRAST"))
        qInfo().noquote() << QTest::currentDataTag() << control->window()->objectName() << seen;
    const QColor designed = designedColour(control->objectName());
    if (designed.isValid() && (theme == Theme::Light || ui::contrastRatio(designed, ground) >= 4.6))
        return ink == designed ? QString() : seen;
    const int hueApart = std::abs((ink.hsvHue() - designed.hsvHue() + 540) % 360 - 180);
    const bool overdone = designed.isValid() && (contrast > 5 || hueApart > 30);
    return contrast < ui::kMinimumContrast || overdone ? seen : QString();
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
    closeReferenceWindows();
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
    if (theme != Theme::Light && QApplication::style()->name() == u"windowsvista"_s)
        QSKIP("Qt's windowsvista style fills entry fields with the visual theme's white "
              "whatever the palette; Windows hands Qt 6.4 no dark palette unless asked to");
    MainWindow mainWindow;
    switchTo(theme, builtUnder, [&] {
        computeExamples(mainWindow);
        openReference(ReferenceId::LedVoltages);
        openReference(ReferenceId::PowerRatings);
    });
    for (QWidget *window :
         {static_cast<QWidget *>(&mainWindow), openedReference(ReferenceId::LedVoltages),
          openedReference(ReferenceId::PowerRatings)})
        for (QWidget *control : window->findChildren<QWidget *>())
            if (qobject_cast<QLabel *>(control) || qobject_cast<QLineEdit *>(control)) {
                const QString fault = faultOf(control, theme);
                QVERIFY2(fault.isEmpty(), qPrintable(fault));
            }
}

// Each diagram shown is the light drawing pixel for pixel, its colours replaced under a dark
// palette: black by WindowText and the background by Window, so no light box shows.
void TestThemes::diagramsInPaletteColours()
{
    QFETCH(Theme, theme);
    QFETCH(Theme, builtUnder);
    const ReferenceId ids[] = {diagramWindow(Circuit::SingleLed), diagramWindow(Circuit::Series),
                               diagramWindow(Circuit::Parallel)};
    switchTo(theme, builtUnder, [&] {
        for (const ReferenceId id : ids)
            openReference(id);
    });
    const DiagramColours colours = diagramColours(paletteOf(theme));
    if (theme != Theme::Light) {
        QCOMPARE(colours.ink, paletteOf(theme).color(QPalette::WindowText));
        QCOMPARE(colours.background, paletteOf(theme).color(QPalette::Window));
    }
    const QHash<QRgb, QRgb> toLight{{colours.ink.rgb(), qRgb(0, 0, 0)},
                                    {colours.edge.rgb(), kDiagramEdge.rgb()},
                                    {colours.background.rgb(), kDiagramBackground.rgb()}};
    for (int i = 0; i < 3; ++i) {
        QImage shown =
            openedReference(ids[i])->findChild<Picture *>()->grab().toImage().convertToFormat(
                QImage::Format_RGB32);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                shown.setPixel(x, y, toLight.value(shown.pixel(x, y), qRgb(255, 0, 255)));
        QCOMPARE(shown, drawDiagram(Circuit(i), 1).convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
