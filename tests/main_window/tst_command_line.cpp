// The program's command line, run as a separate process with no display in its environment:
// what it prints and the status it exits with, and that Qt's own options still reach the window.
#include "data_row.h"
#include "varelux_identity.h"

#include <QProcess>
#include <QtTest>

namespace {

const QString kNoDisplay =
    "varelux: nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)\n";

// Starts the built program without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM, plus the given
// variables.
void start(QProcess &process, const QStringList &arguments, const QStringList &variables = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
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

    const QString version = QString("Varelux %1\n").arg(varelux::identity::kVersion);
    const QString helpLine = "  -h, --help     Mostra questo aiuto ed esce\n";
    row("help", QStringList{"--help"}, 0, helpLine, QString());
    row("version", QStringList{"--version"}, 0, version, QString());
    row("version after Qt's options", QStringList{"-platform", "xcb", "-reverse", "-v"}, 0, version,
        QString());
    row("unknown option", QStringList{"--foo"}, 2, QString(),
        QString("varelux: opzione sconosciuta: --foo\n"));
    row("unknown single-dash word", QStringList{"-foo"}, 2, QString(),
        QString("varelux: opzione sconosciuta: -foo\n"));
    row("unknown option with a value", QStringList{"--foo=1"}, 2, QString(),
        QString("varelux: opzione sconosciuta: --foo=1\n"));
    row("value given to a flag", QStringList{"--version=2"}, 2, QString(),
        QString("varelux: l'opzione non accetta un valore: --version=2\n"));
    row("unexpected argument", QStringList{"circuito.txt"}, 2, QString(),
        QString("varelux: argomento inatteso: circuito.txt\n"));
    row("Qt option's value is not an argument",
        QStringList{"-style", "Fusion", "--platform", "offscreen", "-stylesheet=a.qss", "--bar"}, 2,
        QString(), QString("varelux: opzione sconosciuta: --bar\n"));
    row("option after the end of options", QStringList{"--", "--help"}, 2, QString(),
        QString("varelux: argomento inatteso: --help\n"));
    row("no display", QStringList{}, 1, QString(), kNoDisplay);
    row("no display, only a style", QStringList{"-style", "Fusion", "-reverse"}, 1, QString(),
        kNoDisplay);
}

void TestCommandLine::answersWithoutOpeningAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

#ifdef Q_OS_WIN
    if (status == 1)
        QSKIP("Windows always has a screen: the no-display check is Linux's");
#endif
    QProcess process;
    start(process, arguments);
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

    row("platform option", QStringList{"-platform", "offscreen"}, QStringList());
    row("platform option, two dashes, among others",
        QStringList{"--platform", "offscreen", "-style=Fusion", "-reverse", "-qwindowtitle", "x"},
        QStringList());
    row("platform variable", QStringList(), QStringList{"QT_QPA_PLATFORM=offscreen"});
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
    QVERIFY2(!exited, qPrintable(QString("exited with %1: %2").arg(process.exitCode()).arg(err)));
    QVERIFY2(!err.contains("varelux:"), err.constData());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
