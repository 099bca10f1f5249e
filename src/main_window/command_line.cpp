// Command-line options, Qt's pass-through options and the display check.
#include "main_window/command_line.h"

#include "common/language.h"
#include "common/platform.h"
#include "varelux_identity.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>

namespace varelux {

namespace {

// The translation context of what the command line prints.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Qt's own options, which QApplication takes off the command line when it starts. They may be
// written with one dash or two.
enum class Value {
    None,        // a flag
    Next,        // the next argument is the value
    NextOrJoined // also -style=Fusion
};
struct QtOption {
    const char *name;
    Value value;
    bool namesDisplay; // says where the window goes, standing in for DISPLAY or WAYLAND_DISPLAY
};
constexpr QtOption kQtOptions[] = {
    {"platform", Value::Next, true},
    {"display", Value::Next, true},
    {"platformpluginpath", Value::Next, false},
    {"platformtheme", Value::Next, false},
    {"plugin", Value::Next, false},
    {"qwindowgeometry", Value::Next, false},
    {"qwindowicon", Value::Next, false},
    {"qwindowtitle", Value::Next, false},
    {"geometry", Value::Next, false}, // X11 spellings of the three above
    {"icon", Value::Next, false},
    {"title", Value::Next, false},
    {"session", Value::Next, false},
    {"name", Value::Next, false},
    {"visual", Value::Next, false},
    {"style", Value::NextOrJoined, false},
    {"stylesheet", Value::NextOrJoined, false},
    {"qmljsdebugger", Value::NextOrJoined, false},
    {"reverse", Value::None, false},
    {"widgetcount", Value::None, false},
    {"nograb", Value::None, false},
    {"dograb", Value::None, false},
    {"testability", Value::None, false},
};

const QtOption *qtOption(const QString &name)
{
    for (const QtOption &option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// An option's name without its dashes, or an empty string for an argument that is no option.
QString optionName(const QString &argument)
{
    if (argument.startsWith(QLatin1String("--")))
        return argument.mid(2);
    if (argument.startsWith(QLatin1Char('-')))
        return argument.mid(1);
    return QString();
}

struct Arguments {
    QStringList ours; // everything that is not Qt's, for QCommandLineParser
    bool namesDisplay = false;
};

Arguments splitOffQtOptions(int argc, char *argv[])
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString name = optionName(argument);
        if (argument == QLatin1String("--")) {
            for (; i < argc; ++i)
                arguments.ours << QString::fromLocal8Bit(argv[i]);
            break;
        }
        const QtOption *qt = qtOption(name);
        if (qt && qt->value == Value::None)
            continue;
        if (qt && i + 1 < argc) {
            arguments.namesDisplay = arguments.namesDisplay || qt->namesDisplay;
            ++i;
            continue;
        }
        const QtOption *joined = qtOption(name.section(QLatin1Char('='), 0, 0));
        if (name.contains(QLatin1Char('=')) && joined && joined->value == Value::NextOrJoined)
            continue;
        arguments.ours << argument;
    }
    return arguments;
}

void print(std::FILE *stream, const QString &text)
{
    ui::printForCommandLine(stream, text, QString::fromLatin1(identity::kName));
}

void complain(const QString &text)
{
    print(stderr,
          QLatin1String(identity::kProgram) + QLatin1String(": ") + text + QLatin1Char('\n'));
}

// An option of the help and its description, in Italian until it is translated.
struct HelpRow {
    const QCommandLineOption *option;
    const char *description;
};

QString helpText(std::initializer_list<HelpRow> rows)
{
    QStringList names;
    qsizetype width = 0;
    for (const auto &[option, description] : rows) {
        QStringList spelled;
        for (const QString &name : option->names())
            spelled << (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
        names << spelled.join(QLatin1String(", ")) + (option->valueName().isEmpty()
                                                          ? QString()
                                                          : QLatin1Char(' ') + option->valueName());
        width = std::max(width, names.last().size());
    }
    QString text = CommandLine::tr("Uso: %1 [opzioni]\n"
                                   "Calcola la resistenza in serie per i circuiti con LED.\n\n"
                                   "Opzioni:\n")
                       .arg(QLatin1String(identity::kProgram));
    qsizetype row = 0;
    for (const HelpRow &help : rows)
        text += QStringLiteral("  %1  %2\n")
                    .arg(names.at(row++).leftJustified(width), CommandLine::tr(help.description));
    text += CommandLine::tr("\nAccetta anche le opzioni di Qt, tra cui -platform, -display, -style "
                            "e -reverse.\n");
    return text;
}

// The argument as it was written that QCommandLineParser could not take: an unknown option, or
// a value given to an option that takes none.
QString refusedArgument(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString unknown = parser.unknownOptionNames().value(0);
    for (const QString &argument : arguments) {
        const QString name = optionName(argument);
        if (!name.isEmpty() &&
            (unknown.isEmpty() ? name.contains(QLatin1Char('='))
                               : name.section(QLatin1Char('='), 0, 0) == unknown))
            return argument;
    }
    return arguments.value(0);
}

} // namespace

CommandLineAnswer answerCommandLine(int argc, char *argv[])
{
    const Arguments arguments = splitOffQtOptions(argc, argv);

    // The descriptions are the help's, translated once the language is known (helpText).
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption language(QStringLiteral("language"), QString(),
                                      ui::spokenLanguages().join(u'|'));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version, language});
    const bool parsed =
        parser.parse(QStringList(QLatin1String(identity::kProgram)) + arguments.ours);

