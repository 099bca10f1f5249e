// Finding and installing Qt's Italian translation.
#include "main_window/toolkit_translation.h"

#include "resource_paths.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varelux {

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

} // namespace varelux
