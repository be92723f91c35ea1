// SPDX-License-Identifier: GPL-3.0-or-later
// The transmitter session without a window, against the emulator on a real pseudo-terminal: opening
// and closing, reads and how they end, paced sends and their read-back, a lost link.

#include "link/transmittersession.h"
#include "livesignals.h"
#include "params/pilotlabels.h"
#include "support/eventwait.h"
#include "support/framestreams.h"
#include "support/randomparams.h"
#include "txemulator.h"

#include <pty.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QtTest>

namespace {

// Short waits for reads that are meant to fail; the product's for the rest.
constexpr ReadWaits kQuickWaits{150, 150, 50, true, false};

struct Rig {
    TxEmulator emu;
    TransmitterSession session;
    ParameterSet live; // what the stream brings

    bool start()
    {
        if (!emu.open()) return false;
        session.setModel(&live);
        session.timing.frameGapMs = 60;
        return session.open(emu.slavePath());
    }

    // The tokens received, without the stream's "WWW" answers.
    QList<QByteArray> commands() const
    {
        QList<QByteArray> list;
        for (const TxEmulator::Received &r : emu.receivedTokens())
            if (r.token != "WWW") list << r.token;
        return list;
    }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.*.debug=false"); }

    // Frames the line brought but nobody took yet reach the listeners before "DIS": a recording ended
    // by CLOSE keeps them.
    // A wait whose time ran out between the check and the sum is asked for a negative pause: it returns
    // at the next turn instead of waiting for a timer that never started.
    void aNegativePauseEndsAtOnce()
    {
        bool stuck = false;
        // Ends every event loop of the thread, the pause's too, should it hang.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&stuck] {
            stuck = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(2000);
        TransmitterSession::pause(-3);
        QVERIFY(!stuck);
    }

    void closeHandsOnWhatTheLineBrought()
    {
        int master = -1, slave = -1;
        char name[256];
        QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
        TransmitterSession session;
        ParameterSet live;
        session.setModel(&live);
        QVERIFY(session.open(QString::fromLocal8Bit(name)));
        int samples = 0;
        QObject::connect(&session, &TransmitterSession::liveFrames,
                         [&](const QVector<LiveSample> &batch) { samples += batch.size(); });
        session.takeReceived();
        const ParameterSet model;
        for (int i = 0; i < 10; ++i) {
            const QByteArray frame = channelFrameAt(model, i * 20, i, false);
            QCOMPARE(::write(master, frame.constData(), size_t(frame.size())), ssize_t(frame.size()));
        }
        QThread::msleep(100); // the line's reader has them; no event loop turns to take them
        session.close();
        QCOMPARE(samples, 10);
        ::close(master);
        ::close(slave);
    }

    void openGreetsAndCloseSaysGoodbye()
    {
        Rig rig;
        QSignalSpy states(&rig.session, &TransmitterSession::stateChanged);
        QVERIFY(rig.start());
        QVERIFY(rig.session.isOpen());
        QVERIFY(support::runUntil([&] { return rig.commands() == QList<QByteArray>{"OK"}; }, 2000));
        QVERIFY(support::runUntil([&] { return rig.live.servoOut1 != 0; }, 2000)); // the stream is decoded
        rig.session.close();
        QVERIFY(!rig.session.isOpen());
        QVERIFY(support::runUntil([&] { return rig.commands().endsWith("DIS"); }, 2000));
        QCOMPARE(states.size(), 2);
        QCOMPARE(states[0][0].toBool(), true);
        QCOMPARE(states[1][0].toBool(), false);

        // A port held by another program: the reason, and nothing sent.
        TransmitterSession second;
        TxEmulator emu;
        QVERIFY(emu.open());
        QSerialPort holder(emu.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(!second.open(emu.slavePath()));
        QCOMPARE(classifyOpenFailure(second.openFailure()), OpenFailureKind::Busy);
        QVERIFY(!second.isOpen());
    }

    void readUnderEveryChunking_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("whole") << int(Chunking::Whole) << 1u;
        QTest::newRow("split") << int(Chunking::Split) << 1u;
        QTest::newRow("merged") << int(Chunking::Merged) << 1u;
        for (quint32 seed : {3u, 11u, 29u, 101u})
            QTest::newRow(qPrintable(QString("random %1").arg(seed))) << int(Chunking::Random) << seed;
    }
    // Live frames with marker bytes in their values are streaming when the read starts.
    void readUnderEveryChunking()
    {
        QFETCH(int, mode);
        QFETCH(quint32, seed);
        Rig rig;
        QRandomGenerator rng(seed);
        rig.emu.setModel(randomValidParameters(rng));
        rig.emu.setChunking(Chunking(mode), seed);
        rig.emu.setAdversarial(true);
        QVERIFY(rig.start());
        support::runFor(300);
        QVERIFY(support::sameReadSettings(rig.live, ParameterSet{})); // the stream alone sets nothing
        ParameterSet read;
        QCOMPARE(rig.session.read(read), TransmitterSession::ReadEnd::Complete);
        QVERIFY(support::sameReadSettings(read, rig.emu.model()));
        QVERIFY(support::sameReadSettings(rig.live, ParameterSet{})); // the answer went to `read` only
    }

