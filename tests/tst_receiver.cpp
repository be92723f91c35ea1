// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulatormodel.h"
#include "link/blocks.h"
#include "link/streamreceiver.h"
#include "livesignals.h"
#include "outputpacer.h"
#include "tests/support/framestreams.h"
#include "tools/fuzz/framestream.h"

#include <QRandomGenerator>
#include <QtTest>

using support::chunked;
using support::joined;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values) b.append(char(v));
    return b;
}

// A model whose blocks carry the marker bytes inside their payloads, every value inside its editor's
// range: 0xAA from offsets (sub +120, Ru and expo +100), 0xFE in the 16-bit voltages and version,
// 0x18 and 0x19 as plain bytes.
ParameterSet hostileModel()
{
    ParameterSet p = demoModel();
    p.sub1 = 50;            // 0xAA
    p.Ru1 = 70;             // 0xAA
    p.DR_EXP_UP_CH2 = 70;   // 0xAA
    p.PRM01_Data1 = 70;     // 0xAA
    p.FS1 = 24, p.FS2 = 25; // 0x18, 0x19
    p.Lepa4 = 24, p.Atti2 = 25;
    p.Volt = 25.4;    // 0x00FE
    p.extVolt = 25.4; // 0x00FE
    p.Vertion = 254;  // 0x00FE
    return withRawVoltages(p);
}

// What the transmitter sends around a read: live frames running, the read answer interleaved with
// them (a live frame after every third block), live frames after. Half the live frames are hostile.
QVector<QByteArray> sessionStream(const ParameterSet &model)
{
    QVector<QByteArray> out;
    int seq = 0;
    auto live = [&](int n) {
        for (int i = 0; i < n; ++i, ++seq) {
            const bool hostile = seq % 2 == 1;
            out.append(seq % 5 == 4 ? telemetryFrameAt(model, seq * 20, seq, hostile)
                                    : channelFrameAt(model, seq * 20, seq, hostile));
        }
    };
    live(12);
    const QVector<QByteArray> answer = readAnswer(model);
    for (int i = 0; i < answer.size(); ++i) {
        out.append(answer[i]);
        if (i % 3 == 2) live(1);
    }
    live(12);
    return out;
}

QVector<QByteArray> feedAll(StreamReceiver &r, const QVector<QByteArray> &chunks)
{
    QVector<QByteArray> frames;
    for (const QByteArray &c : chunks) frames += r.feed(c);
    return frames;
}

QByteArray randomBytes(QRandomGenerator &rng, int n, bool avoidMarkers)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) {
        quint8 v = quint8(rng.bounded(256));
        while (avoidMarkers && (v == kMarker || v == kAuxCode)) v = quint8(rng.bounded(256));
        b[i] = char(v);
    }
    return b;
}

} // namespace

class TestReceiver : public QObject
{
    Q_OBJECT
private slots:
    void oneReading_singleFrameChunkPassesThrough_data();
    void oneReading_singleFrameChunkPassesThrough();
    void wait_ambiguousHeadsWaitForTheRest();
    void findNothing_auxBlockIsTakenOnlyInStep_data();
    void findNothing_auxBlockIsTakenOnlyInStep();
    void oneReading_everyChunkingGivesTheSameFrames_data();
    void oneReading_everyChunkingGivesTheSameFrames();
    void meetLive_hostileLiveFramesNeverBecomeBlocks();
    void findNothing_garbageNeverGrowsTheBuffer();
    void findChain_garbageBeforeAStreamIsSkipped_data();
    void findChain_garbageBeforeAStreamIsSkipped();
    void openWhole_clearDropsAPartialFrame();
};

void TestReceiver::oneReading_singleFrameChunkPassesThrough_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<bool>("readsOtherwise"); // its bytes also read as other frames: the next head decides
    const ParameterSet model = demoModel();
    QTest::newRow("listed block") << encodeParamBlock(0x55, model) << false;
    QTest::newRow("unlisted code") << bytes({0xFE, 0x03, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 0xFE}) << false;
    QTest::newRow("unlisted code 0xFE")
        << bytes({0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE}) << false;
    QTest::newRow("channel FE 18") << channelFrameAt(model, 0, 0, false) << false;
    QTest::newRow("hostile channel") << channelFrameAt(model, 0, 2, true) << true;
    QTest::newRow("telemetry FE 19") << telemetryFrameAt(model, 0, 0, true) << false;
    QTest::newRow("aux") << encodeAuxBlock(model) << false;
    QTest::newRow("aux odd bytes 0 1 7") << bytes({0x55, 0xFE, 0xAA, 1, 2, 3, 4, 0xFE}) << false;
}

void TestReceiver::oneReading_singleFrameChunkPassesThrough()
{
    QFETCH(QByteArray, chunk);
    QFETCH(bool, readsOtherwise);
    StreamReceiver r = support::receiverInStep();
    QVector<QByteArray> frames = r.feed(chunk);
    if (readsOtherwise) {
        QVERIFY(frames.isEmpty());
        frames = r.feed(encodeChannelFrame(ParameterSet{}));
        frames.removeLast();
    }
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first(), chunk);
    QCOMPARE(r.buffered(), 0);
}

