// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/textframes.h"
#include "params/rules.h"
#include "support/eventwait.h"
#include "support/framestreams.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/randomparams.h"

#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QtTest>

#include <sys/resource.h>

using support::LinkRig;

namespace {

// The settings a model hands over on a READ, after the tool's sanitiser has been over them.
ParameterSet sanitised(ParameterSet p)
{
    sanitise(p);
    return p;
}

bool sameFrames(const ParameterSet &a, const ParameterSet &b)
{
    for (TextFrame f : {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I}) {
        ParameterSet x = a, y = b;
        updateRawVoltages(f, x);
        updateRawVoltages(f, y);
        if (encodeFrameFields(f, x) != encodeFrameFields(f, y)) return false;
    }
    return true;
}

const QString kResetQuestion =
    "Reset the transmitter to factory settings? The model on the transmitter will be replaced.";

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void openSendsOkAndCloseSendsDis()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setChannelRate(0); // one frame a second: nothing for the tool to answer yet
        rig.emu.setTelemetryRate(0);
        QVERIFY(rig.openLink());
        QVERIFY(!rig.portBox()->isEnabled());
        QTRY_COMPARE(rig.emu.receivedBytes(), QByteArray("OK"));
        QTest::qWait(100);
        QCOMPARE(rig.emu.receivedBytes(), QByteArray("OK"));
        QVERIFY(rig.emu.isStreaming());

