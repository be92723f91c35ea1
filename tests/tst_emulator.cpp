// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulatormodel.h"
#include "link/blocks.h"
#include "link/textframes.h"
#include "tests/support/eventwait.h"
#include "tests/support/framestreams.h"
#include "tests/support/portrecorder.h"
#include "txemulator.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using support::PortRecorder;
using support::runFor;
using support::runUntil;

namespace {

constexpr int kAnswerTimeoutMs = 3000;

// A set unlike both the emulator's model and the start-up set, for the frames the tool writes.
ParameterSet writtenSet()
{
    ParameterSet p;
    p.rev1 = 1, p.rev3 = 0, p.sub4 = -40, p.Lepa2 = 110, p.Repa7 = 70, p.FS5 = 15;
    p.AUX5 = 4, p.AUX8 = 5, p.Volt = 6.6, p.Mode = 3;
    p.AttiM = 2, p.Atti3 = 33, p.EleMix = 1, p.Elev04 = 20, p.RuMix = 1, p.Ru2 = -75, p.delay6 = 40;
    p.DR_MIX = 1, p.DR_CH = 2, p.PRM02_Data3 = -60, p.PRM01_Master = 6, p.PRM02_Mix = 2;
    p.DR_UP_CH3 = 70, p.DR_DOWN_CH2 = 55, p.PRM03_Mix = 1, p.PRM04_Data2 = 90, p.THCURE_MIX = 1;
    p.THCURE_Data05 = 71, p.DR_POSI = 1, p.DR_EXP_DOWN_CH4 = -45, p.extVolt = 12.6, p.Rssi = -70,
    p.rxVolt = 5.2;
    p.StkTrim1 = 100, p.StkTrim2 = 140, p.StkTrim3 = 121, p.StkTrim4 = 119;
    return p;
}

QString builtFrame(TextFrame frame, ParameterSet &p)
{
    return buildFrame(frame, p, frameTemplate(frame));
}

QStringList tokenTexts(const TxEmulator &emu)
{
    QStringList texts;
    for (const TxEmulator::Received &r : emu.receivedTokens()) texts << QString::fromLatin1(r.token);
    return texts;
}

} // namespace

class TestEmulator : public QObject
{
    Q_OBJECT
private slots:
    void readRequestAnswersTheModel_data();
    void readRequestAnswersTheModel();
    void okStartsTheStreamsAndDisStopsThem_data();
    void okStartsTheStreamsAndDisStopsThem();
    void textFramesLandInTheModel();
    void tokensSurviveAnyChunking();
    void chunkingModesShowOnTheReceivingSide();
    void hangUpEndsTheLine();
    void commandLineServesALink();
};

void TestEmulator::readRequestAnswersTheModel_data()
{
    QTest::addColumn<bool>("factory");
    QTest::newRow("demo model") << false;
    QTest::newRow("start-up set") << true;
}

void TestEmulator::readRequestAnswersTheModel()
{
    QFETCH(bool, factory);
    TxEmulator emu;
    if (factory) emu.setModel(ParameterSet{});
    QVERIFY2(emu.open(), qPrintable(emu.errorString()));
    PortRecorder tool;
    QVERIFY2(tool.open(emu.slavePath()), qPrintable(tool.port.errorString()));

    tool.send("RR");
    QVERIFY(runUntil([&] { return tool.frames.size() == 19; }, kAnswerTimeoutMs));
    runFor(100);
    QCOMPARE(tool.frames.size(), 19); // and nothing after them
    QCOMPARE(tool.frames, readAnswer(emu.model()));

    // Frame-number order: blocks 1..6, the aux block, blocks 8..19.
    for (int i = 0; i < 19; ++i) {
        const QByteArray &f = tool.frames.at(i);
        if (i + 1 == kAuxBlockNumber) {
            QCOMPARE(classifyFrame(f), FrameKind::AuxBlock);
            continue;
        }
        QCOMPARE(classifyFrame(f), FrameKind::ParamBlock);
        QCOMPARE(paramBlockNumber(quint8(f.at(2))), i + 1);
        QCOMPARE(int(f.at(1)), i + 1);
    }

    ParameterSet received;
    received.Vertion = -1;
    for (const QByteArray &f : tool.frames) decodeFrame(f, received);
    QVERIFY(support::sameReadSettings(received, emu.model()));
    QCOMPARE(received.Vertion, factory ? 0 : 50);
    QCOMPARE(received.Mode, factory ? 1 : 2);
    QCOMPARE(received.Volt, factory ? 11.0 : 7.4);
    QCOMPARE(received.DR_UP_CH2, factory ? 100 : 80);
    QCOMPARE(received.DR_DOWN_CH2, factory ? 100 : 60);
    QCOMPARE(tokenTexts(emu), QStringList{"RR"});
}

