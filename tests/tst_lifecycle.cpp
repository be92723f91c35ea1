// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/paramfile.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using support::LinkRig;

// Each case ends the application's event loop, so these run in a program of their own.
class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void closingDuringACommandWaitsForItsEnd_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("WRITE") << "toolButton_Send";
        QTest::newRow("SAVE") << "toolButton_Save";
        QTest::newRow("LOAD") << "toolButton_Load";
    }
    void closingDuringACommandWaitsForItsEnd()
    {
        QFETCH(QString, button);
        QTemporaryDir dir;
        const QString path = dir.filePath("model.txt");
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setChannelRate(0); // little for the receive path to answer
        rig.emu.setTelemetryRate(0);
        QVERIFY(rig.openLink());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        support::ModalWatcher watcher;
        watcher.answer = "Write"; // the form holds no model yet
        if (button != "toolButton_Send") watcher.answerFileDialog(path);
        QFile file(path);
        if (button == "toolButton_Load") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(parameterFileBytes(params)), qint64(324));
        }
        file.close();

        bool commandReturned = false, openAfterCloseRequest = false;
        QTimer::singleShot(0, [&] {
            rig.button(button.toLatin1())->click();
            commandReturned = true;
        });
        connect(&rig.emu, &TxEmulator::tokenReceived, [&](const QByteArray &token) {
            if (!token.startsWith('G')) return;
            QTimer::singleShot(rig.frameGapMs / 2, [&] { // during the second frame's wait
                rig.window->close();
                openAfterCloseRequest = rig.window->isVisible();
            });
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);

        const int code = QApplication::exec();
        QCOMPARE(code, 0); // the last window closed, not the watchdog
        QVERIFY(openAfterCloseRequest);
        QVERIFY(commandReturned);
        QVERIFY(rig.window->isHidden());
        rig.window.reset(); // the window goes down with the port still open, as at exit
        QTest::qWait(100);

        // The whole command went out with its pacing, and nothing was said at exit.
        const auto frames = rig.textFrames();
        QCOMPARE(frames.size(), 4);
        QByteArray sent;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frames[i].token.at(0), "SGHI"[i]);
            if (i > 0) QVERIFY(frames[i].atMs - frames[i - 1].atMs >= rig.frameGapMs / 2);
            sent += frames[i].token;
        }
        // "OK", the copy's "RR" and the four frames; no read-back held up the close
        QCOMPARE(rig.commands().size(), 6);
        QVERIFY(!rig.emu.receivedBytes().contains("DIS"));
        if (button == "toolButton_Save") {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), sent);
        } else {
            // The command's own "WWW" follows the last frame's wait.
            bool closingWww = false;
            for (const TxEmulator::Received &r : rig.emu.receivedTokens())
                closingWww |= r.token == "WWW" && r.atMs >= frames[3].atMs + rig.frameGapMs / 2;
            QVERIFY(closingWww);
        }
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
