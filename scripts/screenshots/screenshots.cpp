// Takes the README's pictures of the windows as a user sees them, frames included: the main
// window, the hint on a computed resistance, the three diagram windows side by side, the three
// table windows, the LED array planner with a plan, the main window once more under a dark
// palette, and in each translation's language with the panels' worked examples computed (the
// planner with its plan too in German). Runs under a window manager (scripts/screenshot.sh):
// screenshots OUTPUT_DIRECTORY
#include "common/language.h"
#include "common/window_placement.h"
#include "led_array/led_array_window.h"
#include "main_window/main_window.h"
#include "reference/open_references.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include <cstdio>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

bool waitFramed(QWidget *window)
{
    return QTest::qWaitFor([&] { return window->windowHandle()->frameMargins().top() > 0; },
                           5000) &&
           QTest::qWaitForWindowActive(window, 5000);
}

// The window with its frame, as the screen shows it.
QImage grabFramed(QWidget *window)
{
    QTest::qWait(400); // recentred and repainted
    const QRect frame = window->windowHandle()->frameGeometry();
    QImage image = window->screen()
                       ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                       .toImage();
    image.setDevicePixelRatio(1); // kept in screen pixels on high-density screens
    return image;
}

QImage sideBySide(const QList<QImage> &pictures)
{
    constexpr int kGap = 16;
    int width = kGap, height = 0;
    for (const QImage &picture : pictures) {
        width += picture.width() + kGap;
        height = std::max(height, picture.height());
    }
    QImage result(width, height + 2 * kGap, QImage::Format_RGB32);
    result.fill(QColor(246, 246, 246));
    QPainter painter(&result);
    int x = kGap;
    for (const QImage &picture : pictures) {
        painter.drawImage(x, kGap, picture);
        x += picture.width() + kGap;
    }
    return result;
}

// The parallel panel's worked example computed, and the hint on its resistance shown below it:
// the picture holds the panel's results and the hint.
QImage grabResultHint(MainWindow &mainWindow)
{
    const std::pair<const char *, const char *> fields[] = {
        {"txt_AlCirc3", "5"}, {"txt_AlLed3", "2"}, {"txt_CorrLed3", "20"}, {"txt_NumLed2", "4"}};
    for (const auto &[name, text] : fields)
        mainWindow.findChild<QLineEdit *>(QString::fromLatin1(name))
            ->setText(QString::fromLatin1(text));
    mainWindow.findChild<QPushButton *>(u"cmd_Calcola3"_s)->click();
    auto *result = mainWindow.findChild<QLabel *>(u"lbl_ResCalc3"_s);
    QToolTip::showText(result->mapToGlobal(QPoint(0, result->height() + 2)), result->toolTip(),
                       result, QRect(), 60000);
    QWidget *tip = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->windowType() == Qt::ToolTip && window->isVisible())
                tip = window;
        return tip != nullptr;
    });
    if (!shown)
        return QImage();
    QTest::qWait(400); // drawn
    const QPoint panel = mainWindow.findChild<QWidget *>(u"lbl_Res3"_s)->mapToGlobal(QPoint());
    const QRect area = QRect(panel, result->mapToGlobal(result->rect().bottomRight()))
                           .united(tip->frameGeometry())
                           .adjusted(-8, -8, 8, 8);
    QImage image = mainWindow.screen()
                       ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                       .toImage();
    image.setDevicePixelRatio(1);
    QToolTip::hideText();
    return image;
}

// A worked example in each panel, its numbers written with the decimal comma: the fields (the
// single-LED panel has no count) and its "Calcola".
struct WorkedExample {
    std::pair<const char *, const char *> fields[4];
    const char *button;
};
constexpr WorkedExample kWorkedExamples[] = {
    {{{"txt_AlCirc", "5"}, {"txt_AlLed", "2,1"}, {"txt_CorrLed", "15"}, {}}, "cmd_Calcola"},
    {{{"txt_AlCirc2", "12"}, {"txt_AlLed2", "2"}, {"txt_CorrLed2", "20"}, {"txt_NumLed", "3"}},
     "cmd_Calcola2"},
    {{{"txt_AlCirc3", "5"}, {"txt_AlLed3", "2"}, {"txt_CorrLed3", "20"}, {"txt_NumLed2", "4"}},
     "cmd_Calcola3"},
};

