#include "app/commandline.h"

#include <QProcess>
#include <QtTest>

using Action = CommandLineRequest::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void requests_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toolkitOptionsRemoved");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("textStart");

        QTest::newRow("none") << QStringList{"txconfig"} << true << int(Action::OpenWindow) << "";
        QTest::newRow("version") << QStringList{"txconfig", "--version"} << true << int(Action::Answer)
                                 << "txconfig 5.0\n";
        QTest::newRow("help") << QStringList{"txconfig", "--help"} << true << int(Action::Answer)
                              << "Usage: ";
        QTest::newRow("unknown") << QStringList{"txconfig", "--bogus"} << true << int(Action::Refuse)
                                 << "txconfig: Unknown option 'bogus'.\n\nUsage: ";
        QTest::newRow("file name") << QStringList{"txconfig", "model.dat"} << true << int(Action::Refuse)
                                   << "txconfig: Unexpected argument 'model.dat'.\n\nUsage: ";
        // Before QApplication has taken its options out, they may be anything; --help and --version still
        // win.
        QTest::newRow("toolkit option, early")
            << QStringList{"txconfig", "-platform", "offscreen"} << false << int(Action::OpenWindow) << "";
        QTest::newRow("toolkit option and version, early")
            << QStringList{"txconfig", "-style", "fusion", "--version"} << false << int(Action::Answer)
            << "txconfig 5.0\n";
        QTest::newRow("unknown and help")
            << QStringList{"txconfig", "--bogus", "-h"} << true << int(Action::Answer) << "Usage: ";
    }

    void requests()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toolkitOptionsRemoved);
        QFETCH(int, action);
        QFETCH(QString, textStart);
        const CommandLineRequest request = readCommandLine(arguments, toolkitOptionsRemoved);
        QCOMPARE(int(request.action), action);
        QCOMPARE(request.exitCode(), action == Action::Refuse ? 2 : 0);
        if (!textStart.contains("Usage: ")) {
            QCOMPARE(request.text, textStart);
            return;
        }
        QVERIFY2(request.text.startsWith(textStart), qPrintable(request.text));
        for (const char *listed : {"--help", "--version", "-platform"})
            QVERIFY2(request.text.contains(listed), listed);
    }

    void realProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errStart");

        QTest::newRow("version") << QStringList{"--version"} << 0 << "txconfig 5.0\n"
                                 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: "
                              << "";
        // Qt's own -platform is taken out before the program looks at what is left.
        QTest::newRow("unknown") << QStringList{"-platform", "offscreen", "--bogus"} << 2 << ""
                                 << "txconfig: Unknown option 'bogus'.\n\nUsage: ";
    }

    void realProgram()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errStart);

        // No display at all: --help and --version must not need one, and the unknown option is refused
        // under -platform offscreen before any window is made.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TXCONFIG_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(out.contains("Usage: ") ? stdOut.startsWith(out) : stdOut == out, qPrintable(stdOut));
        // Qt may warn on standard error before the program speaks (a missing XDG_RUNTIME_DIR, say).
        QVERIFY2(errStart.isEmpty() ? stdErr.isEmpty() : stdErr.contains(errStart), qPrintable(stdErr));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
