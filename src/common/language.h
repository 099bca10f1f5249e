// The language the windows speak: Italian, the program's own, in which its texts are written, or
// one of the languages whose translation is built into the program (translations/, one .ts file
// each, compiled to :/translations/varelux_<code>.qm). It is chosen once at start-up, from the
// command line or the user's languages, and numbers follow it: the decimal separator of the
// fields, the results, the hints and the tables.
#pragma once

#include <QChar>
#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace varelux::ui {

// Languages are named by their ISO 639 code: "it", "en", "de".
inline constexpr QLatin1String kItalian{"it"};

// The languages the program speaks: Italian, then those of its translations.
QStringList spokenLanguages();

// The first of the user's languages, most wanted first as QLocale::uiLanguages() lists them
// ("de-DE", "it", "en-GB"), that the program speaks. The C or POSIX locale means no choice was
// made, and gives Italian, the program's own; a list with none of them gives English.
QString preferredLanguage(const QStringList &uiLanguages);

// The user's language on this system (QLocale::system()), as preferredLanguage() picks it.
QString systemLanguage();

// Makes the language (one of spokenLanguages()) the one the windows speak from now on: installs
// the translation of the program's texts (none for Italian) and Qt's own texts in that language
// where Qt has them (none for English, Qt's own). Needs the application object. Windows made
// before keep their texts. Where the program's translation cannot be loaded it says so on stderr
// and uses Italian instead; currentLanguage() then gives "it".
void useLanguage(const QString &language);
QString currentLanguage();

// Numbers in the language in use, as its users write them: the decimal separator, a comma or a
// full stop (',' in Italian and German, '.' in English; the core reads no other), and the
// separator of thousands in the tables ('.' in Italian and German, ',' in English).
char decimalSeparator();
QChar thousandsSeparator();

} // namespace varelux::ui