void TestReceiver::wait_ambiguousHeadsWaitForTheRest()
{
    // The first 12 bytes of a channel frame whose servo 5 low byte is 0xFE look like a block.
    ParameterSet live;
    live.servoOut1 = 0x03E8, live.servoOut5 = 0x18FE;
    const QByteArray channel = encodeChannelFrame(live);
    QCOMPARE(classifyFrame(channel.left(12)), FrameKind::ParamBlock);
    StreamReceiver r = support::receiverInStep();
    QVERIFY(r.feed(channel.left(12)).isEmpty());
    QCOMPARE(r.buffered(), 12);
    QCOMPARE(r.feed(channel.mid(12)), QVector<QByteArray>{channel});

    // The first 8 bytes of block 17 (code 0xAA) look exactly like an aux block.
    const QByteArray block17 = readAnswer(demoModel()).at(16);
    QCOMPARE(quint8(block17.at(2)), kAuxCode);
    QCOMPARE(classifyFrame(block17.left(8)), FrameKind::AuxBlock);
    QVERIFY(r.feed(block17.left(8)).isEmpty());
    QCOMPARE(r.feed(block17.mid(8)), QVector<QByteArray>{block17});

    // An aux block whose byte 0 is 0xFE is decided once the next frame's head shows it is no block 17.
    const QByteArray aux = bytes({0xFE, 0x07, 0xAA, 1, 2, 3, 4, 0x00});
    const QByteArray next = encodeChannelFrame(live);
    QVERIFY(r.feed(aux).isEmpty());
    QCOMPARE(r.feed(next), (QVector<QByteArray>{aux, next}));
    QCOMPARE(r.buffered(), 0);
}

void TestReceiver::findNothing_auxBlockIsTakenOnlyInStep_data()
{
    QTest::addColumn<int>("byte0");
    QTest::addColumn<int>("servoOut1"); // of the channel frame after it
    for (int b : {0x00, 0xAA, 0x18, 0x44}) QTest::addRow("byte 0 %02X", b) << b << 1000;
    // Found: with byte 0 = FE and a low byte of FE in servo 1 next, the 12 bytes were read as block 17.
    for (int servo : {1022, 1278, 1534, 1790})
        QTest::addRow("byte 0 FE, servo 1 = %d", servo) << 0xFE << servo;
}

void TestReceiver::findNothing_auxBlockIsTakenOnlyInStep()
{
    QFETCH(int, byte0);
    QFETCH(int, servoOut1);
    QByteArray aux = encodeAuxBlock(demoModel());
    aux[0] = char(byte0);
    ParameterSet live;
    live.servoOut1 = servoOut1;
    const QByteArray next = encodeChannelFrame(live);

    // Behind stray bytes its one marker byte proves nothing: it is not taken.
    StreamReceiver fresh;
    fresh.feed(bytes({0x01, 0x02}));
    QVERIFY(fresh.feed(aux).isEmpty());

    // In step it is taken whatever its byte 0, at the latest with the next frame's head.
    StreamReceiver r = support::receiverInStep();
    QVector<QByteArray> frames = r.feed(aux);
    frames += r.feed(next);
    QCOMPARE(frames, (QVector<QByteArray>{aux, next}));
    ParameterSet p;
    for (const QByteArray &f : frames) decodeFrame(f, p);
    QCOMPARE(p.AUX5, 0);
    QCOMPARE(p.AUX6, 1);
    QCOMPARE(p.AUX7, 2);
    QCOMPARE(p.AUX8, 3);
    QCOMPARE(p.THCURE_Data03, ParameterSet{}.THCURE_Data03);
}

void TestReceiver::oneReading_everyChunkingGivesTheSameFrames_data()
{
    QTest::addColumn<bool>("hostile");
    QTest::addColumn<int>("mode");
    QTest::addColumn<quint32>("seed");
    for (bool hostile : {false, true}) {
        const char *model = hostile ? "hostile model" : "demo model";
        QTest::addRow("%s whole", model) << hostile << int(Chunking::Whole) << 1u;
        QTest::addRow("%s split", model) << hostile << int(Chunking::Split) << 1u;
        QTest::addRow("%s merged", model) << hostile << int(Chunking::Merged) << 1u;
        for (quint32 seed = 1; seed <= 60; ++seed)
            QTest::addRow("%s random %u", model, seed) << hostile << int(Chunking::Random) << seed;
    }
}

