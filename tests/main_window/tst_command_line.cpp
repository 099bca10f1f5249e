// The program's command line, run as a separate process with no display in its environment:
// what it prints and the status it exits with, and that Qt's own options still reach the window.
#include "data_row.h"
#include "varelux_identity.h"

#include <QOperatingSystemVersion>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kNoDisplay =
    u"varelux: nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)\n"_s;

// Starts the built program without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM, and on Linux
// without a language or locale, so in the C locale, whose character set Qt turns into UTF-8 (and
// says so, unless the program did it first). Windows has its display languages instead, which Wine
// takes from the locale run_wine.sh gives it. Plus the given variables.
void start(QProcess &process, const QStringList &arguments, const QStringList &variables = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows)
        for (const QString &name : environment.keys())
            if (name == u"LANGUAGE" || name == u"LANG" || name.startsWith(u"LC_"))
                environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(environment);
    // Text mode: Windows ends the program's lines with CR LF.
    process.start(qEnvironmentVariable("VARELUX_PROGRAM"), arguments,
                  QIODevice::ReadWrite | QIODevice::Text); // set by CTest
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutOpeningAWindow_data();
    void answersWithoutOpeningAWindow();
    void qtOptionsReachTheWindow_data();
    void qtOptionsReachTheWindow();
};

// stdout: a text the output must contain, or "" for no output at all; stderr: the whole of it.
void TestCommandLine::answersWithoutOpeningAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString version = u"Varelux %1\n"_s.arg(QLatin1String(varelux::identity::kVersion));
    const QString helpLine = u"  -h, --help           Mostra questo aiuto ed esce\n"_s;
    row("help", QStringList{u"--help"_s}, 0, helpLine, QString());
    row("version", QStringList{u"--version"_s}, 0, version, QString());
    row("version after Qt's options", QStringList{u"-platform"_s, u"xcb"_s, u"-reverse"_s, u"-v"_s},
        0, version, QString());
    row("unknown option", QStringList{u"--foo"_s}, 2, QString(),
        u"varelux: opzione sconosciuta: --foo\n"_s);
    row("unknown single-dash word", QStringList{u"-foo"_s}, 2, QString(),
        u"varelux: opzione sconosciuta: -foo\n"_s);
    row("unknown option with a value", QStringList{u"--foo=1"_s}, 2, QString(),
        u"varelux: opzione sconosciuta: --foo=1\n"_s);
    row("value given to a flag", QStringList{u"--version=2"_s}, 2, QString(),
        u"varelux: l'opzione non accetta un valore: --version=2\n"_s);
    row("unexpected argument", QStringList{u"circuito.txt"_s}, 2, QString(),
        u"varelux: argomento inatteso: circuito.txt\n"_s);
    row("Qt option's value is not an argument",
        QStringList{u"-style"_s, u"Fusion"_s, u"--platform"_s, u"offscreen"_s,
                    u"-stylesheet=a.qss"_s, u"--bar"_s},
        2, QString(), u"varelux: opzione sconosciuta: --bar\n"_s);
    row("option after the end of options", QStringList{u"--"_s, u"--help"_s}, 2, QString(),
        u"varelux: argomento inatteso: --help\n"_s);
    // The language: --language, or else the first of the user's languages that the program speaks,
    // Italian where no locale is set, English where none of them is spoken.
    row("LANGUAGE before LANG", QStringList{u"LANGUAGE=en"_s, u"LANG=it_IT.UTF-8"_s, u"-h"_s}, 0,
        u"Usage:"_s, QString());
    row("Italian locale", QStringList{u"LANG=it_IT.UTF-8"_s, u"-h"_s}, 0, u"Uso:"_s, QString());
    row("C locale", QStringList{u"LANG=C"_s, u"-h"_s}, 0, u"Uso:"_s, QString());
    row("German locale", QStringList{u"LANG=de_DE.UTF-8"_s, u"-h"_s}, 0, u"Aufruf:"_s, QString());
    row("French locale", QStringList{u"LANG=fr_FR.UTF-8"_s, u"-h"_s}, 0, u"Usage:"_s, QString());
    row("locale of another character set", QStringList{u"LC_ALL=en_US"_s, u"-h"_s}, 0, u"Usage:"_s,
        QString());
    row("--language en", QStringList{u"LANG=it_IT.UTF-8"_s, u"--language"_s, u"en"_s, u"-h"_s}, 0,
        u"Usage:"_s, QString());
    row("--language de", QStringList{u"LANG=en_GB.UTF-8"_s, u"--language"_s, u"de"_s, u"--help"_s},
        0, u"  -h, --help           Diese Hilfe anzeigen und beenden\n"_s, QString());
    row("unknown language", QStringList{u"--language"_s, u"fr"_s}, 2, QString(),
        u"varelux: lingua sconosciuta: fr (it, en, de)\n"_s);
    row("no display", QStringList{}, 1, QString(), kNoDisplay);
    row("no display, only a style", QStringList{u"-style"_s, u"Fusion"_s, u"-reverse"_s}, 1,
        QString(), kNoDisplay);
}

void TestCommandLine::answersWithoutOpeningAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    // Leading NAME=value entries are the program's environment, not its arguments.
    QStringList variables;
    while (!arguments.isEmpty() && arguments.first().contains(u'=') &&
           !arguments.first().startsWith(u'-'))
        variables << arguments.takeFirst();
    if ((status == 1 || !variables.isEmpty()) &&
        QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        QSKIP("Windows always has a screen, and takes the user's languages from its settings");
    QProcess process;
    start(process, arguments, variables);
    QVERIFY2(process.waitForFinished(10000), "the program did not exit by itself");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
    if (out.isEmpty())
        QCOMPARE(printed, QString());
    else
        QVERIFY2(printed.contains(out), qPrintable(printed));
    QCOMPARE(process.exitCode(), status);
}

// The window opens on the offscreen platform, chosen by Qt's option or its variable: the program
// is still running a second later, and has refused nothing.
void TestCommandLine::qtOptionsReachTheWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("variables");

    row("platform option", QStringList{u"-platform"_s, u"offscreen"_s}, QStringList());
    row("platform option, two dashes, among others",
        QStringList{u"--platform"_s, u"offscreen"_s, u"-style=Fusion"_s, u"-reverse"_s,
                    u"-qwindowtitle"_s, u"x"_s},
        QStringList());
    row("platform variable", QStringList(), QStringList{u"QT_QPA_PLATFORM=offscreen"_s});
}

void TestCommandLine::qtOptionsReachTheWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, variables);

    QProcess process;
    start(process, arguments, variables);
    QVERIFY(process.waitForStarted());
    const bool exited = process.waitForFinished(1000);
    const QByteArray err = process.readAllStandardError();
    process.kill();
    process.waitForFinished();
    QVERIFY2(
        !exited,
        qPrintable(u"exited with %1: %2"_s.arg(process.exitCode()).arg(QString::fromUtf8(err))));
    QVERIFY2(!err.contains("varelux:"), err.constData());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
