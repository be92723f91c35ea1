// SPDX-License-Identifier: GPL-3.0-or-later
// txconfig-cli: its commands run in-process against the emulator over a real pseudo-terminal and on
// real files, and the built program for its exit codes.
#include "commands.h"
#include "emulatormodel.h"
#include "fileinput.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "report.h"
#include "support/eventwait.h"
#include "support/randomparams.h"
#include "txemulator.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

template <typename Command> Run run(Command command)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = command(CliStreams{out, err, false});
    out.flush();
    err.flush();
    return r;
}

// The file of a set (a copy: building the frames recomputes its raw voltages).
QByteArray fileBytes(ParameterSet p)
{
    return parameterFileBytes(p);
}

// A set whose dual-rate view agrees with its storage, as the window keeps it.
ParameterSet randomModel(quint32 seed)
{
    QRandomGenerator rng(seed);
    ParameterSet p = randomValidParameters(rng);
    selectDualRate(p);
    return p;
}

QStringList commandsReceived(const TxEmulator &emu)
{
    QStringList list;
    for (const TxEmulator::Received &r : emu.receivedTokens())
        if (r.token != "WWW" || list.isEmpty() || list.last() != "WWW")
            list << QString::fromLatin1(r.token.left(r.token.size() == 81 ? 1 : 3));
    return list;
}

// The companion's link with short frame gaps and read waits, for the tests that are not about them.
const CliLink kQuick{{60, 200}, {300, 300, 100, true, true}};

// The commands alone, without the "WWW" that answers the transmitter's stream.
QStringList commandsOnly(const TxEmulator &emu)
{
    return commandsReceived(emu).filter(QRegularExpression("^(?!WWW$)"));
}

