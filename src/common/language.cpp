// Choosing the language and installing its translations.
#include "common/language.h"

#include "core/number_text.h"
#include "resource_paths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>

namespace varelux::ui {

namespace {

Language g_language = Language::Italian;

// The translators this module installed, to take out when the language changes.
std::array<QTranslator *, 2> g_installed{};

// Loads name_<language>.qm from the program's own resources or, for Qt's texts, from the
// system's Qt; nullptr when neither has it.
QTranslator *loaded(const QString &name, const QString &code)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : {QString::fromLatin1(resources::kTranslations),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name + QLatin1Char('_') + code, folder))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

std::optional<Language> languageNamed(const QString &code)
{
    if (code == u"it")
        return Language::Italian;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

Language preferredLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        if (tag == u"C" || tag == u"POSIX")
            return Language::Italian;
        if (const std::optional<Language> spoken = languageNamed(tag.section(u'-', 0, 0)))
            return *spoken;
    }
    return Language::English;
}

Language systemLanguage()
{
    return preferredLanguage(QLocale::system().uiLanguages());
}

void useLanguage(Language language)
{
    for (QTranslator *&translator : g_installed) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    g_language = language;
    // The program's texts are written in Italian, and Qt's in English: each needs a translation
    // only in the other language.
    if (language == Language::English)
        g_installed[0] = loaded(QStringLiteral("varelux"), QStringLiteral("en"));
    else
        g_installed[1] = loaded(QStringLiteral("qtbase"), QStringLiteral("it"));
    for (QTranslator *translator : g_installed)
        if (translator)
            QCoreApplication::installTranslator(translator);
}

Language currentLanguage()
{
    return g_language;
}

char decimalSeparator()
{
    return g_language == Language::English ? kDecimalPoint : kDecimalComma;
}

QChar thousandsSeparator()
{
    return g_language == Language::English ? QLatin1Char(',') : QLatin1Char('.');
}

} // namespace varelux::ui
