// Command-line options, Qt's pass-through options and the display check.
#include "main_window/command_line.h"

#include "common/platform.h"
#include "varelux_identity.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <initializer_list>

namespace varelux {

namespace {

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

QString helpText(std::initializer_list<const QCommandLineOption *> options)
{
    QStringList names;
    qsizetype width = 0;
    for (const QCommandLineOption *option : options) {
        QStringList spelled;
        for (const QString &name : option->names())
            spelled << (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
        names << spelled.join(QLatin1String(", "));
        width = std::max(width, names.last().size());
    }
    QString text = QStringLiteral("Uso: %1 [opzioni]\n"
                                  "Calcola la resistenza in serie per i circuiti con LED.\n\n"
                                  "Opzioni:\n")
                       .arg(QLatin1String(identity::kProgram));
    qsizetype row = 0;
    for (const QCommandLineOption *option : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(names.at(row++).leftJustified(width), option->description());
    text += QStringLiteral("\nAccetta anche le opzioni di Qt, tra cui -platform, -display, -style "
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

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    const Arguments arguments = splitOffQtOptions(argc, argv);

    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra questo aiuto ed esce"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Mostra la versione ed esce"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(QStringList(QLatin1String(identity::kProgram)) + arguments.ours)) {
        const QString refused = refusedArgument(parser, arguments.ours);
        complain(parser.unknownOptionNames().isEmpty()
                     ? QStringLiteral("l'opzione non accetta un valore: %1").arg(refused)
                     : QStringLiteral("opzione sconosciuta: %1").arg(refused));
        return kExitUsage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        complain(
            QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments().first()));
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        print(stdout, helpText({&help, &version}));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(identity::kName),
                                                    QLatin1String(identity::kVersion)));
        return 0;
    }
    if (!ui::displayAvailable(arguments.namesDisplay)) {
        complain(QStringLiteral(
            "nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)"));
        return kExitNoDisplay;
    }
    return std::nullopt;
}

} // namespace varelux