void TestEmulator::okStartsTheStreamsAndDisStopsThem_data()
{
    QTest::addColumn<int>("channelHz");
    QTest::addColumn<int>("telemetryHz");
    QTest::addColumn<int>("telemetryEvery");
    QTest::newRow("default 50/10") << 0 << 0 << 0;
    QTest::newRow("100/20") << 100 << 20 << 0;
    // The link's full rate: 1000 / 524 rounds to a 1 ms tick, which must not mean 1000 frames a second.
    QTest::newRow("524, telemetry after every 10th") << 524 << 0 << 10;
}

void TestEmulator::okStartsTheStreamsAndDisStopsThem()
{
    QFETCH(int, channelHz);
    QFETCH(int, telemetryHz);
    QFETCH(int, telemetryEvery);
    TxEmulator emu;
    if (channelHz) emu.setChannelRate(channelHz);
    if (telemetryHz) emu.setTelemetryRate(telemetryHz);
    if (telemetryEvery) {
        emu.setTelemetryEvery(telemetryEvery);
        emu.setWriteGap(1); // a write per frame needs a tick shorter than the 1.7 ms between them
    }
    const int expectChannel = channelHz ? channelHz : 50;
    const int expectTelemetry = telemetryEvery ? expectChannel / telemetryEvery
                                : telemetryHz  ? telemetryHz
                                               : 10;
    QVERIFY(emu.open());
    PortRecorder tool;
    QVERIFY(tool.open(emu.slavePath()));

    runFor(200);
    QVERIFY(tool.frames.isEmpty()); // silent until told
    tool.send("OK");
    QVERIFY(runUntil([&] { return emu.isStreaming(); }, 2000));
    runFor(1000);
    const int channel = tool.count(FrameKind::Channel);
    const int telemetry = tool.count(FrameKind::Telemetry);
    QVERIFY2(channel >= expectChannel / 2 && channel <= expectChannel * 3 / 2,
             qPrintable(QString::number(channel)));
    QVERIFY2(telemetry >= expectTelemetry / 2 && telemetry <= expectTelemetry * 3 / 2,
             qPrintable(QString::number(telemetry)));
    QCOMPARE(tool.frames.size(), channel + telemetry);

    // Plausible values: channels move around the centre, voltages and signal look like a flight line.
    ParameterSet live;
    int lowest = 2000, highest = 0;
    for (const QByteArray &f : tool.frames) {
        decodeFrame(f, live);
        for (IntField servo : fields::servoOut) {
            lowest = std::min(lowest, live.*servo);
            highest = std::max(highest, live.*servo);
        }
    }
    QVERIFY(lowest >= 500 && highest <= 1500 && highest - lowest > 50);
    QVERIFY(live.txVoltage > 700 && live.txVoltage < 850);
    QVERIFY(live.rssiRaw > 50 && live.rssiRaw < 100);
    QVERIFY(live.rxVoltage >= 45 && live.rxVoltage <= 60);
    QCOMPARE(live.StkTrim2, emu.model().StkTrim2);

    tool.send("DIS");
    QVERIFY(runUntil([&] { return !emu.isStreaming(); }, 2000));
    runFor(100);
    const int afterStop = tool.frames.size();
    runFor(400);
    QCOMPARE(tool.frames.size(), afterStop);
    QCOMPARE(tokenTexts(emu), (QStringList{"OK", "DIS"}));
}

