// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing lost to a pulled cable, a kill or a logout, against the emulator on a pseudo-terminal: a
// command cut off is asked about at the next OPEN and mended either way; drafts of unsaved edits
// outlive a killed program and are offered back; a signal ends the program with "DIS" and status 0.

#include "app/signalexit.h"
#include "commands.h"
#include "files/drafts.h"
#include "files/journal.h"
#include "files/paramfile.h"
#include "files/statefolder.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/randomparams.h"
#include "support/warnings.h"
#include "transmitter.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using support::LinkRig;
using support::ModalWatcher;

namespace {

ParameterSet validModel(quint32 seed)
{
    QRandomGenerator rng(seed);
    ParameterSet p = randomValidParameters(rng);
    // The form's editors of these two take 0..100 only: a negative value shown would come back as 0.
    p.PRM03_Data2 = qAbs(p.PRM03_Data2);
    p.PRM03_Data3 = qAbs(p.PRM03_Data3);
    // No read carries the dual-rate view's channel: every copy kept takes the form's, here its first.
    p.DR_CH = ParameterSet{}.DR_CH;
    selectDualRate(p);
    sanitise(p);
    return p;
}

// Every setting the pilot edits is the model's (not the trims, which follow telemetry, nor the dual-rate
// view, which follows its storage).
bool holds(const ParameterSet &transmitter, const ParameterSet &model)
{
    return compareFormSettings(transmitter, model).differing.isEmpty();
}

QString programDir()
{
    return QFileInfo(QString::fromLocal8Bit(TXCONFIG_PROGRAM)).absolutePath();
}

// Runs `txconfig-cli write` of `file` to the emulator and kills it (SIGKILL) as its first frame arrives.
bool killWriteAtFirstFrame(TxEmulator &emu, const QString &file)
{
    QProcess cli;
    QObject::connect(&emu, &TxEmulator::tokenReceived, &cli, [&](const QByteArray &token) {
        if (token.size() == 81 && cli.processId() > 0) ::kill(pid_t(cli.processId()), SIGKILL);
    });
    cli.start(programDir() + "/txconfig-cli", {"write", "--port", emu.slavePath(), file});
    return support::runUntil([&] { return cli.state() == QProcess::NotRunning; }, 15000) &&
           cli.exitStatus() == QProcess::CrashExit;
}

// The child the draft tests kill: the window as main() sets it up, one edit of SUB-TRIM CH1 to the
// value of TXCONFIG_TEST_EDIT, the port of TXCONFIG_TEST_PORT opened if given; "ready" once its draft
// is on disk.
int draftChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The lock names the process as the system does, so another process sees it running.
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    MainWindow window;
    const SignalExit signalExit([&window] { window.endWithoutAsking(); });
    const QString port = qEnvironmentVariable("TXCONFIG_TEST_PORT");
    if (!port.isEmpty()) {
        auto *box = support::listPorts(window);
        box->setCurrentIndex(box->findText(port));
        window.findChild<QPushButton *>("openButton")->click();
    }
    window.findChild<QSpinBox *>("spinBox_sub1")
        ->setValue(qEnvironmentVariableIntValue("TXCONFIG_TEST_EDIT"));
    const QDir drafts(stateFolder() + "/drafts");
    if (!support::runUntil([&] { return !drafts.entryList({"*.draft"}).isEmpty(); }, 5000)) return 3;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
const bool childRegistered = txtest::add("recovery_child", draftChild);

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

    QTemporaryDir home;

