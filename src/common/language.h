// The language the windows speak: Italian, the program's own, in which its texts are written, or
// English, through Qt's translation system (translations/, built into the program). It is chosen
// once at start-up, from the command line or the user's languages, and numbers follow it: the
// decimal separator of the fields, the results, the hints and the tables.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace varelux::ui {

enum class Language { Italian, English };
inline constexpr int kLanguageCount = int(Language::English) + 1;

// The language a code names, "it" or "en", as --language and the web page's ?lang= take it.
std::optional<Language> languageNamed(const QString &code);

// The first of the user's languages, most wanted first as QLocale::uiLanguages() lists them
// ("de-DE", "it", "en-GB"), that the program speaks. The C or POSIX locale means no choice was
// made, and gives Italian, the program's own; a list with neither language gives English.
Language preferredLanguage(const QStringList &uiLanguages);

// The user's language on this system (QLocale::system()), as preferredLanguage() picks it.
Language systemLanguage();

// Makes language the one the windows speak from now on: installs the translation of the
// program's texts (none for Italian) and Qt's own texts in that language (none for English, Qt's
// own). Needs the application object. Windows made before keep their texts.
void useLanguage(Language language);
Language currentLanguage();

// Numbers in the language in use: the decimal separator (',' in Italian, '.' in English) and
// the separator of thousands in the tables ('.' in Italian, ',' in English).
char decimalSeparator();
QChar thousandsSeparator();

} // namespace varelux::ui
