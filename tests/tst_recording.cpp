// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the live frames to CSV over the emulator on a real pseudo-terminal: every frame a row,
// row for row what the emulator sent; a full disk and a removed folder stop it with whole rows kept.

#include "link/transmittersession.h"
#include "monitor/liverecording.h"
#include "support/eventwait.h"
#include "txemulator.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Rig {
    TxEmulator emu;
    TransmitterSession session;
    ParameterSet live;
    LiveRecording recording;

    // The emulator at the link's full rate, every live frame it sends kept for the test.
    bool start()
    {
        if (!emu.open()) return false;
        emu.setChannelRate(524);
        emu.setTelemetryEvery(10);
        emu.setWriteGap(1);
        emu.keepLiveFrames();
        session.setModel(&live);
        QObject::connect(&session, &TransmitterSession::liveFrames, &recording, &LiveRecording::add);
        return true;
    }
    quint64 liveFramesReceived() const
    {
        return session.framesReceived()[size_t(FrameKind::Channel)] +
               session.framesReceived()[size_t(FrameKind::Telemetry)];
    }
    // Stops the stream and waits until the session has taken every frame sent.
    bool drain()
    {
        emu.stopStreaming();
        return support::runUntil(
            [&] {
                return !emu.hasPendingOutput() &&
                       liveFramesReceived() == quint64(emu.liveFramesSent().size());
            },
            5000);
    }
};

QByteArrayList lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().split('\n');
}

QString volts(int tenths)
{
    return QStringLiteral("%1.%2").arg((tenths / 10) % 100).arg(tenths % 10);
}