// What a field shows of a number written with the decimal comma, in the language in use.
QString inLanguage(const char *number)
{
    return QString::fromLatin1(number).replace(u',', QLatin1Char(ui::decimalSeparator()));
}

// The LED array planner opened by its button, 10 LEDs of 3,2 V at 20 mA planned on 12 V: three
// strings of three and one of one.
QImage grabLedArray(MainWindow &mainWindow)
{
    mainWindow.findChild<QPushButton *>(u"cmd_MatriceLed"_s)->click();
    QPointer<QWidget> planner = openedLedArray();
    if (!planner || !waitFramed(planner))
        return QImage();
    const std::pair<const char *, const char *> fields[] = {
        {"txt_AlCirc", "12"}, {"txt_AlLed", "3,2"}, {"txt_CorrLed", "20"}, {"txt_NumLed", "10"}};
    for (const auto &[name, text] : fields)
        planner->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(inLanguage(text));
    planner->findChild<QPushButton *>(u"cmd_Calcola"_s)->click();
    const QImage image = grabFramed(planner);
    planner->close();
    return QTest::qWaitFor([&] { return planner.isNull(); }, 2000) ? image : QImage();
}

// A dark desktop theme, close to qt6ct's "darker" scheme.
QPalette darkPalette()
{
    const QColor window(0x42, 0x42, 0x42), text(0xf0, 0xf0, 0xf0), base(0x2e, 0x2e, 0x2e);
    return QPalette(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                    Qt::white, base, window);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    ui::useLanguage(ui::kItalian);

    MainWindow mainWindow;
    ui::centreOnScreen(&mainWindow);
    mainWindow.show();
    if (!waitFramed(&mainWindow))
        return 1;
    bool saved = grabFramed(&mainWindow).save(out.filePath(u"varelux.png"_s));
    saved = grabResultHint(mainWindow).save(out.filePath(u"result-hint.png"_s)) && saved;

    struct Shot {
        const char *file;
        QList<ReferenceId> windows;
    };
    const Shot shots[] = {
        {"diagrams.png",
         {diagramWindow(Circuit::SingleLed), diagramWindow(Circuit::Series),
          diagramWindow(Circuit::Parallel)}},
        {"tables.png",
         {ReferenceId::LedVoltages, ReferenceId::PowerRatings, ReferenceId::StandardValues}},
    };
    for (const Shot &shot : shots) {
        QList<QImage> pictures;
        for (const ReferenceId id : shot.windows) {
            openReference(id); // as the window's button does
            QPointer<QWidget> window = openedReference(id);
            if (!window || !waitFramed(window))
                return 1;
            pictures << grabFramed(window);
            window->close();
            if (!QTest::qWaitFor([&] { return window.isNull(); }, 2000))
                return 1;
        }
        saved = sideBySide(pictures).save(out.filePath(QString::fromLatin1(shot.file))) && saved;
    }
    saved = grabLedArray(mainWindow).save(out.filePath(u"led-array.png"_s)) && saved;

    QApplication::setPalette(darkPalette());
    MainWindow dark;
    ui::centreOnScreen(&dark);
    dark.show();
    if (!waitFramed(&dark))
        return 1;
    saved = grabFramed(&dark).save(out.filePath(u"varelux-dark.png"_s)) && saved;

    // varelux-<code>.png, and led-array-<code>.png where the planner is taken too.
    struct Translated {
        const char *language;
        bool planner;
    };
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (const auto &[language, planner] : {Translated{"en", false}, Translated{"de", true}}) {
        const QString code = QString::fromLatin1(language);
        ui::useLanguage(code);
        MainWindow translated;
        ui::centreOnScreen(&translated);
        translated.show();
        if (!waitFramed(&translated))
            return 1;
        for (const auto &[fields, button] : kWorkedExamples) {
            for (const auto &[name, text] : fields)
                if (name)
                    translated.findChild<QLineEdit *>(QString::fromLatin1(name))
                        ->setText(inLanguage(text));
            translated.findChild<QPushButton *>(QString::fromLatin1(button))->click();
        }
        saved = grabFramed(&translated).save(out.filePath(u"varelux-%1.png"_s.arg(code))) && saved;
        if (planner)
            saved = grabLedArray(translated).save(out.filePath(u"led-array-%1.png"_s.arg(code))) &&
                    saved;
    }
    return saved ? 0 : 1;
}