    void readsEndAsTheAnswerCame_data()
    {
        QTest::addColumn<QSet<int>>("withheld");
        QTest::addColumn<QSet<int>>("withheldOnce");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("end");
        QTest::addColumn<QVector<int>>("lacking");
        QTest::addColumn<int>("asks");
        QTest::newRow("lost once") << QSet<int>{} << QSet<int>{4, 7, 17} << false
                                   << int(TransmitterSession::ReadEnd::Complete) << QVector<int>{} << 2;
        QTest::newRow("never sent") << QSet<int>{17, 18} << QSet<int>{} << false
                                    << int(TransmitterSession::ReadEnd::MissingFrames) << QVector<int>{17, 18}
                                    << 3;
        QVector<int> all;
        for (int n = 1; n <= ReadAnswer::kFrameNumbers; ++n) all << n;
        QTest::newRow("silent") << QSet<int>{} << QSet<int>{} << true
                                << int(TransmitterSession::ReadEnd::NoAnswer) << all << 3;
    }
    void readsEndAsTheAnswerCame()
    {
        QFETCH(QSet<int>, withheld);
        QFETCH(QSet<int>, withheldOnce);
        QFETCH(bool, silent);
        QFETCH(int, end);
        QFETCH(QVector<int>, lacking);
        QFETCH(int, asks);
        Rig rig;
        rig.emu.setWithheld(withheld);
        rig.emu.setWithheldOnce(withheldOnce);
        rig.emu.setSilent(silent);
        QVERIFY(rig.start());
        QSignalSpy progress(&rig.session, &TransmitterSession::readProgress);
        ParameterSet read;
        QCOMPARE(int(rig.session.read(read, kQuickWaits)), end);
        QCOMPARE(rig.session.answer().lacking(), lacking);
        QCOMPARE(int(rig.commands().count("RR")), asks);
        QCOMPARE(progress.isEmpty() ? 0 : progress.last()[0].toInt(),
                 ReadAnswer::kFrameNumbers - lacking.size());
    }

    // A block on the line while no read awaits it is noise that looks like one: it reaches no set,
    // also when it is the first thing after opening.
    void blocksNobodyAskedForChangeNothing()
    {
        Rig rig;
        rig.emu.setChannelRate(0);
        rig.emu.setTelemetryRate(0);
        QVERIFY(rig.start());
        ParameterSet odd = rig.emu.model();
        for (IntField f : fields::sub) odd.*f = -100;
        rig.emu.sendUnaskedBlock(2, odd);
        support::runFor(150);
        rig.emu.setChannelRate(50);
        for (int i = 0; i < 5; ++i) {
            rig.emu.sendUnaskedBlock(2, odd);
            support::runFor(60);
        }
        QCOMPARE(rig.live.sub1, ParameterSet{}.sub1);
        QCOMPARE(rig.live.ReadFlag, 0);
        ParameterSet read;
        QCOMPARE(rig.session.read(read), TransmitterSession::ReadEnd::Complete);
        rig.emu.sendUnaskedBlock(2, odd); // the answer is complete: unasked again
        support::runFor(150);
        QCOMPARE(read.sub3, rig.emu.model().sub3);
        QCOMPARE(rig.live.sub3, ParameterSet{}.sub3);
    }

    // The frames go out in order, a gap apart, with "WWW" after them; the read-back finds what the
    // transmitter did not store.
    void sendIsPacedAndCheckedByReadingBack()
    {
        Rig rig;
        rig.emu.setIgnoredFrame('S');
        QVERIFY(rig.start());
        QRandomGenerator rng(5);
        ParameterSet sent = randomValidParameters(rng);
        sent.sub5 = rig.emu.model().sub5 == 40 ? 41 : 40; // the S frame carries it
        for (TextFrame f : kSendOrder) rig.session.sendFrame(f, sent);
        rig.session.endSend();
        const TransmitterSession::SendCheck check = rig.session.checkSent(
            {std::begin(kSendOrder), std::end(kSendOrder)}, {500, 500, 300, true, true});

        QList<QByteArray> expected{"OK"};
        for (TextFrame f : kSendOrder) expected << rig.session.frameText(f).toLatin1();
        QVERIFY(rig.commands().mid(0, 5) == expected);
        QCOMPARE(rig.commands().value(5), QByteArray("RR"));
        QVector<qint64> at;
        for (const TxEmulator::Received &r : rig.emu.receivedTokens())
            if (r.token.size() == 81) at << r.atMs;
        for (int i = 1; i < 4; ++i)
            QVERIFY2(at[i] - at[i - 1] >= 30, qPrintable(QString::number(at[i] - at[i - 1])));

        QCOMPARE(check.end, TransmitterSession::ReadEnd::Complete);
        QVERIFY(check.unchecked.isEmpty());
        QVERIFY(!check.clean());
        QStringList labels;
        for (const SettingDifference &d : check.differences) labels << d.label;
        QVERIFY2(labels.contains(pilotLabel(*namedField(&ParameterSet::sub5))),
                 qPrintable(labels.join(", ")));
        QCOMPARE(check.held.sub5, rig.emu.model().sub5);
        QVERIFY(rig.emu.model().sub5 != sent.sub5);
    }

    void aLostLinkIsReportedOnceAndEndsTheRead()
    {
        Rig rig;
        rig.emu.setSilent(true);
        QVERIFY(rig.start());
        QSignalSpy lost(&rig.session, &TransmitterSession::linkLost);
        QTimer::singleShot(100, &rig.emu, &TxEmulator::hangUp);
        ParameterSet read;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rig.session.read(read), TransmitterSession::ReadEnd::Interrupted);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!rig.session.isOpen());
        support::runFor(200);
        QCOMPARE(lost.size(), 1);
        QVERIFY(!rig.session.failure().isEmpty());

        // A close waiting for the command ends a read as well, and nothing more goes out.
        Rig other;
        other.emu.setSilent(true);
        QVERIFY(other.start());
        bool stop = false;
        other.session.stopRequested = [&] { return stop; };
        QTimer::singleShot(100, [&] { stop = true; });
        QCOMPARE(other.session.read(read), TransmitterSession::ReadEnd::Interrupted);
        QCOMPARE(int(other.commands().count("RR")), 1);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
