// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QProcess>
#include <QtTest>

using Action = CommandLineRequest::Action;

static CommandLineRequest read(const QStringList &options, bool toolkitOptionsRemoved = true)
{
    return readCommandLine(QStringList{"txconfig"} + options, toolkitOptionsRemoved);
}

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void requests()
    {
        QCOMPARE(read({}).action, Action::OpenWindow);
        // Before QApplication has taken out its own options they may be anything; --version still answers.
        QCOMPARE(read({"-platform", "offscreen"}, false).action, Action::OpenWindow);
        const CommandLineRequest version = read({"-style", "fusion", "--version"}, false);
        QCOMPARE(version.action, Action::Answer);
        QCOMPARE(version.text, QString("txconfig 5.0\n"));

        const CommandLineRequest help = read({"--help"});
        QCOMPARE(help.action, Action::Answer);
        QCOMPARE(help.exitCode(), 0);
        QVERIFY2(help.text.startsWith("Usage: "), qPrintable(help.text));
        for (const char *listed : {"--help", "--version", "-platform"})
            QVERIFY2(help.text.contains(listed), listed);

        for (const auto &[given, problem] : {std::pair{"--bogus", "Unknown option 'bogus'."},
                                             std::pair{"model.dat", "Unexpected argument 'model.dat'."}}) {
            const CommandLineRequest refusal = read({given});
            QCOMPARE(refusal.action, Action::Refuse);
            QCOMPARE(refusal.exitCode(), 2);
            QCOMPARE(refusal.text, QStringLiteral("txconfig: %1\n\n").arg(problem) + help.text);
        }
    }

    void realProgram()
    {
        // No display at all: --version must not need one, and an unknown option is refused under
        // -platform offscreen, which Qt takes out before the program reads what is left.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess program;
        program.setProcessEnvironment(environment);

        program.start(TXCONFIG_PROGRAM, {"--version"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), QByteArray("txconfig 5.0\n"));

        program.start(TXCONFIG_PROGRAM, {"-platform", "offscreen", "--bogus"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QVERIFY(program.readAllStandardError().contains("txconfig: Unknown option 'bogus'.\n\nUsage: "));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