// The row a frame should give after those before it, worked out from its bytes here, not by the
// program's decoder: time aside, the fields of `state` after the frame.
QByteArray expectedRow(const QByteArray &frame, std::array<int, 12> &state)
{
    auto u16 = [&](int at) { return (quint8(frame[at]) << 8) | quint8(frame[at + 1]); };
    if (quint8(frame[1]) == 0x18) {
        for (int i = 0; i < 9; ++i) state[size_t(i)] = u16(2 + 2 * i);
    } else {
        state[11] = quint8(frame[2]); // signal
        state[9] = quint8(frame[3]);  // receiver
        state[10] = u16(4);           // external
    }
    QStringList fields;
    for (int i = 0; i < 8; ++i) fields << QString::number(state[size_t(i)]);
    fields << volts(state[8] / 10) << volts(state[9]) << volts(state[10]);
    const int rssi = state[11];
    fields << (rssi == 0     ? QString()
               : rssi <= 100 ? QStringLiteral("-%1").arg(100 - rssi, 2, 10, QLatin1Char('0'))
                             : QStringLiteral("+%1").arg(rssi - 100, 2, 10, QLatin1Char('0')));
    return fields.join(',').toLatin1();
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.*.debug=false"); }

    void everyFrameAtTheFullRateIsARowAsTheReadOutsShowIt()
    {
        Rig rig;
        if (!rig.start()) QSKIP("no pseudo-terminal");
        QTemporaryDir dir;
        const QString path = dir.filePath("stream.csv");
        QVERIFY(rig.recording.start(path));
        QVERIFY(rig.session.open(rig.emu.slavePath()));
        support::runFor(1500);
        QVERIFY(rig.drain());
        rig.recording.stop();
        QVERIFY(!rig.recording.isRecording());
        QVERIFY(rig.recording.failure().isEmpty());

        const QVector<QByteArray> sent = rig.emu.liveFramesSent();
        QVERIFY2(sent.size() > 500, qPrintable(QString::number(sent.size())));
        QCOMPARE(rig.liveFramesReceived(), quint64(sent.size()));
        QCOMPARE(rig.recording.rows(), qint64(sent.size()));
        QCOMPARE(rig.recording.rowsKept(), qint64(sent.size()));

        const QByteArrayList got = lines(path);
        QCOMPARE(got.first(), QByteArray("time_ms,ch1,ch2,ch3,ch4,ch5,ch6,ch7,ch8,tx_v,rx_v,ext_v,rssi"));
        QCOMPARE(got.last(), QByteArray()); // the file ends with a whole row
        QCOMPARE(got.size(), sent.size() + 2);
        std::array<int, 12> state = {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 0, 0, 0, 0};
        qint64 lastMs = 0;
        for (int i = 0; i < sent.size(); ++i) {
            const QByteArray row = got[i + 1];
            const int comma = row.indexOf(',');
            const qint64 ms = row.left(comma).toLongLong();
            QVERIFY2(ms >= lastMs && (i > 0 || ms == 0), row.constData());
            lastMs = ms;
            QCOMPARE(row.mid(comma + 1), expectedRow(sent[i], state));
        }
        // The stream's time, in the line's clock: 1.5 s and the drain, give or take.
        QVERIFY2(lastMs > 1000 && lastMs < 10000, qPrintable(QString::number(lastMs)));
    }

    void closingThePortEndsTheRecordingWithWholeRows()
    {
        Rig rig;
        if (!rig.start()) QSKIP("no pseudo-terminal");
        QTemporaryDir dir;
        const QString path = dir.filePath("closed.csv");
        QVERIFY(rig.session.open(rig.emu.slavePath()));
        support::runFor(200);
        QVERIFY(rig.recording.start(path));
        QSignalSpy stopped(&rig.recording, &LiveRecording::stopped);
        // As the window does: a recording ends with the link.
        QObject::connect(&rig.session, &TransmitterSession::stateChanged, &rig.recording, [&](bool open) {
            if (!open) rig.recording.stop();
        });
        support::runFor(300);
        rig.session.close();
        QCOMPARE(stopped.count(), 1);
        const QByteArrayList got = lines(path);
        QVERIFY(rig.recording.rows() > 0);
        QCOMPARE(got.size(), int(rig.recording.rows()) + 2);
        for (int i = 1; i + 1 < got.size(); ++i) QCOMPARE(got[i].count(','), 12);
    }

    void aFullDiskStopsTheRecordingWithTheRowsWrittenWhole()
    {
        QTemporaryDir dir;
        // A small disk of its own to fill; mounting needs root.
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=48k", "tmpfs", dir.path()}) != 0)
            QSKIP("cannot mount a small tmpfs here (not root?); the removed folder and /dev/full cases still "
                  "run");
        struct Unmount {
            QString path;
            ~Unmount() { QProcess::execute("umount", {path}); }
        } unmount{dir.path()};

        Rig rig;
        if (!rig.start()) QSKIP("no pseudo-terminal");
        QSignalSpy failed(&rig.recording, &LiveRecording::failed);
        const QString path = dir.filePath("full.csv");
        QVERIFY(rig.recording.start(path));
        QVERIFY(rig.session.open(rig.emu.slavePath()));
        QVERIFY(support::runUntil([&] { return !rig.recording.isRecording(); }, 20000));
        QCOMPARE(failed.count(), 1);
        const QString notice = failed.first().first().toString();
        const qint64 kept = rig.recording.rowsKept();
        QVERIFY(kept > 100);
        QVERIFY2(notice.contains("No space left on device"), qPrintable(notice));
        QVERIFY2(notice.contains(QStringLiteral("; %1 rows were kept.").arg(kept)), qPrintable(notice));
        // The link goes on.
        const quint64 before = rig.liveFramesReceived();
        QVERIFY(support::runUntil([&] { return rig.liveFramesReceived() > before + 50; }, 3000));
        QVERIFY(rig.session.isOpen());

        const QByteArrayList got = lines(path);
        QCOMPARE(got.size(), int(kept) + 2);
        QCOMPARE(got.last(), QByteArray());
        for (int i = 1; i <= kept; ++i) QCOMPARE(got[i].count(','), 12);
    }

    void aRemovedFolderStopsTheRecording()
    {
        Rig rig;
        if (!rig.start()) QSKIP("no pseudo-terminal");
        QTemporaryDir dir;
        const QString folder = dir.filePath("flight");
        QVERIFY(QDir().mkpath(folder));
        QSignalSpy failed(&rig.recording, &LiveRecording::failed);
        QVERIFY(rig.recording.start(folder + "/gone.csv"));
        QVERIFY(rig.session.open(rig.emu.slavePath()));
        QVERIFY(support::runUntil([&] { return rig.recording.rowsKept() > 0; }, 3000));
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(support::runUntil([&] { return !rig.recording.isRecording(); }, 3000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(
            failed.first().first().toString(),
            QStringLiteral("Recording stopped: %1/gone.csv is gone (deleted, or its folder removed); no rows "
                           "were kept.")
                .arg(folder));
        QVERIFY(rig.session.isOpen());
    }

    void aFileThatTakesNoWriteIsRefusedAtTheStart()
    {
        LiveRecording recording;
        QVERIFY(!recording.start("/dev/full"));
        QCOMPARE(recording.failure(), QStringLiteral("Cannot record to /dev/full: No space left on device"));
        QVERIFY(!recording.isRecording());
        QTemporaryDir dir;
        QVERIFY(!recording.start(dir.filePath("no/such/folder/x.csv")));
        QVERIFY2(recording.failure().contains("No such file or directory"), qPrintable(recording.failure()));
    }
};

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
