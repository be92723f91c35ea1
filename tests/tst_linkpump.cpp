// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/blocks.h"
#include "link/linkpump.h"
#include "link/serialline.h"
#include "link/streamreceiver.h"
#include "tests/support/eventwait.h"
#include "txemulator.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(LinkPump::Mode)

namespace {

// The window's end of the line: a port opened as the window opens it, and the pump on it.
struct PumpRig {
    TxEmulator emu;
    QSerialPort port;
    LinkPump pump;
    QList<QByteArray> reads;
    int handOffs = 0;
    int qtNotifications = 0;

    bool start(LinkPump::Mode mode)
    {
        if (!emu.open()) return false;
        port.setPortName(emu.slavePath());
        applyTransmitterLineSettings(port);
        if (!port.open(QIODevice::ReadWrite)) return false;
        QObject::connect(&pump, &LinkPump::readyRead, [this] {
            ++handOffs;
            reads += pump.take();
        });
        QObject::connect(&port, &QSerialPort::readyRead, [this] { ++qtNotifications; });
        return pump.start(port, mode) == mode;
    }
    int tokens(const QByteArray &token) const
    {
        int n = 0;
        for (const TxEmulator::Received &r : emu.receivedTokens()) n += r.token == token;
        return n;
    }
    int answers() const { return tokens("WWW"); }
};

} // namespace

class TestLinkPump : public QObject
{
    Q_OBJECT
private slots:
    void modes_data()
    {
        QTest::addColumn<LinkPump::Mode>("mode");
        QTest::newRow("reader thread") << LinkPump::Mode::Thread;
        QTest::newRow("event loop") << LinkPump::Mode::EventLoop;
    }

    // Every byte the transmitter sends arrives once and in order, in the reads it came in, each read
    // answered by one "WWW"; the reader thread wakes the window in batches and Qt's reader stays off.
    void everyReadIsHandedOnAndAnsweredOnce_data() { modes_data(); }
    void everyReadIsHandedOnAndAnsweredOnce()
    {
        QFETCH(LinkPump::Mode, mode);
        PumpRig rig;
        if (!rig.emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(rig.start(mode));
        rig.emu.setChannelRate(400);
        rig.emu.setTelemetryEvery(10);
        rig.emu.setChunking(Chunking::Random, 7);
        QElapsedTimer clock;
        clock.start();
        rig.pump.write("OK");
        support::runFor(1500);
        rig.emu.stopStreaming();
        QVERIFY(support::runUntil([&] { return !rig.emu.hasPendingOutput(); }, 5000));
        support::runFor(300);
        rig.reads += rig.pump.take();
        const qint64 elapsed = clock.elapsed();

        StreamReceiver receiver;
        int channel = 0, telemetry = 0;
        for (const QByteArray &read : rig.reads) {
            QVERIFY(!read.isEmpty());
            for (const QByteArray &frame : receiver.feed(read)) {
                channel += classifyFrame(frame) == FrameKind::Channel;
                telemetry += classifyFrame(frame) == FrameKind::Telemetry;
            }
        }
        QVERIFY(rig.emu.channelFramesSent() > 300);
        QCOMPARE(channel, rig.emu.channelFramesSent());
        QCOMPARE(telemetry, rig.emu.telemetryFramesSent());
        QCOMPARE(rig.answers(), rig.reads.size());
        QVERIFY(rig.emu.receivedBytes().startsWith("OK"));
        if (mode == LinkPump::Mode::Thread) {
            QCOMPARE(rig.qtNotifications, 0);
            QCOMPARE(rig.port.bytesAvailable(), qint64(0));
            QVERIFY2(
                rig.handOffs <= elapsed / LinkPump::kHandOffMs + 1,
                qPrintable(QString("%1 hand-offs for %2 reads").arg(rig.handOffs).arg(rig.reads.size())));
        }
    }

    // A command longer than the line takes at once goes out whole, with no answer inside it; the
    // goodbye queued before stop() goes out, and after it nothing more is read or answered.
    void writesKeepTheirOrderUntilStopped_data() { modes_data(); }
    void writesKeepTheirOrderUntilStopped()
    {
        QFETCH(LinkPump::Mode, mode);
        PumpRig rig;
        if (!rig.emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(rig.start(mode));
        rig.emu.setChannelRate(500);
        rig.pump.write("OK");
        support::runFor(200);
        QByteArray command(64 * 1024, Qt::Uninitialized);
        for (int i = 0; i < command.size(); ++i) command[i] = char('a' + i % 26);
        rig.pump.write(command);
        QVERIFY(support::runUntil([&] { return rig.emu.receivedBytes().contains(command); }, 10000));
        QVERIFY(rig.answers() > 0);
        rig.pump.write("DIS");
        rig.pump.stop(true);
        QVERIFY(!rig.pump.isRunning());
        rig.pump.take(); // what the line brought up to the goodbye is still the caller's
        QVERIFY(support::runUntil([&] { return rig.tokens("DIS") == 1; }, 2000));

        support::runFor(100);
        const QByteArray said = rig.emu.receivedBytes();
        rig.emu.sendUnaskedBlock(1, ParameterSet());
        rig.pump.write("late");
        support::runFor(300);
        QVERIFY(rig.pump.take().isEmpty());
        QCOMPARE(rig.emu.receivedBytes(), said);
    }

    // A pulled cable: said once, with the system's reason, and the reader ends by itself.
    void aLostLineIsReportedOnce()
    {
        PumpRig rig;
        if (!rig.emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(rig.start(LinkPump::Mode::Thread));
        QSignalSpy failed(&rig.pump, &LinkPump::failed);
        rig.emu.setChannelRate(200);
        rig.pump.write("OK");
        support::runFor(200);
        QVERIFY(failed.isEmpty());
        QVERIFY(rig.pump.failure().isEmpty());
        rig.emu.hangUp();
        QVERIFY(support::runUntil([&] { return !failed.isEmpty(); }, 5000));
        rig.pump.write("WWW"); // a command that was on its way: dropped or refused, never a hang
        support::runFor(300);
        QCOMPARE(failed.size(), 1);
        QVERIFY(!rig.pump.failure().isEmpty());
        rig.pump.stop(true);
        QVERIFY(rig.pump.failure().isEmpty()); // a late report of the old line is ignored
    }
};

QTEST_GUILESS_MAIN(TestLinkPump)
#include "tst_linkpump.moc"