// The last token reaches the emulator only once the event loop runs again after the command returns.
bool saidGoodbye(const TxEmulator &emu)
{
    return support::runUntil([&] { return commandsReceived(emu).endsWith("DIS"); }, 5000);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QLoggingCategory::setFilterRules("txconfig.*.debug=false");
        // The companion's messages are compared in English, whatever the machine's language.
        qputenv("LANGUAGE", "en");
    }

    void readGivesAFileWhoseDumpIsTheSanitisedModel()
    {
        TxEmulator emu;
        ParameterSet model = demoModel();
        model.sub2 = -120;       // out of the sanitiser's range: saved as 0
        model.PRM01_Master = 10; // the sanitiser keeps it, a digit field cannot: saved as 9
        emu.setModel(model);
        QVERIFY2(emu.open(), qPrintable(emu.errorString()));
        const QString path = writeFile("read.txt", "an older backup");

        const Run r = run([&](CliStreams io) { return runRead(emu.slavePath(), path, io); });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err,
                 QString("txconfig-cli: %1: PRM01_Master 10 does not fit the file, saved as 9\n").arg(path));
        QCOMPARE(QFileInfo(path).size(), 324);

        ParameterSet expected = emu.model();
        sanitise(expected);
        QCOMPARE(expected.sub2, 0);
        expected.PRM01_Master = 9;
        const FileInput saved = readParameterFileInput(path);
        QVERIFY(saved.leftOut.isEmpty());
        QCOMPARE(dumpLines(saved.set, saved.loaded), dumpLines(expected, {true, true, true, true}));

        QVERIFY(saidGoodbye(emu));
        const QStringList exchange = commandsReceived(emu);
        QCOMPARE(exchange.first(), QString("OK"));
        QCOMPARE(exchange.mid(exchange.indexOf("RR"), 2), (QStringList{"RR", "WWW"}));
    }

    void readWithBlocksWithheldNamesThemAndWritesNoFile()
    {
        TxEmulator emu;
        emu.setWithheld({5, 12});
        QVERIFY(emu.open());
        QTemporaryDir out;
        const QString path = out.filePath("backup.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("yesterday") == 9);
        old.close();

        const Run r = run([&](CliStreams io) { return runRead(emu.slavePath(), path, io, kQuick); });
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QString("txconfig-cli: %1: incomplete read, frames 5, 12 missing; no file written\n")
                            .arg(emu.slavePath()));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("yesterday"));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"backup.txt"});
        QVERIFY(saidGoodbye(emu));
    }

    void writePutsTheFilesSetInTheModelPaced()
    {
        ParameterSet set = randomModel(7);
        QByteArray bytes = parameterFileBytes(set);
        bytes.replace(9, 2, "00"); // sub1 -120: corrected before it is sent
        const QString path = writeFile("write.txt", bytes);
        TxEmulator emu;
        QVERIFY(emu.open());

        const Run r =
            run([&](CliStreams io) { return runWrite(emu.slavePath(), path, false, true, true, io); });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString("txconfig-cli: %1: sub1 -120 out of range, sent as 0\n").arg(path));
        ParameterSet expected = set;
        expected.sub1 = 0;
        for (TextFrame f : kSendOrder)
            QCOMPARE(encodeFrameFields(f, emu.model()), encodeFrameFields(f, expected));

        QVERIFY(saidGoodbye(emu));
        QCOMPARE(commandsOnly(emu), (QStringList{"OK", "RR", "S", "G", "H", "I", "RR", "DIS"}));
        QVector<TxEmulator::Received> tokens; // the four frames and the read-back's "RR"
        for (const TxEmulator::Received &r : emu.receivedTokens())
            if (r.token.size() == 81 || (r.token == "RR" && !tokens.isEmpty())) tokens << r;
        for (int i = 1; i <= 4; ++i) {
            const qint64 gap = tokens[i].atMs - tokens[i - 1].atMs;
            QVERIFY2(gap >= 700 && gap < 3000, qPrintable(QString("%1 ms before %2").arg(gap).arg(i)));
        }
    }

    void writeChecksByReadingBack_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::newRow("checked") << true;
        QTest::newRow("--no-verify") << false;
    }
    void writeChecksByReadingBack()
    {
        QFETCH(bool, verify);
        TxEmulator emu;
        emu.setIgnoredFrame('G');
        QVERIFY(emu.open());
        const ParameterSet before = emu.model();
        ParameterSet set = before; // G-frame settings the transmitter will not take
        set.Atti2 = before.Atti2 == 40 ? 41 : 40;
        set.delay1 = before.delay1 == 7 ? 8 : 7;
        const QString path = writeFile("lost-g.txt", parameterFileBytes(set));

        const Run r = run(
            [&](CliStreams io) { return runWrite(emu.slavePath(), path, false, verify, true, io, kQuick); });
        QVERIFY(saidGoodbye(emu));
        if (!verify) {
            QCOMPARE(r.code, 0);
            QCOMPARE(commandsReceived(emu).count("RR"), 1); // the copy kept before sending
            return;
        }
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString("BASIC / DELAY / CH1: sent %1, transmitter %2\n"
                                "ADVANCE1 / ATTITUDE / ATTI2: sent %3, transmitter %4\n")
                            .arg(set.delay1)
                            .arg(before.delay1)
                            .arg(set.Atti2)
                            .arg(before.Atti2));
        QVERIFY2(r.err.contains("the transmitter does not hold what was sent"), qPrintable(r.err));
    }

    void readAsksAgainForBlocksLostOnce()
    {
        TxEmulator emu;
        emu.setWithheldOnce({3, 17});
        QVERIFY(emu.open());
        QTemporaryDir out;
        const QString path = out.filePath("again.txt");
        const Run r = run([&](CliStreams io) { return runRead(emu.slavePath(), path, io, kQuick); });
        QCOMPARE(r.code, 0);
        QCOMPARE(QFileInfo(path).size(), 324);
        QCOMPARE(commandsReceived(emu).count("RR"), 2);
    }

    void writeRefusesFramesOutOfPlaceUnlessPartial()
    {
        ParameterSet set = randomModel(8);
        QByteArray bytes = parameterFileBytes(set);
        bytes[162] = 'h';
        const QString path = writeFile("damaged.txt", bytes);
        TxEmulator emu;
        QVERIFY(emu.open());
        const QString hBefore = encodeFrameFields(TextFrame::H, emu.model());

        const Run refused =
            run([&](CliStreams io) { return runWrite(emu.slavePath(), path, false, true, true, io); });
        QCOMPARE(refused.code, 2);
        QVERIFY2(refused.err.endsWith(
                     ": nothing sent: not every frame is in place (--partial sends the others)\n"),
                 qPrintable(refused.err));
        support::runFor(300);
        QVERIFY(emu.receivedBytes().isEmpty());

        const Run partial =
            run([&](CliStreams io) { return runWrite(emu.slavePath(), path, true, true, true, io, kQuick); });
        QCOMPARE(partial.code, 0); // the frame not sent is not held against the transmitter
        QVERIFY(saidGoodbye(emu));
        QCOMPARE(commandsOnly(emu), (QStringList{"OK", "RR", "S", "G", "I", "RR", "DIS"}));
        QCOMPARE(encodeFrameFields(TextFrame::H, emu.model()), hBefore);
        QCOMPARE(encodeFrameFields(TextFrame::I, emu.model()), encodeFrameFields(TextFrame::I, set));
    }

    // READ and WRITE keep what they saw; entries are named @1 (the newest), @2, ... wherever a file is.
    void historyKeepsWhatTheCommandsSaw()
    {
        QTemporaryDir home;
        qputenv("TXCONFIG_HISTORY_DIR", QFile::encodeName(home.filePath("history")));
        TxEmulator emu;
        emu.setModel(randomModel(21));
        QVERIFY(emu.open());
        const QString readFile = dir.filePath("h-read.txt");
        QCOMPARE(run([&](CliStreams io) { return runRead(emu.slavePath(), readFile, io, kQuick); }).code, 0);
        QCOMPARE(run([&](CliStreams io) { return runRead(emu.slavePath(), readFile, io, kQuick); }).code, 0);
        ParameterSet changed = randomModel(22); // changed on the transmitter itself
        sanitise(changed);
        emu.setModel(changed);
        const QString newFile = writeFile("h-new.txt", fileBytes(randomModel(23)));
        QCOMPARE(run([&](CliStreams io) {
                     return runWrite(emu.slavePath(), newFile, false, true, true, io, kQuick);
                 }).code,
                 0);

        const Run listed = run([&](CliStreams io) { return runHistory(false, io); });
        const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3); // the second read was equal to the first
        QVERIFY2(lines[0].startsWith("@1") && lines[0].contains("After WRITE") &&
                     lines[0].contains(emu.slavePath()),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("@2") && lines[1].contains("Before WRITE"), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("@3") && lines[2].contains("Read"), qPrintable(lines[2]));
        const QJsonObject json =
            QJsonDocument::fromJson(run([&](CliStreams io) { return runHistory(true, io); }).out.toUtf8())
                .object();
        QCOMPARE(json["entries"].toArray().size(), 3);
        QCOMPARE(json["entries"].toArray()[1].toObject()["event"].toString(), QString("before-write"));
        QCOMPARE(json["entries"].toArray()[1].toObject()["number"].toInt(), 2);

        // @3 is the file READ wrote; @2, written back, puts the changed model on the transmitter again.
        QCOMPARE(run([&](CliStreams io) { return runDiff("@3", readFile, false, io); }).code, 0);
        QCOMPARE(run([&](CliStreams io) {
                     return runWrite(emu.slavePath(), "@2", false, true, true, io, kQuick);
                 }).code,
                 0);
        QCOMPARE(fileBytes(emu.model()).left(3 * 81), fileBytes(changed).left(3 * 81)); // the trims are live
        const Run missing = run([&](CliStreams io) { return runDump("@9", false, io); });
        QCOMPARE(missing.code, 2);
        QVERIFY2(missing.err.startsWith("txconfig-cli: @9: no such history entry"), qPrintable(missing.err));

        // A transmitter that does not answer gets nothing without a copy, unless --no-backup.
        emu.setSilent(true);
        const int tokens = emu.receivedTokens().size();
        const Run refused = run(
            [&](CliStreams io) { return runWrite(emu.slavePath(), newFile, false, true, true, io, kQuick); });
        QCOMPARE(refused.code, 2);
        QVERIFY2(refused.err.contains(
                     "nothing sent: the model on the transmitter could not be read to keep a copy "
                     "(no answer) (--no-backup sends without one)"),
                 qPrintable(refused.err));
        for (int i = tokens; i < emu.receivedTokens().size(); ++i)
            QVERIFY(emu.receivedTokens()[i].token.size() != 81);
        QCOMPARE(run([&](CliStreams io) {
                     return runWrite(emu.slavePath(), newFile, false, false, false, io, kQuick);
                 }).code,
                 0);
        QCOMPARE(encodeFrameFields(TextFrame::G, emu.model()),
                 encodeFrameFields(TextFrame::G, randomModel(23)));
        qunsetenv("TXCONFIG_HISTORY_DIR");
    }

    void dumpAndDiffOnFiles()
    {
        ParameterSet a;
        a.sub4 = -37, a.Volt = 7.4;
        const QString saved = writeFile("a.txt", fileBytes(a));
        const QString start = writeFile("start.txt", fileBytes(ParameterSet{}));
        QByteArray odd = fileBytes(a);
        odd.replace(25, 2, "FF");       // Lepa1 239
        odd.replace(81 + 71, 1, "A");   // PRM01_Master 10
        odd.replace(162 + 74, 2, "00"); // rxVoltRaw -16
        const QString outOfRange = writeFile("odd.txt", odd);
        const QString truncated = writeFile("short.txt", fileBytes(a).left(200));
        QByteArray marker = fileBytes(a);
        marker[161] = 'X';
        const QString badMarker = writeFile("marker.txt", marker);
        const QString garbage = writeFile("notes.txt", QByteArray(400, 'x'));
        auto dump = [](const QString &path, bool json = false) {
            return run([&](CliStreams io) { return runDump(path, json, io); });
        };
        auto diff = [](const QString &x, const QString &y, bool json = false) {
            return run([&](CliStreams io) { return runDiff(x, y, json, io); });
        };

        Run r = dump(saved);
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), int(std::size(kNamedFields)) + 5);
        QCOMPARE(lines.mid(0, 3), (QStringList{"# BASIC", "rev1 0", "rev2 0"}));
        QVERIFY(lines.contains("sub4 -37") && lines.contains("Volt 7.4") && lines.contains("# PROG.MIX"));

        r = dump(outOfRange);
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("\nLepa1 239 # out of range, would be sent as 96\n"));
        QVERIFY(r.out.contains("\nPRM01_Master 10 # out of range, would be sent as 9\n"));
        QVERIFY(r.out.contains("\nrxVolt -1.6 # out of range, would be sent as 4.0\n"));
        QCOMPARE(r.out.count("# out of range"), 3);
        const QJsonObject json = QJsonDocument::fromJson(dump(outOfRange, true).out.toUtf8()).object();
        QCOMPARE(json["parameters"].toObject()["Lepa1"].toInt(), 239);
        QCOMPARE(json["outOfRange"].toObject()["rxVolt"].toDouble(), 4.0);

        r = dump(truncated);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, QString("txconfig-cli: %1: H frame left out: the file ends after 200 characters\n"
                                "txconfig-cli: %1: I frame left out: the file ends after 200 characters\n")
                            .arg(truncated));
        QVERIFY(r.out.contains("\nsub4 -37\n") && r.out.contains("\nAtti1 14\n") &&
                !r.out.contains("THCURE"));

        r = dump(badMarker);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, QString("txconfig-cli: %1: G frame left out: its markers are not in place "
                                "('G' at character 82, 'Z' at 162)\n")
                            .arg(badMarker));
        QVERIFY(r.out.contains("\nsub4 -37\n") && !r.out.contains("Atti1"));

        const QString missing = dir.filePath("nothing.txt");
        const QStringList unusable = {dir.path(), missing, garbage};
        const QStringList reasons = {"not a parameter file (it is a folder)", "no such file",
                                     "not a parameter file (no S, G, H or I frame in place)"};
        for (int i = 0; i < unusable.size(); ++i) {
            r = dump(unusable[i]);
            QCOMPARE(r.code, 2);
            QCOMPARE(r.err, QString("txconfig-cli: %1: %2\n").arg(unusable[i], reasons[i]));
            QVERIFY(r.out.isEmpty());
        }

        QCOMPARE(diff(saved, saved).code, 0);
        r = diff(saved, start);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString("sub4 -37 0\nVolt 7.4 11.0\n"));
        const QJsonObject differences =
            QJsonDocument::fromJson(diff(saved, start, true).out.toUtf8()).object()["differences"].toObject();
        QCOMPARE(differences.keys(), (QStringList{"Volt", "sub4"}));
        QCOMPARE(differences["sub4"].toArray(), (QJsonArray{-37, 0}));
        QCOMPARE(diff(saved, truncated).code, 2); // H and I could not be compared
        QCOMPARE(diff(saved, missing).code, 2);
    }

    // The live stream to CSV, as the window records it: every frame taken a row, then "DIS"; the
    // progress line only where asked for (a terminal).
    void recordWritesARowPerLiveFrame()
    {
        TxEmulator emu;
        QVERIFY(emu.open());
        emu.keepLiveFrames();
        const QString path = dir.filePath("live.csv");
        const Run r = run([&](CliStreams io) { return runRecord(emu.slavePath(), path, 1, io, {}, kQuick); });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QString());
        QVERIFY(saidGoodbye(emu));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArrayList lines = file.readAll().split('\n');
        QCOMPARE(lines.first(), QByteArray("time_ms,ch1,ch2,ch3,ch4,ch5,ch6,ch7,ch8,tx_v,rx_v,ext_v,rssi"));
        QCOMPARE(lines.last(), QByteArray());
        // Every frame sent before "DIS" reached the file, but those on the line at that moment.
        const int rows = int(lines.size()) - 2;
        QVERIFY2(rows > 0 && rows <= emu.liveFramesSent().size() && rows >= emu.liveFramesSent().size() - 5,
                 qPrintable(QStringLiteral("%1 rows, %2 sent").arg(rows).arg(emu.liveFramesSent().size())));
        QCOMPARE(lines[1].left(2), QByteArray("0,"));
        QVERIFY(lines[rows].left(lines[rows].indexOf(',')).toInt() > 800);

        // On a terminal: a line of progress, rewritten in place; Ctrl+C ends it as its time would.
        QString err;
        QTextStream out(&err), progress(&err);
        int ticks = 0;
        const int code = runRecord(
            emu.slavePath(), dir.filePath("tty.csv"), 0, {out, progress, true}, [&] { return ++ticks > 5; },
            kQuick);
        progress.flush();
        QCOMPARE(code, 0);
        QVERIFY2(err.startsWith(QString("\rrecording %1: opening").arg(emu.slavePath())), qPrintable(err));
        QVERIFY2(err.contains(QRegularExpression("\\rrecording [^:]+: 0 s, \\d+ rows")), qPrintable(err));
        QVERIFY(err.endsWith('\n'));
    }

    void portsThatCannotBeUsed()
    {
        TxEmulator emu;
        QVERIFY(emu.open());
        QSerialPort holder(emu.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        const QString path = dir.filePath("never.txt");
        const QString nowhere = dir.filePath("ttyUSB9");
        const QStringList ports = {emu.slavePath(), nowhere};
        const QStringList reasons = {"busy: another program has the port open",
                                     "no such port (is the transmitter plugged in?)"};
        for (int i = 0; i < ports.size(); ++i) {
            const Run r = run([&](CliStreams io) { return runRead(ports[i], path, io); });
            QCOMPARE(r.code, 2);
            QCOMPARE(r.err, QString("txconfig-cli: %1: %2\n").arg(ports[i], reasons[i]));
        }
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(emu.receivedBytes().isEmpty());
    }

    void theProgramsExitCodes()
    {
        const QString program = QCoreApplication::applicationDirPath() + "/../txconfig-cli";
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        ParameterSet b;
        b.Rssi = -60;
        const QString a = writeFile("p.txt", fileBytes(ParameterSet{}));
        const QString other = writeFile("q.txt", fileBytes(b));
        struct Case {
            QStringList args;
            int code;
            QString out, err;
        };
        const Case cases[] = {
            {{"--version"}, 0, "txconfig-cli 5.0\n", ""},
            {{"diff", a, other}, 1, "Rssi -100 -60\n", ""},
            {{"diff", a, a}, 0, "", ""},
            {{"dump", dir.filePath("none")},
             2,
             "",
             QString("txconfig-cli: %1: no such file\n").arg(dir.filePath("none"))},
            {{"fly", a}, 2, "", "txconfig-cli: unknown command 'fly' (see --help)\n"},
            {{"read", "-o", a}, 2, "", "txconfig-cli: read needs --port PORT (see --help)\n"},
            {{"record", "--port", "/dev/null"}, 2, "", "txconfig-cli: record needs -o FILE (see --help)\n"},
            {{"recover", "--restore"},
             2,
             "",
             "txconfig-cli: recover --restore needs --port PORT (see --help)\n"},
            {{"recover", "--port", "p"},
             2,
             "",
             "txconfig-cli: recover --port needs --restore or --resend (see --help)\n"},
            {{"recover", "--port", "p", "--restore", "--resend"},
             2,
             "",
             "txconfig-cli: recover takes --restore or --resend, not both (see --help)\n"},
            {{"read", "--port", "p", "-o", a, "--seconds", "3"},
             2,
             "",
             "txconfig-cli: read has no option --seconds (see --help)\n"},
            {{"record", "--port", "p", "-o", a, "--seconds", "1.5"},
             2,
             "",
             "txconfig-cli: --seconds takes a whole number above 0, not '1.5' (see --help)\n"},
            // Not a terminal: no line of progress, only the reason.
            {{"record", "--port", dir.filePath("ttyUSB9"), "-o", dir.filePath("never.csv"), "--seconds", "1"},
             2,
             "",
             QString("txconfig-cli: %1: no such port (is the transmitter plugged in?)\n")
                 .arg(dir.filePath("ttyUSB9"))},
        };
        for (const Case &c : cases) {
            QProcess p;
            p.start(program, c.args);
            QVERIFY(p.waitForFinished(10000));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), c.code);
            QCOMPARE(QString::fromLocal8Bit(p.readAllStandardOutput()), c.out);
            QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()), c.err);
        }
        QVERIFY(!QFileInfo::exists(dir.filePath("never.csv"))); // no header-only file left behind
    }

    // In German the companion speaks German, and what scripts read stays byte for byte the same.
    void germanKeepsWhatScriptsRead()
    {
        const QString program = QCoreApplication::applicationDirPath() + "/../txconfig-cli";
        ParameterSet b;
        b.Rssi = -60;
        b.Volt = 7.35; // a decimal point, whatever the locale writes
        const QString a = writeFile("p.txt", fileBytes(ParameterSet{}));
        const QString other = writeFile("q.txt", fileBytes(b));
        auto run = [&](const QStringList &args, const QString &language) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("LANGUAGE", language);
            env.insert("LANG", language == "de" ? "de_DE.UTF-8" : "C.UTF-8");
            env.remove("LC_ALL");
            env.remove("LC_MESSAGES");
            p.setProcessEnvironment(env);
            p.start(program, args);
            p.waitForFinished(10000);
            return std::make_tuple(p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError());
        };
        for (const QStringList &args : {QStringList{"dump", other}, QStringList{"dump", "--json", other},
                                        QStringList{"diff", a, other}, QStringList{"--version"}})
            QCOMPARE(run(args, "de"), run(args, "en"));
        const auto [helpCode, germanHelp, helpErr] = run({"--help"}, "de");
        const QByteArray englishHelp = std::get<1>(run({"--help"}, "en"));
        QCOMPARE(helpCode, 0);
        QVERIFY(germanHelp != englishHelp);
        QVERIFY(germanHelp.contains("--port") && germanHelp.contains("dump"));
        QCOMPARE(std::get<1>(run({"--help", "--lang", "de"}, "en")), germanHelp);
        const auto [code, out, err] = run({"dump", dir.filePath("none")}, "de");
        QCOMPARE(code, 2);
        QVERIFY(err.startsWith("txconfig-cli: ") &&
                err != std::get<2>(run({"dump", dir.filePath("none")}, "en")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