    // A child of txtests running draftChild, "ready" read.
    bool startChild(QProcess &child, int edit, const QString &port = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TXCONFIG_TEST_EDIT", QString::number(edit));
        env.insert("TXCONFIG_TEST_PORT", port);
        env.insert("TXCONFIG_EXTRA_PORTS", port);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationDirPath() + "/txtests", {"recovery_child"});
        return child.waitForStarted(5000) &&
               support::runUntil([&] { return child.canReadLine() || child.state() != QProcess::Running; },
                                 10000) &&
               child.readLine().trimmed() == "ready";
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("txconfig.*.debug=false");
        qputenv("TXCONFIG_HISTORY_DIR", QFile::encodeName(home.filePath("history")));
    }
    void init() { params = ParameterSet{}; }

    void aCommandCutOffIsAskedAboutAtTheNextOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("restore");
        QTest::newRow("WRITE, restored") << "WRITE" << true;
        QTest::newRow("WRITE, sent again") << "WRITE" << false;
        QTest::newRow("LOAD, restored") << "LOAD" << true;
        QTest::newRow("LOAD, sent again") << "LOAD" << false;
    }
    void aCommandCutOffIsAskedAboutAtTheNextOpen()
    {
        QFETCH(QString, command);
        QFETCH(bool, restore);
        const ParameterSet before = validModel(1);
        LinkRig rig;
        rig.emu.setModel(before);
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        // No read carries the dual-rate view's channel: a copy kept takes it from the form.
        ParameterSet intended = validModel(2);
        intended.DR_CH = before.DR_CH;
        selectDualRate(intended);
        // The cable goes as soon as the first frame is in: the transmitter holds the new S frame only.
        bool cut = false;
        QObject::connect(&rig.emu, &TxEmulator::tokenReceived, rig.window.get(),
                         [&](const QByteArray &token) {
                             if (token.size() != 81 || std::exchange(cut, true)) return;
                             QTimer::singleShot(0, rig.window.get(), [&] { rig.window->session().close(); });
                         });
        const QString file = home.filePath("intended.txt");
        if (command == "WRITE") {
            copySettings(intended, compareSettings(params, intended).differing, params);
            rig.button("toolButton_Send")->click();
        } else {
            QFile f(file);
            ParameterSet copy = intended;
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(parameterFileBytes(copy)) == 324);
            f.close();
            watcher.answerFileDialog(file);
            rig.button("toolButton_Load")->click();
        }
        QVERIFY(cut);
        QVERIFY(!holds(rig.emu.model(), before) && !holds(rig.emu.model(), intended)); // a mixed model
        const CommandJournal::Found open = CommandJournal(stateFolder()).find();
        QCOMPARE(open.state, CommandJournal::State::Open);
        QCOMPARE(open.entry.framesSent, 1);

        // Not now: nothing is sent, and the next OPEN asks again.
        watcher.answer = "Not now";
        const int boxes = watcher.boxes.size();
        QVERIFY(rig.openLink());
        QCOMPARE(watcher.boxes.size(), boxes + 1);
        const QString asked = watcher.boxes.last().text;
        QVERIFY2(
            QRegularExpression(QString("^The last %1 \\(started \\d\\d:\\d\\d:\\d\\d on %2, 1 of 4 frames "
                                       "sent\\) did not finish\\. The transmitter may now hold part of it "
                                       "and part of the model it replaced\\.$")
                                   .arg(command, QRegularExpression::escape(rig.emu.slavePath())))
                .match(asked)
                .hasMatch(),
            qPrintable(asked));
        QCOMPARE(watcher.boxes.last().defaultButton, QString("Restore the earlier model"));
        support::runFor(300);
        QCOMPARE(rig.commands().last(), QByteArray("OK"));
        rig.openButton()->click(); // CLOSE

        watcher.answer = restore ? "Restore the earlier model" : "Send it again";
        QVERIFY(rig.openLink());
        QCOMPARE(watcher.boxes.size(), boxes + 2);
        QVERIFY(holds(rig.emu.model(), restore ? before : intended));
        QVERIFY(holds(params, restore ? before : intended)); // the form as after a LOAD of it
        QVERIFY(!rig.window->isWindowModified());
        QCOMPARE(CommandJournal(stateFolder()).find().state, CommandJournal::State::None);
        // The mixed model found was kept before it was replaced.
        QCOMPARE(HistoryStore().entries().value(1).event, HistoryEvent::Interrupted);
    }

    void aJournalThatCannotBeWrittenNeverStopsACommand()
    {
        LinkRig rig;
        support::KeptWarnings warnings;
        warnings.list().clear();
        QVERIFY(rig.start());
        QFile blocker(rig.stateDir.filePath("state"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(blocker.fileName()));
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        params.sub2 = params.sub2 == 40 ? 41 : 40;
        rig.button("toolButton_Send")->click();
        QCOMPARE(rig.emu.model().sub2, params.sub2);
        QVERIFY(watcher.boxes.isEmpty());
        QCOMPARE(
            warnings.list().filter("Journal not written"),
            QStringList{QString("Journal not written: %1 is a file, not a folder").arg(blocker.fileName())});
    }

    // The companion killed half-way; it and the window both see the entry, and recover mends it.
    void aCompanionKilledHalfWayIsRecoveredEitherWay()
    {
        const ParameterSet before = validModel(3), intended = validModel(4);
        qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(home.filePath("cli-state")));
        const QString file = home.filePath("cli-intended.txt");
        {
            QFile f(file);
            ParameterSet copy = intended;
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(parameterFileBytes(copy)) == 324);
        }
        TxEmulator emu;
        emu.setModel(before);
        QVERIFY(emu.open());
        QVERIFY(killWriteAtFirstFrame(emu, file));
        QVERIFY(!holds(emu.model(), before) && !holds(emu.model(), intended));

        auto run = [](const std::function<int(CliStreams)> &command, QString *out, QString *err) {
            QTextStream o(out), e(err);
            return command({o, e, false});
        };
        QString out, err;
        QCOMPARE(run([](CliStreams io) { return runRecover(QString(), CliRequest::Recovery::Describe, io); },
                     &out, &err),
                 0);
        QVERIFY2(out.startsWith(QString("The last WRITE (started ")) &&
                     out.contains("earlier model: " + home.path()),
                 qPrintable(out));
        const TransmitterSession::Timing quick{80, 50};
        const CliLink link{quick, {500, 500, 300, true, true}};
        QCOMPARE(run(
                     [&](CliStreams io) {
                         return runRecover(emu.slavePath(), CliRequest::Recovery::Resend, io, link);
                     },
                     &out, &err),
                 0);
        QVERIFY(holds(emu.model(), intended));
        QCOMPARE(CommandJournal(stateFolder()).find().state, CommandJournal::State::None);
        err.clear();
        QCOMPARE(
            run([&](CliStreams io) { return runRead(emu.slavePath(), home.filePath("r.txt"), io, link); },
                &out, &err),
            0);
        QVERIFY2(!err.contains("warning"), qPrintable(err)); // nothing open any more

        // Cut off again: the warning of read, then --restore puts back the model from before.
        emu.setModel(before);
        QVERIFY(killWriteAtFirstFrame(emu, file));
        err.clear();
        run([&](CliStreams io) { return runRead(emu.slavePath(), home.filePath("r.txt"), io, link); }, &out,
            &err);
        QVERIFY2(err.startsWith("txconfig-cli: warning: The last WRITE (started "), qPrintable(err));
        QCOMPARE(run(
                     [&](CliStreams io) {
                         return runRecover(emu.slavePath(), CliRequest::Recovery::Restore, io, link);
                     },
                     &out, &err),
                 0);
        QVERIFY(holds(emu.model(), before));
        qunsetenv("TXCONFIG_STATE_DIR");
    }

    void aDraftOutlivesAKillAndIsRestoredAsEdits()
    {
        QTemporaryDir state;
        qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(state.path()));
        QProcess child;
        QVERIFY(startChild(child, 37));
        // A second instance running beside it does not take its draft.
        {
            DraftStore other(state.filePath("drafts"));
            QVERIFY(other.takeOrphans().isEmpty());
        }
        child.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(child.waitForFinished(5000));

        ModalWatcher watcher;
        watcher.answer = "Restore";
        MainWindow window;
        QVERIFY(support::runUntil([&] { return !watcher.boxes.isEmpty(); }, 2000));
        QVERIFY2(
            QRegularExpression("^Edits made at \\d\\d:\\d\\d were neither sent nor saved when the program "
                               "ended\\.$")
                .match(watcher.boxes[0].text)
                .hasMatch(),
            qPrintable(watcher.boxes[0].text));
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Restore"));
        QCOMPARE(window.findChild<QSpinBox *>("spinBox_sub1")->value(), 37);
        QVERIFY(window.isWindowModified()); // an edit, not yet sent
        QVERIFY(QDir(state.filePath("drafts")).entryList({"*.draft", "*.txt"}).isEmpty());

        // Undone, the draft of the restored edit goes with it; Discard at close leaves none either.
        window.findChild<QSpinBox *>("spinBox_sub1")->setValue(12);
        QVERIFY(support::runUntil(
            [&] { return QDir(state.filePath("drafts")).entryList({"*.draft"}).size() == 1; }, 4000));
        watcher.answer = "Discard";
        window.close();
        QVERIFY(QDir(state.filePath("drafts")).entryList({"*.draft", "*.txt"}).isEmpty());
        qunsetenv("TXCONFIG_STATE_DIR");
    }

    void aSignalSaysGoodbyeAndKeepsTheDraft()
    {
        QTemporaryDir state;
        qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(state.path()));
        TxEmulator emu;
        QVERIFY(emu.open());
        QProcess child;
        QVERIFY(startChild(child, -21, emu.slavePath()));
        QVERIFY(support::runUntil([&] { return !emu.receivedTokens().isEmpty(); }, 2000));
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(child.processId()), SIGTERM);
        QVERIFY(support::runUntil([&] { return child.state() == QProcess::NotRunning; }, 5000));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(support::runUntil([&] { return emu.receivedTokens().last().token == "DIS"; }, 1000));
        const QStringList drafts = QDir(state.filePath("drafts")).entryList({"*.draft"});
        QCOMPARE(drafts.size(), 1);
        QString why;
        const std::optional<Draft> kept = readDraft(state.filePath("drafts"), drafts[0].chopped(6), &why);
        QVERIFY2(kept, qPrintable(why));
        QCOMPARE(kept->settings.sub1, -21);
        QCOMPARE(kept->edited, QStringList{"sub1"});
        QCOMPARE(kept->port, emu.slavePath());
        qunsetenv("TXCONFIG_STATE_DIR");
    }

    void damagedEntriesAreNamedAndLeftInPlace()
    {
        QTemporaryDir state;
        qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(state.path()));
        QVERIFY(QDir(state.path()).mkpath("drafts"));
        QFile journal(state.filePath("command.journal"));
        QVERIFY(journal.open(QIODevice::WriteOnly) &&
                journal.write("txconfig-journal 1\ncommand=WRITE\n") > 0);
        journal.close();
        QFile draft(state.filePath("drafts/999999-1.draft"));
        QVERIFY(draft.open(QIODevice::WriteOnly) && draft.write("<html>not a draft</html>") > 0);
        draft.close();

        ModalWatcher watcher;
        MainWindow window;
        support::runFor(100);
        QVERIFY(watcher.boxes.isEmpty()); // nothing offered as if whole
        auto *notice = window.findChild<QLabel *>("noticeBar");
        QVERIFY(notice);
        QVERIFY2(notice->text().startsWith("A draft of earlier edits is damaged (cut short or not a txconfig "
                                           "draft)"),
                 qPrintable(notice->text()));
        QVERIFY(journal.exists() && draft.exists());
        QCOMPARE(CommandJournal(state.path()).find().state, CommandJournal::State::Damaged);
        qunsetenv("TXCONFIG_STATE_DIR");
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
