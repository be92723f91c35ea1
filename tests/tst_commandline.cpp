// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/glchoice.h"

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

        const CommandLineRequest refusal = read({"--bogus"});
        QCOMPARE(refusal.action, Action::Refuse);
        QCOMPARE(refusal.exitCode(), 2);
        QCOMPARE(refusal.text, QStringLiteral("txconfig: Unknown option 'bogus'.\n\n") + help.text);

        // A word that is no option opens the window, with one line to say it was not used.
        const CommandLineRequest word = read({"model.dat"});
        QCOMPARE(word.action, Action::OpenWindow);
        QCOMPARE(word.warning, QString("txconfig: ignoring 'model.dat': no files are opened from the command "
                                       "line.\n"));
    }

    void oneDashWordsAreQtsAndTheShortOptionsOurs()
    {
        // Read as letters, -reverse would hold -v and -stylesheet -h.
        for (const QStringList &qtOwn : {QStringList{"-reverse"}, QStringList{"-stylesheet", "x.qss"},
                                         QStringList{"-graphicssystem", "native", "-nograb"}})
            QCOMPARE(read(qtOwn, false).action, Action::OpenWindow);
        QCOMPARE(read({"-v"}, false).text, QString("txconfig 5.0\n"));
        QVERIFY(read({"-h"}, false).text.startsWith("Usage: "));
        QCOMPARE(read({"--help-all"}, false).action, Action::OpenWindow); // answered once Qt's are known
        QCOMPARE(read({"--help-all"}).action, Action::AnswerAll);
    }

    // The program asks Qt for no GL on X unless the user chose an integration; once the first window
    // has read the choice, the environment is as the user left it for what the program starts.
    void openGlIsLeftOutUnlessChosen()
    {
        const QByteArray before = qgetenv("QT_XCB_GL_INTEGRATION");
        qputenv("QT_XCB_GL_INTEGRATION", "xcb_egl");
        bool leftOut = leaveOutOpenGl();
        QVERIFY(!leftOut);
        restoreOpenGlChoice(leftOut);
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("xcb_egl"));

        qunsetenv("QT_XCB_GL_INTEGRATION");
        leftOut = leaveOutOpenGl();
        QVERIFY(leftOut);
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), QByteArray("none"));
        restoreOpenGlChoice(leftOut);
        QVERIFY(!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"));
        if (!before.isNull()) qputenv("QT_XCB_GL_INTEGRATION", before);
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

        // Qt's options reach Qt and the window opens (it is still up after two seconds).
        program.start(TXCONFIG_PROGRAM, {"-platform", "offscreen", "-reverse", "model.txt"});
        QVERIFY(program.waitForStarted(10000));
        QVERIFY(!program.waitForFinished(2000));
        program.kill();
        program.waitForFinished(10000);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QCOMPARE(program.readAllStandardError().count("ignoring 'model.txt'"), 1);

        program.start(TXCONFIG_PROGRAM, {"-platform", "offscreen", "--help-all"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QByteArray all = program.readAllStandardOutput();
        QVERIFY2(all.contains("-reverse") && all.contains("--version"), all.constData());
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