void TestReceiver::oneReading_everyChunkingGivesTheSameFrames()
{
    QFETCH(bool, hostile);
    QFETCH(int, mode);
    QFETCH(quint32, seed);
    const ParameterSet model = hostile ? hostileModel() : demoModel();
    const QVector<QByteArray> stream = sessionStream(model);
    const QVector<QByteArray> chunks = chunked(stream, Chunking(mode), seed);
    QCOMPARE(joined(chunks), joined(stream));

    StreamReceiver r;
    const QVector<QByteArray> frames = feedAll(r, chunks);
    QCOMPARE(frames, stream);
    QCOMPARE(r.buffered(), 0);

    ParameterSet received;
    for (const QByteArray &f : frames) decodeFrame(f, received);
    QVERIFY(support::sameReadSettings(received, model));
    QCOMPARE(received.Vertion, model.Vertion);
    QCOMPARE(received.Volt, model.Volt);
    QCOMPARE(received.sub2, -12);
    QCOMPARE(received.DR_EXP_DOWN_CH1, 40);
    QCOMPARE(received.THCURE_Data04, 52);
}

void TestReceiver::meetLive_hostileLiveFramesNeverBecomeBlocks()
{
    const ParameterSet model = demoModel();
    QVector<QByteArray> stream;
    for (int i = 0; i < 400; ++i)
        stream.append(i % 4 == 3 ? telemetryFrameAt(model, 0, i, true) : channelFrameAt(model, 0, i, true));
    for (quint32 seed = 1; seed <= 50; ++seed) {
        StreamReceiver r;
        const QVector<QByteArray> frames = feedAll(r, chunked(stream, Chunking::Random, seed));
        for (const QByteArray &f : frames) {
            const FrameKind kind = classifyFrame(f);
            QVERIFY2(kind == FrameKind::Channel || kind == FrameKind::Telemetry, f.toHex().constData());
        }
        QCOMPARE(frames, stream);
    }
}

void TestReceiver::findNothing_garbageNeverGrowsTheBuffer()
{
    QRandomGenerator rng(20240611);
    StreamReceiver r;
    qint64 fed = 0;
    int largest = 0;
    while (fed < 4 * 1024 * 1024) {
        const QByteArray chunk = randomBytes(rng, int(rng.bounded(1, 8193)), false);
        r.feed(chunk);
        fed += chunk.size();
        largest = std::max(largest, r.buffered());
    }
    // Searching never keeps more than the stretch it reads ahead and a frame, far below the hard bound.
    QVERIFY2(largest < StreamReceiver::kDecideSpan + kLiveFrameLength,
             QByteArray::number(largest).constData());
    QVERIFY(largest <= StreamReceiver::kMaxBuffered);

    // One huge chunk of heads that all ask to wait: still bounded.
    QByteArray heads;
    for (int i = 0; i < 200000; ++i) heads.append(bytes({0xFE, 0x02, 0xAA}));
    r.feed(heads);
    QVERIFY(r.buffered() < StreamReceiver::kDecideSpan + kLiveFrameLength);
}

void TestReceiver::findChain_garbageBeforeAStreamIsSkipped_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QTest::addColumn<int>("mayLose"); // frames at the start that a false frame start may swallow
    QRandomGenerator rng(77);
    // Out of step the first frames are believed only with a chain after them that nothing else
    // reads across: the first (plain) live frame has a hostile one after it.
    QTest::newRow("no marker bytes") << randomBytes(rng, 1500, true) << 1;
    const QByteArray channel = channelFrameAt(demoModel(), 0, 0, false);
    QTest::newRow("tail of a live frame") << channel.mid(7) << 1;
    QTest::newRow("head of a block") << readAnswer(demoModel()).at(3).left(5) << 1;
    for (int seed = 1; seed <= 20; ++seed)
        QTest::addRow("any bytes %d", seed) << randomBytes(rng, 1000 + seed, false) << 2;
}

void TestReceiver::findChain_garbageBeforeAStreamIsSkipped()
{
    QFETCH(QByteArray, garbage);
    QFETCH(int, mayLose);
    const QVector<QByteArray> stream = sessionStream(demoModel());
    for (quint32 seed = 1; seed <= 10; ++seed) {
        StreamReceiver r;
        QVector<QByteArray> frames = r.feed(garbage);
        frames += feedAll(r, chunked(stream, Chunking::Random, seed));
        // Resynchronised within the first frames, every later one found in order, none invented.
        QVERIFY(framestream::isTailOf(frames, stream));
        QVERIFY2(frames.size() >= stream.size() - mayLose,
                 qPrintable(QString::number(stream.size() - frames.size())));
    }
}

void TestReceiver::openWhole_clearDropsAPartialFrame()
{
    const QByteArray channel = channelFrameAt(demoModel(), 0, 0, false);
    StreamReceiver r;
    QVERIFY(r.feed(channel.left(10)).isEmpty());
    QCOMPARE(r.buffered(), 10);
    r.clear();
    QCOMPARE(r.buffered(), 0);
    // Without the stale half in front, the next whole frame passes through again.
    QCOMPARE(r.feed(channel), QVector<QByteArray>{channel});
}

QTEST_GUILESS_MAIN(TestReceiver)
#include "tst_receiver.moc"