void TestEmulator::textFramesLandInTheModel()
{
    TxEmulator emu;
    QVERIFY(emu.open());
    PortRecorder tool;
    QVERIFY(tool.open(emu.slavePath()));

    ParameterSet written = writtenSet();
    const TextFrame order[] = {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I};
    for (TextFrame f : order) {
        QVERIFY(encodeFrameFields(f, emu.model()) != encodeFrameFields(f, written));
        tool.send(builtFrame(f, written).toLatin1());
        runFor(120);
    }
    tool.send("WWW");
    QVERIFY(runUntil([&] { return emu.receivedTokens().size() == 5; }, 2000));

    for (TextFrame f : order) QCOMPARE(encodeFrameFields(f, emu.model()), encodeFrameFields(f, written));
    QCOMPARE(emu.model().Volt, 6.6);
    QCOMPARE(emu.model().StkTrim2, 140);
    QCOMPARE(emu.model().Vertion, 50); // no frame carries it

    // In order, paced as sent; a loaded machine may note one token late, so half the gap is allowed.
    const QVector<TxEmulator::Received> tokens = emu.receivedTokens();
    const QStringList leads = {"S", "G", "H", "I", "W"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(QString(QChar(tokens[i].token.at(0))), leads[i]);
        if (i > 0) QVERIFY(tokens[i].atMs - tokens[i - 1].atMs >= 60);
    }
    QCOMPARE(tokens.last().token, QByteArray("WWW"));

    // A read now returns what was written.
    tool.send("RR");
    QVERIFY(runUntil([&] { return tool.frames.size() == 19; }, kAnswerTimeoutMs));
    ParameterSet received;
    for (const QByteArray &f : tool.frames) decodeFrame(f, received);
    QCOMPARE(received.sub4, -40);
    QCOMPARE(received.PRM02_Data3, -60);
    QCOMPARE(received.extVolt, 12.6);
}

void TestEmulator::tokensSurviveAnyChunking()
{
    TxEmulator emu;
    QVERIFY(emu.open());
    PortRecorder tool;
    QVERIFY(tool.open(emu.slavePath()));

    ParameterSet written = writtenSet();
    const QByteArray all = "WWW" + builtFrame(TextFrame::H, written).toLatin1() + "RR" + "?" +
                           builtFrame(TextFrame::I, written).toLatin1() + "DIS" + "OK" + "DIS";
    // Cut into writes of 1, 2, 3, ... bytes, each its own arrival.
    for (int at = 0, n = 1; at < all.size(); at += n, n = n % 7 + 1) {
        tool.send(all.mid(at, n));
        runFor(2);
    }
    QVERIFY(runUntil([&] { return emu.receivedTokens().size() == 8; }, 2000));
    QCOMPARE(emu.receivedBytes(), all);
    const QStringList texts = tokenTexts(emu);
    QCOMPARE(texts.at(0), QString("WWW"));
    QCOMPARE(texts.at(1).left(1), QString("H"));
    QCOMPARE(texts.mid(2, 2), (QStringList{"RR", "?"}));
    QCOMPARE(texts.at(4).left(1), QString("I"));
    QCOMPARE(texts.mid(5), (QStringList{"DIS", "OK", "DIS"}));
    QCOMPARE(encodeFrameFields(TextFrame::H, emu.model()), encodeFrameFields(TextFrame::H, written));
    QCOMPARE(encodeFrameFields(TextFrame::I, emu.model()), encodeFrameFields(TextFrame::I, written));
    qint64 previous = 0;
    for (const TxEmulator::Received &r : emu.receivedTokens()) {
        QVERIFY(r.atMs >= previous);
        previous = r.atMs;
    }
}

