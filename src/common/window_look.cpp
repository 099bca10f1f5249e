// Font choice, window centring and toolkit translation.
#include "common/window_look.h"

#include "common/platform.h"

#include "resource_paths.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QResource>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

namespace varelux::ui {

namespace {

constexpr int kRegularPixels = 11; // 8.25 pt at 96 dpi
constexpr int kHeadingPixels = 16; // 12 pt at 96 dpi

QString resolveFontFamily()
{
#ifndef Q_OS_WIN
    // Windows always has a face of this name, and not the one the fitted labels were measured
    // with: there the embedded face is the only one whose widths are known to fit.
    const QString preferred = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::families().contains(preferred))
        return preferred;
#endif
    QString embedded;
    for (const char *path : {resources::kFontRegular, resources::kFontBold}) {
        // The faces are stored uncompressed, so this hands the font engine the bytes where they
        // lie in the program file rather than a copy on the heap.
        const int id = QFontDatabase::addApplicationFontFromData(
            QResource(QString::fromLatin1(path)).uncompressedData());
        if (id >= 0 && embedded.isEmpty())
            embedded = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return embedded.isEmpty() ? QStringLiteral("Liberation Sans") : embedded;
}

} // namespace

QString fontFamily()
{
    static const QString family = resolveFontFamily();
    return family;
}

QFont font(FontRole role)
{
    QFont f(fontFamily());
    f.setPixelSize(role == FontRole::Heading ? kHeadingPixels : kRegularPixels);
    f.setBold(role != FontRole::Regular);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

namespace {

// The frame as the platform reports it now; QWidget's own copy can lag behind under X11.
QMargins frameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void moveFrameToCentre(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QMargins margins = frameMargins(window);
    QRect frame(QPoint(), window->size().grownBy(margins));
    frame.moveCenter(screen->availableGeometry().center());
    if (QWindow *handle = window->windowHandle())
        handle->setFramePosition(frame.topLeft());
    else
        window->move(frame.topLeft()); // for a window, move() places the frame's corner
}

// Under X11 the frame is known only once the window manager has framed the shown window;
// then the window is centred once more, with its real frame.
class RecentreWhenFramed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate ||
             type == QEvent::Paint) &&
            window->isVisible() && !frameMargins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            moveFrameToCentre(window);
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget *window)
{
    // The compositor ignores a position set there. Where it draws the frames itself, no frame is
    // ever reported either, and the filter below would stay installed for good.
    if (onWayland())
        return;
    window->winId(); // some platforms know the frame as soon as the native window exists
    moveFrameToCentre(window);
    if (frameMargins(window).isNull())
        window->installEventFilter(new RecentreWhenFramed(window));
}

bool installItalianTranslation(QApplication &app)
{
    // The program file carries the translation where Qt is linked in (Windows); elsewhere it
    // comes with the system's Qt.
    auto *translator = new QTranslator(&app);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (const QString &folder : {QString::fromLatin1(resources::kTranslations),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace varelux::ui