    CommandLineAnswer answer;
    const QStringList spoken = ui::spokenLanguages();
    const bool named = spoken.contains(parser.value(language));
    answer.language = named ? parser.value(language) : ui::systemLanguage();

    // Ends with status after printing what text() writes, in the language chosen: through an
    // application object of its own, since the window's comes later and only where the program
    // goes on.
    int count = 1;
    std::optional<QCoreApplication> translating;
    auto end = [&](int status, const std::function<QString()> &text) {
        translating.emplace(count, argv);
        ui::useLanguage(answer.language);
        if (status == 0)
            print(stdout, text());
        else
            complain(text());
        answer.exitStatus = status;
        return answer;
    };

    if (!parsed) {
        return end(kExitUsage, [&] {
            const QString refused = refusedArgument(parser, arguments.ours);
            return parser.unknownOptionNames().isEmpty()
                       ? CommandLine::tr("l'opzione non accetta un valore: %1").arg(refused)
                       : CommandLine::tr("opzione sconosciuta: %1").arg(refused);
        });
    }
    if (!parser.positionalArguments().isEmpty()) {
        return end(kExitUsage, [&] {
            return CommandLine::tr("argomento inatteso: %1")
                .arg(parser.positionalArguments().first());
        });
    }
    if (parser.isSet(language) && !named) {
        return end(kExitUsage, [&] {
            return CommandLine::tr("lingua sconosciuta: %1 (%2)")
                .arg(parser.value(language), spoken.join(QStringLiteral(", ")));
        });
    }
    if (parser.isSet(help))
        return end(0, [&] {
            return helpText(
                {{&help, QT_TRANSLATE_NOOP("CommandLine", "Mostra questo aiuto ed esce")},
                 {&version, QT_TRANSLATE_NOOP("CommandLine", "Mostra la versione ed esce")},
                 {&language, QT_TRANSLATE_NOOP("CommandLine", "Lingua delle finestre")}});
        });
    if (parser.isSet(version)) {
        return end(0, [] {
            return QStringLiteral("%1 %2\n").arg(QLatin1String(identity::kName),
                                                 QLatin1String(identity::kVersion));
        });
    }
    if (!ui::displayAvailable(arguments.namesDisplay)) {
        return end(kExitNoDisplay, [] {
            return CommandLine::tr(
                "nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)");
        });
    }
    return answer;
}

} // namespace varelux