void TestEmulator::chunkingModesShowOnTheReceivingSide()
{
    TxEmulator emu;
    emu.setWriteGap(5);
    QVERIFY(emu.open());
    PortRecorder tool;
    QVERIFY(tool.open(emu.slavePath()));
    const QVector<QByteArray> answer = readAnswer(emu.model());

    auto readWith = [&](Chunking mode) {
        emu.setChunking(mode, 11);
        tool.forget();
        tool.send("RR");
        if (!runUntil([&] { return tool.frames.size() >= 19; }, kAnswerTimeoutMs)) return -1;
        runFor(60);
        return tool.frames == answer ? int(tool.chunks.size()) : -2;
    };
    auto framesPerChunk = [&](int *most) {
        bool partial = false;
        *most = 0;
        for (const QByteArray &c : tool.chunks) {
            StreamReceiver alone = support::receiverInStep();
            const int found = int(alone.feed(c).size());
            partial = partial || found == 0 || alone.buffered() > 0;
            *most = std::max(*most, found);
        }
        return partial;
    };
    int most = 0;

    const int whole = readWith(Chunking::Whole);
    QVERIFY2(whole > 0, "whole: answer not reassembled");
    QVERIFY(!framesPerChunk(&most)); // every notification holds whole frames

    const int split = readWith(Chunking::Split);
    QVERIFY2(split > 0, "split: answer not reassembled");
    QVERIFY(framesPerChunk(&most)); // pieces of frames arrive
    QVERIFY2(split > whole, qPrintable(QString("%1 vs %2").arg(split).arg(whole)));

    const int merged = readWith(Chunking::Merged);
    QVERIFY2(merged > 0, "merged: answer not reassembled");
    framesPerChunk(&most);
    QVERIFY(most >= 2); // two frames in one notification
    QVERIFY2(merged < whole, qPrintable(QString("%1 vs %2").arg(merged).arg(whole)));

    const int random = readWith(Chunking::Random);
    QVERIFY2(random > 0, "random: answer not reassembled");
    QVERIFY(framesPerChunk(&most));
}

void TestEmulator::hangUpEndsTheLine()
{
    TxEmulator emu;
    QVERIFY(emu.open());
    PortRecorder tool;
    QVERIFY(tool.open(emu.slavePath()));
    tool.send("OK");
    QVERIFY(runUntil([&] { return tool.frames.size() > 5; }, 2000));

    QSignalSpy hung(&emu, &TxEmulator::hungUp);
    emu.hangUp();
    QCOMPARE(hung.count(), 1);
    QVERIFY(!emu.isOpen());
    QVERIFY(!emu.isStreaming());
    // The port learns of it as a resource error; the device node is gone.
    QVERIFY(runUntil([&] { return tool.errorCount > 0; }, 2000));
    QCOMPARE(tool.firstError, QSerialPort::ResourceError);
    QVERIFY(!QFileInfo::exists(emu.slavePath()));
    const int received = tool.frames.size();
    runFor(200);
    QCOMPARE(tool.frames.size(), received);
    tool.port.close();
}

void TestEmulator::commandLineServesALink()
{
    const QString program = QCoreApplication::applicationDirPath() + "/../txemu";
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath("ttyTX");
    QFile::link("/nonexistent", link); // a stale link from an earlier run gets replaced

    QProcess emu;
    emu.start(program, {"--link", link, "--chunking", "split"});
    QVERIFY(emu.waitForStarted());
    QVERIFY(emu.waitForReadyRead(5000));
    const QString slave = QString::fromLocal8Bit(emu.readLine()).trimmed();
    QVERIFY(slave.startsWith("/dev/"));
    QCOMPARE(QFileInfo(link).symLinkTarget(), slave);

    PortRecorder tool;
    QVERIFY(tool.open(link));
    tool.send("RR");
    QVERIFY(runUntil([&] { return tool.frames.size() == 19; }, kAnswerTimeoutMs));
    QCOMPARE(tool.frames, readAnswer(demoModel()));
    tool.port.close();

    emu.terminate(); // SIGTERM
    QVERIFY(emu.waitForFinished(5000));
    QCOMPARE(emu.exitStatus(), QProcess::NormalExit);
    QCOMPARE(emu.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(emu.readAllStandardError().contains("RR"));
}

QTEST_GUILESS_MAIN(TestEmulator)
#include "tst_emulator.moc"
