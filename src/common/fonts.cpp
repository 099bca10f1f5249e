// Choosing the interface face, and the font of each role.
#include "common/fonts.h"

#include "common/platform.h"

#include "resource_paths.h"

#include <QFontDatabase>
#include <QResource>

namespace varelux::ui {

namespace {

constexpr int kRegularPixels = 11; // 8.25 pt at 96 dpi
constexpr int kHeadingPixels = 16; // 12 pt at 96 dpi

QString resolveFontFamily()
{
    const QString preferred = QStringLiteral("MS Sans Serif");
    if (installedMsSansSerifFits() && QFontDatabase::families().contains(preferred))
        return preferred;
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

} // namespace varelux::ui
