// Font choice, window centring and toolkit translation.
#include "common/window_look.h"

#include "resource_paths.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

namespace varelux::ui {

namespace {

constexpr int kRegularPixels = 11; // 8.25 pt at 96 dpi
constexpr int kHeadingPixels = 16; // 12 pt at 96 dpi

QString resolveFontFamily()
{
    const QString preferred = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::families().contains(preferred))
        return preferred;
    QString embedded;
    for (const char *path : {resources::kFontRegular, resources::kFontBold}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
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

void moveFrameToCentre(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // move() places the frame's top-left corner.
    QRect centred(QPoint(), window->frameGeometry().size());
    centred.moveCenter(screen->availableGeometry().center());
    window->move(centred.topLeft());
}

// Under X11 the frame is known only once the window manager has framed the shown window;
// then the window is centred once more, with its real frame.
class RecentreWhenFramed : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate) &&
            window->isVisible() && window->frameGeometry().size() != window->size()) {
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
    window->winId(); // some platforms know the frame as soon as the native window exists
    moveFrameToCentre(window);
    if (window->frameGeometry().size() == window->size())
        window->installEventFilter(new RecentreWhenFramed(window));
}

bool installItalianTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace varelux::ui