        params.servoOut3 = 1500;
        rig.openButton()->click();
        QCOMPARE(rig.openButton()->text(), QString("OPEN"));
        QVERIFY(rig.portBox()->isEnabled());
        QCOMPARE(params.servoOut3, 1000);
        QCOMPARE(rig.find<QLineEdit>("lineEdit_3")->text(), QString("1000"));
        QTRY_VERIFY(rig.emu.receivedBytes().endsWith("DIS"));
        QCOMPARE(rig.commands().last(), QByteArray("DIS"));
        QTRY_VERIFY(!rig.emu.isStreaming());
        // The list is refreshed on close: the emulator's port is still offered.
        QVERIFY(rig.portBox()->findText(rig.emu.slavePath()) >= 0);
    }

    void failedOpenShowsNoteAndStaysClosed()
    {
        LinkRig rig;
        QVERIFY(rig.start("/nonexistent/ttyTX0"));
        support::ModalWatcher watcher;
        QVERIFY(rig.selectPort("/nonexistent/ttyTX0"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Cannot open the serial port /nonexistent/ttyTX0: .+"));
        rig.openButton()->click();
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("Note"));
        QCOMPARE(watcher.boxes[0].text.section("\n\n", 0, 0), QString("Cannot open the serial port!"));
        QVERIFY2(watcher.boxes[0].text.contains("/nonexistent/ttyTX0 is not connected"),
                 qPrintable(watcher.boxes[0].text));
        QCOMPARE(rig.openButton()->text(), QString("OPEN"));
        QVERIFY(rig.portBox()->isEnabled());
        QTest::qWait(50);
        QVERIFY(rig.emu.receivedBytes().isEmpty());
    }

    void commandsWhileClosedAskToOpen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("READ") << "toolButton_Read";
        QTest::newRow("WRITE") << "toolButton_Send";
        QTest::newRow("RESET") << "toolButton_Reset";
        QTest::newRow("DATA RESET") << "pushButton_Reset2";
    }
    void commandsWhileClosedAskToOpen()
    {
        QFETCH(QString, button);
        LinkRig rig;
        QVERIFY(rig.start());
        support::ModalWatcher watcher;
        params.sub2 = 33;
        params.Mode = 3;
        QAbstractButton *b = rig.button(button.toLatin1());
        bool disabledDuringHoldOff = false;
        QTimer::singleShot(100, [&] { disabledDuringHoldOff = !b->isEnabled(); });
        QElapsedTimer clock;
        clock.start();
        b->click();
        QVERIFY(clock.elapsed() >= 190);
        QVERIFY(disabledDuringHoldOff);
        QVERIFY(b->isEnabled());
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("Note"));
        QCOMPARE(watcher.boxes[0].text, QString("Please open the serial port!"));
        QCOMPARE(params.sub2, 33); // no reset ran
        QCOMPARE(params.Mode, 3);
        QCOMPARE(params.StkTrimLock, 0);
        QVERIFY(rig.emu.receivedBytes().isEmpty());
    }

    void readBringsTheModelIntoEveryTab()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        const ParameterSet model = rig.emu.model();
        QVERIFY(rig.openLink());
        QElapsedTimer clock;
        clock.start();
        rig.button("toolButton_Read")->click();
        QVERIFY(clock.elapsed() >= 690);
        QVERIFY(rig.commands().contains("RR"));
        QTRY_VERIFY(support::sameReadSettings(params, sanitised(model)));
        QTest::qWait(250); // a display pass or two

        const ParameterSet expected = sanitised(model);
        QCOMPARE(rig.find<QComboBox>("comboBox_rev2")->currentIndex(), expected.rev2);
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub1")->value(), expected.sub1);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Repa4")->value(), expected.Repa4);
        QCOMPARE(rig.find<QComboBox>("comboBox_AUX6")->currentIndex(), expected.AUX6);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Atti3")->value(), expected.Atti3);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Elev05")->value(), expected.Elev05);
        QCOMPARE(rig.find<QSpinBox>("spinBox_DR_UP1")->value(), expected.DR_UP_CH1);
        QCOMPARE(rig.find<QSpinBox>("spinBox_DR_RATE")->value(),
                 expected.DR_POSI ? expected.DR_DOWN_CH1 : expected.DR_UP_CH1);
        QCOMPARE(rig.find<QSpinBox>("spinBox_THCURE_Data04")->value(), expected.THCURE_Data04);
        QCOMPARE(rig.find<QComboBox>("comboBox_PRM02_Mix")->currentIndex(), expected.PRM02_Mix);
        QCOMPARE(rig.find<QSpinBox>("spinBox_PRM03_Data2")->value(), expected.PRM03_Data2);
        QCOMPARE(rig.find<QDoubleSpinBox>("doubleSpinBox_Volt")->value(), expected.Volt);
        QCOMPARE(rig.find<QDoubleSpinBox>("doubleSpinBox_extVolt")->value(), expected.extVolt);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Mode")->value(), expected.Mode);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Vertion")->value(), expected.Vertion);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Rssi")->value(), expected.Rssi);
        // The live frames streamed meanwhile reach the SERVO tab.
        QVERIFY(rig.find<QLineEdit>("lineEdit_TX")->text() != " 0.0V");
    }

    void adversarialLiveFramesChangeNoSetting()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setAdversarial(true);
        rig.emu.setChunking(Chunking::Random, 7);
        QVERIFY(rig.openLink());
        QTest::qWait(1500);
        QVERIFY(rig.emu.channelFramesSent() > 20);
        QVERIFY(support::sameReadSettings(params, ParameterSet{}));
        QCOMPARE(params.ReadFlag, 0);
        QVERIFY(params.servoOut1 != 1000); // the live values did arrive
    }

    // A WRITE on the line, byte for byte and gap for gap, against a recording made when the window
    // still drove the port itself: the transmitter may rely on both. The one test at the real pacing.
    // Since then the copy kept for the history is read first: its "RR" comes after the hold-off the
    // recording's S frame came after, and the S frame once the copy is in.
    void aWriteOnTheLineIsAsRecorded()
    {
        LinkRig rig;
        rig.frameGapMs = kFrameGapMs;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        rig.button("toolButton_Read")->click(); // a model on the form: WRITE asks nothing
        params.sub1 = 17;
        params.Lepa3 = 90;
        params.THCURE_Data04 = 60;
        params.Volt = 3.9; // the trims are the stream's, as they were when this was recorded
        rig.emu.stopStreaming(); // no stream: every "WWW" on the line is the command's
        QTest::qWait(250);       // the form shows the new values before the pilot presses WRITE
        const int before = rig.emu.receivedTokens().size();
        qint64 last = rig.emu.elapsedMs();
        support::ModalWatcher watcher;
        rig.button("toolButton_Send")->click();
        QVERIFY(watcher.boxes.isEmpty());

        QStringList seen; // "GAP TOKEN", the gap in ms since the one before (the first: since the click)
        const QVector<TxEmulator::Received> tokens = rig.emu.receivedTokens();
        QCOMPARE(tokens.value(before).token, QByteArray("RR"));
        const qint64 holdOff = tokens[before].atMs - last;
        int at = before;
        while (at < tokens.size() && tokens[at].token.size() != 81) last = tokens[at++].atMs;
        for (int i = at; i < tokens.size(); ++i) {
            seen << QString("%1 %2")
                        .arg(i == at ? holdOff : tokens[i].atMs - last)
                        .arg(QString::fromLatin1(tokens[i].token));
            last = tokens[i].atMs;
            if (tokens[i].token == "RR") break;
        }
        const QString path = TXCONFIG_SOURCE_DIR "/tests/data/write-on-the-line.txt";
        if (qEnvironmentVariableIsSet("TXCONFIG_RECORD_WIRE")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write((seen.join('\n') + '\n').toLatin1());
            return;
        }
        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QStringList recorded = QString::fromLatin1(in.readAll()).trimmed().split('\n');
        QCOMPARE(seen.size(), recorded.size());
        for (int i = 0; i < seen.size(); ++i) {
            const int gap = seen[i].section(' ', 0, 0).toInt(), was = recorded[i].section(' ', 0, 0).toInt();
            QCOMPARE(seen[i].section(' ', 1), recorded[i].section(' ', 1));
            // A busy machine delays timers, never hastens them.
            QVERIFY2(gap >= was - 30 && gap <= was + 400,
                     qPrintable(QString("%1: %2 ms, was %3 ms").arg(i).arg(gap).arg(was)));
        }
    }

    void writeSendsTheFourFramesPaced()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        QRandomGenerator rng(42);
        params = randomValidParameters(rng);
        selectDualRate(params);
        QTest::qWait(250); // the form shows the new set before the user presses WRITE
        support::ModalWatcher watcher;
        watcher.answer = "Write"; // a set that came from nowhere: asked first
        rig.button("toolButton_Send")->click();
        QTest::qWait(200);
        QCOMPARE(watcher.boxes.size(), 1);

        const QList<QByteArray> commands = rig.commands();
        QCOMPARE(commands.size(), 7);
        QCOMPARE(commands[0], QByteArray("OK"));
        QCOMPARE(commands[1], QByteArray("RR")); // the copy kept before the model is replaced
        for (TextFrame f : kSendOrder)
            QCOMPARE(commands[2 + int(f)], rig.window->session().frameText(f).toLatin1());
        QCOMPARE(commands[6], QByteArray("RR")); // the read-back
        const auto frames = rig.textFrames();
        for (int i = 1; i < 4; ++i) {
            const qint64 gap = frames[i].atMs - frames[i - 1].atMs;
            QVERIFY2(gap >= rig.frameGapMs / 2 && gap <= rig.frameGapMs + 700,
                     qPrintable(QString::number(gap)));
        }
        QVERIFY(rig.emu.receivedBytes().endsWith("WWW"));
        QVERIFY(sameFrames(rig.emu.model(), params));
    }

    void resetKeepsTelemetryOffTheTrims()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ParameterSet model = rig.emu.model();
        model.StkTrim1 = 90;
        model.StkTrim4 = 150;
        rig.emu.setModel(model);
        rig.emu.setTelemetryRate(50);
        QVERIFY(rig.openLink());
        QTRY_COMPARE(params.StkTrim1, 90);

        int samples = 0, offCentreWhileLocked = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (params.StkTrimLock && rig.textFrames().size() > 0) {
                ++samples;
                for (IntField f : fields::StkTrim) offCentreWhileLocked += params.*f != 120;
            }
        });
        sampler.start(10);
        support::ModalWatcher watcher;
        watcher.answer = "Reset";
        rig.button("toolButton_Reset")->click();
        sampler.stop();
        QCOMPARE(watcher.boxes.size(), 1); // the question, answered Reset
        QVERIFY(samples > 20);             // from the first frame to the end of the read-back
        QCOMPARE(offCentreWhileLocked, 0);
        QCOMPARE(params.StkTrimLock, 0);

        const auto frames = rig.textFrames();
        QCOMPARE(frames.size(), 4);
        for (int i = 1; i < 4; ++i) {
            const qint64 gap = frames[i].atMs - frames[i - 1].atMs;
            QVERIFY2(gap >= rig.frameGapMs / 2 && gap <= rig.frameGapMs + 700,
                     qPrintable(QString::number(gap)));
        }
        QCOMPARE(frames[0].token.mid(77, 3), QByteArray("352")); // alarm 3.7 V, stick mode 2
        QCOMPARE(frames[3].token.left(9), QByteArray("I88888888"));
        QVERIFY(rig.emu.receivedBytes().endsWith("WWW"));
        QCOMPARE(rig.emu.model().Mode, 2);
        QCOMPARE(rig.emu.model().VoltRaw, 37);
        rig.emu.setModel(model); // the transmitter's trims move again: telemetry is taken again
        QTRY_COMPARE(params.StkTrim1, 90);
    }

    void dataResetCentresTrimsOnlyBeforeTheLastFrame()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ParameterSet model = rig.emu.model();
        model.StkTrim2 = 60;
        rig.emu.setModel(model);
        rig.emu.setTelemetryRate(50);
        QVERIFY(rig.openLink());
        QTRY_COMPARE(params.StkTrim2, 60);

        int offCentreDuringWaits = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (rig.textFrames().size() >= 1 && rig.textFrames().size() < 3)
                offCentreDuringWaits += params.StkTrim2 != 120;
        });
        sampler.start(10);
        support::ModalWatcher watcher;
        watcher.answer = "Reset";
        rig.button("pushButton_Reset2")->click();
        QCOMPARE(watcher.boxes.size(), 1);
        sampler.stop();
        QVERIFY(offCentreDuringWaits > 0); // no lock: telemetry overwrites the reset trims
        const auto frames = rig.textFrames();
        QCOMPARE(frames.size(), 4);
        QCOMPARE(frames[0].token.mid(79, 1), QByteArray("2"));
        QCOMPARE(frames[3].token.left(9), QByteArray("I88888888"));
    }

    void resetNotConfirmedSendsNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("pullCable"); // during the question, then Reset is pressed
        QTest::newRow("RESET, Cancel") << "toolButton_Reset" << false;
        QTest::newRow("DATA RESET, Cancel") << "pushButton_Reset2" << false;
        QTest::newRow("RESET, cable pulled before Reset") << "toolButton_Reset" << true;
    }
    void resetNotConfirmedSendsNothing()
    {
        QFETCH(QString, button);
        QFETCH(bool, pullCable);
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        params.sub2 = 33;
        params.Mode = 3;
        support::ModalWatcher watcher;
        watcher.answer = pullCable ? "Reset" : "Cancel";
        if (pullCable) {
            watcher.beforeAnswer = [&] {
                if (watcher.boxes.size() > 1) return;
                rig.emu.hangUp();
                QVERIFY(support::runUntil([&] { return rig.openButton()->text() == "OPEN"; }, 2000));
            };
        }
        rig.button(button.toLatin1())->click();
        QTest::qWait(300);
        QCOMPARE(watcher.boxes.size(), pullCable ? 2 : 1);
        QCOMPARE(watcher.boxes[0].title, QString("Note"));
        QCOMPARE(watcher.boxes[0].text, kResetQuestion);
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Cancel"));
        if (pullCable) QCOMPARE(watcher.boxes[1].text, QString("Please open the serial port!"));
        QCOMPARE(rig.commands(), QList<QByteArray>{"OK"});
        QCOMPARE(params.sub2, 33); // nothing was reset
        QCOMPARE(params.Mode, 3);
        QCOMPARE(params.StkTrimLock, 0);
    }

    void pulledDeviceClosesOnceAndGoesQuiet()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        QTest::qWait(200);
        params.servoOut5 = 1700;
        rig.emu.hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(rig.openButton()->text(), QString("OPEN"), 1000);
        QVERIFY(rig.portBox()->isEnabled());
        QCOMPARE(params.servoOut5, 1000);

        // A port left open on a hung-up line spins at full speed; a closed one costs nothing.
        struct rusage before, after;
        getrusage(RUSAGE_SELF, &before);
        QTest::qWait(1000);
        getrusage(RUSAGE_SELF, &after);
        auto seconds = [](const struct rusage &r) {
            return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
        };
        QVERIFY2(seconds(after) - seconds(before) < 0.5,
                 qPrintable(QString("CPU %1 s in 1 s").arg(seconds(after) - seconds(before))));
    }
};

QTEST_MAIN(TestLink)
#include "tst_link.moc"
