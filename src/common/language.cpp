// Choosing the language and installing its translations.
#include "common/language.h"

#include "core/number_text.h"
#include "resource_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>

namespace varelux::ui {

namespace {

constexpr QLatin1String kEnglish{"en"};

// The language in use.
QString &inUse()
{
    static QString language = kItalian;
    return language;
}

// The translators this module installed, to take out when the language changes: the program's
// texts and Qt's.
std::array<QTranslator *, 2> g_installed{};

// Loads name_<language>.qm from the program's own resources or, for Qt's texts, from the
// system's Qt; nullptr when neither has it.
QTranslator *loaded(const QString &name, const QString &language)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : {QString::fromLatin1(resources::kTranslations),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name + QLatin1Char('_') + language, folder))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

QStringList spokenLanguages()
{
    QStringList spoken{kItalian};
    const QStringList translations = QDir(QString::fromLatin1(resources::kTranslations))
                                         .entryList({QStringLiteral("varelux_*.qm")}, QDir::Files);
    for (const QString &file : translations)
        spoken << file.section(u'_', 1).section(u'.', 0, 0);
    return spoken;
}

QString preferredLanguage(const QStringList &uiLanguages)
{
    const QStringList spoken = spokenLanguages();
    for (const QString &tag : uiLanguages) {
        if (tag == u"C" || tag == u"POSIX")
            return kItalian;
        const QString language = tag.section(u'-', 0, 0).toLower();
        if (spoken.contains(language))
            return language;
    }
    return kEnglish;
}

QString systemLanguage()
{
    return preferredLanguage(QLocale::system().uiLanguages());
}

void useLanguage(const QString &language)
{
    for (QTranslator *&translator : g_installed) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    inUse() = language;
    // The program's texts are written in Italian and Qt's in English: each needs a translation
    // only in the other languages.
    if (language != kItalian)
        g_installed[0] = loaded(QStringLiteral("varelux"), language);
    if (language != kEnglish)
        g_installed[1] = loaded(QStringLiteral("qtbase"), language);
    for (QTranslator *translator : g_installed)
        if (translator)
            QCoreApplication::installTranslator(translator);
}

QString currentLanguage()
{
    return inUse();
}

// The separators come from the language's own conventions (Qt's locale data for it), never from
// the process's locale.
char decimalSeparator()
{
    return QLocale(inUse()).decimalPoint() == u"." ? kDecimalPoint : kDecimalComma;
}

QChar thousandsSeparator()
{
    const QString group = QLocale(inUse()).groupSeparator();
    return group.size() == 1 ? group[0] : QLatin1Char(' ');
}

} // namespace varelux::ui
