// Choosing the language and installing its translations.
#include "common/language.h"

#include "core/number_text.h"
#include "resource_paths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <cstdio>

namespace varelux::ui {

namespace {

constexpr QLatin1String kEnglish{"en"};

// The translation context of what this module says.
class Language {
    Q_DECLARE_TR_FUNCTIONS(Language)
};

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
    // The codes of the translations built into the program (translations/CMakeLists.txt).
    return QStringList{kItalian} +
           QString::fromLatin1(VARELUX_TRANSLATIONS).split(u',', Qt::SkipEmptyParts);
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
    // The program's texts are written in Italian, and Qt's in English. Italian's own file holds
    // only the plural forms of the sentences that count. A program built without the translation
    // it lists says so and speaks Italian, numbers included, rather than mix Italian texts with
    // another language's.
    g_installed[0] = loaded(QStringLiteral("varelux"), language);
    if (!g_installed[0] && language != kItalian) {
        std::fprintf(stderr, "varelux: %s\n",
                     qUtf8Printable(Language::tr("manca la traduzione \"%1\": le finestre "
                                                 "restano in italiano")
                                        .arg(language)));
        inUse() = kItalian;
        g_installed[0] = loaded(QStringLiteral("varelux"), kItalian);
    }
    if (inUse() != kEnglish)
        g_installed[1] = loaded(QStringLiteral("qtbase"), inUse());
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
