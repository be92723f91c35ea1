// SPDX-License-Identifier: GPL-3.0-or-later
// What each command tells the pilot, against the emulator on a pseudo-terminal: blocks taken only in
// answer to a read, a READ made complete or explained, every send read back and compared.

#include "app/noticebar.h"
#include "files/paramfile.h"
#include "params/rules.h"
#include "support/eventwait.h"
#include "support/framestreams.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using support::LinkRig;
using support::ModalWatcher;

namespace {

ParameterSet sanitised(ParameterSet p)
{
    sanitise(p);
    return p;
}

QLabel *notice(const LinkRig &rig)
{
    auto *label = rig.window->findChild<QLabel *>("noticeBar");
    return label && !label->isHidden() ? label : nullptr; // shown, in a window the test may not show
}

// The "Note" boxes seen, the WRITE and RESET questions left out.
QStringList notes(const ModalWatcher &watcher)
{
    QStringList texts;
    for (const ModalWatcher::Seen &b : watcher.boxes)
        if (b.title == "Note" && b.defaultButton != "Cancel") texts << b.text;
    return texts;
}

int readRequests(const LinkRig &rig)
{
    return int(rig.commands().count("RR"));
}

} // namespace

class TestChecks : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void aFrameLostOnceIsAskedForAgain()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setWithheldOnce({4, 7, 17});
        rig.emu.setChunking(Chunking::Random, 3);
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        QCOMPARE(readRequests(rig), 2);
        QVERIFY(watcher.boxes.isEmpty());
        QVERIFY(support::sameReadSettings(params, sanitised(rig.emu.model())));
        // A complete READ is a model: WRITE asks nothing and ends checked.
        rig.button("toolButton_Send")->click();
        QVERIFY(watcher.boxes.isEmpty());
        QVERIFY(notice(rig));
    }

    void anIncompleteReadSaysWhatIsMissing_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("note");
        QTest::newRow("silent transmitter")
            << true
            << "The transmitter did not answer the read request (asked 3 times). The form still holds the "
               "values it had; WRITE will ask before sending them.";
        QTest::newRow("frames 17 and 18 withheld")
            << false
            << "The transmitter's answer was incomplete: frames 17 and 18 did not arrive (asked 3 times).\n\n"
               "The form now holds a mix: the settings of the frames that came are the transmitter's, the "
               "others are what the form held before. WRITE will ask before sending them.";
    }
    void anIncompleteReadSaysWhatIsMissing()
    {
        QFETCH(bool, silent);
        QFETCH(QString, note);
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setSilent(silent);
        rig.emu.setWithheld({17, 18});
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        watcher.answer = "Cancel";
        rig.button("toolButton_Read")->click();
        QCOMPARE(readRequests(rig), 3);
        QCOMPARE(notes(watcher), QStringList{note});
        QCOMPARE(params.sub2, silent ? ParameterSet{}.sub2 : sanitised(rig.emu.model()).sub2);

        // The form holds no model the transmitter has: WRITE asks, and Cancel sends nothing.
        rig.button("toolButton_Send")->click();
        QCOMPARE(watcher.boxes.size(), 2);
        QVERIFY(watcher.boxes[1].text.startsWith("The form holds a mix: the last READ was incomplete"));
        QCOMPARE(rig.textFrames().size(), 0);
    }

    void aWriteFromTheStartUpFormAsksFirst()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        const ParameterSet before = rig.emu.model();
        ModalWatcher watcher;
        watcher.answer = "Cancel";
        rig.button("toolButton_Send")->click();
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].text,
                 QString("The form holds the program's start-up values: nothing has been read from the "
                         "transmitter or loaded from a file yet.\n\nWrite them anyway? The whole model on "
                         "the transmitter will be replaced, trims, mixes and curves included."));
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Cancel"));
        QTest::qWait(100);
        QCOMPARE(rig.commands(), QList<QByteArray>{"OK"});
        QVERIFY(support::sameReadSettings(rig.emu.model(), before));
    }

    void aFrameTheTransmitterDidNotTakeIsNamed()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        rig.emu.setIgnoredFrame('G');
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        const ParameterSet model = rig.emu.model();
        params.Atti2 = model.Atti2 == 30 ? 31 : 30; // a G-frame setting, edited
        params.sub4 = model.sub4 == 9 ? 10 : 9;     // an S-frame one, taken
        rig.button("toolButton_Send")->click();
        QCOMPARE(notes(watcher),
                 QStringList{QString("The transmitter does not hold what was sent. 1 setting differs:\n\n"
                                     "ADVANCE1 / ATTITUDE / ATTI2: form %1, transmitter %2\n\n"
                                     "The form keeps your values; WRITE sends them again.")
                                 .arg(params.Atti2)
                                 .arg(model.Atti2)});
        QCOMPARE(rig.emu.model().sub4, params.sub4);
        QVERIFY(params.Atti2 != model.Atti2); // the pilot's value stays on the form
        QVERIFY(!notice(rig));
    }

    void cleanCommandsEndWithTheNotice_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("WRITE") << "toolButton_Send"
                               << "WRITE checked: the transmitter holds every setting sent.";
        QTest::newRow("SAVE") << "toolButton_Save"
                              << "Saved to model.txt; the transmitter holds every setting sent.";
        QTest::newRow("LOAD") << "toolButton_Load"
                              << "Loaded model.txt; the transmitter holds every setting sent.";
        QTest::newRow("RESET") << "toolButton_Reset"
                               << "RESET checked: the transmitter holds the factory settings.";
        QTest::newRow("DATA RESET") << "pushButton_Reset2"
                                    << "DATA RESET checked: the transmitter holds the factory settings.";
    }
    void cleanCommandsEndWithTheNotice()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath("model.txt");
        ParameterSet file = sanitised(ParameterSet{});
        file.sub6 = 21;
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(parameterFileBytes(file)) == 324);
        f.close();

        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        watcher.answer = "Reset";
        watcher.answerFileDialog(path);
        rig.button("toolButton_Read")->click();
        const QSize size = rig.window->size();
        rig.button(button.toLatin1())->click();
        QVERIFY2(notes(watcher).isEmpty(), qPrintable(notes(watcher).join('|')));
        QVERIFY(notice(rig));
        QCOMPARE(notice(rig)->text(), text);
        QCOMPARE(rig.window->size(), size);
        const QList<QByteArray> commands = rig.commands();
        QCOMPARE(commands.last(), QByteArray("RR")); // the read-back, after the closing "WWW"
        QCOMPARE(commands.count("RR"), 3);           // READ, the copy kept before, the read-back
        if (button == "toolButton_Send") QTRY_VERIFY_WITH_TIMEOUT(!notice(rig), 8000); // it goes by itself
    }

    void aCloseDuringTheCheckEndsIt()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        rig.window->show();
        ModalWatcher watcher;
        watcher.answer = "Write";
        rig.emu.setSilent(true); // the check would wait for three answers
        QElapsedTimer clock;
        connect(&rig.emu, &TxEmulator::tokenReceived, [&](const QByteArray &token) {
            if (token != "RR") return;
            clock.start();
            QTimer::singleShot(50, rig.window.get(), &QWidget::close);
        });
        rig.button("toolButton_Send")->click();
        QVERIFY(clock.isValid());
        // Well before the three asks of an unanswered check (2.4 s) would have run out.
        QVERIFY2(clock.elapsed() < 1200, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(rig.window->isHidden());
        QCOMPARE(readRequests(rig), 1);
        QVERIFY(notes(watcher).isEmpty());
    }

    void aPulledCableLeavesANotice()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Serial port lost: "));
        rig.emu.hangUp();
        QTRY_COMPARE(rig.openButton()->text(), QString("OPEN"));
        QVERIFY(notice(rig));
        QVERIFY2(
            notice(rig)->text().startsWith(QString("The link to %1 was lost (").arg(rig.emu.slavePath())),
            qPrintable(notice(rig)->text()));
        QTest::qWait(NoticeBar::kShowMs + 500);
        QVERIFY(notice(rig)); // it stays until the pilot acts
        // and stays at the foot of the window as the window grows
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        rig.window->resize(rig.window->width() + 300, rig.window->height() + 200);
        QCOMPARE(notice(rig)->geometry().bottom() + 1 + 12, rig.window->height());
        QVERIFY(qAbs(notice(rig)->geometry().center().x() - rig.window->width() / 2) <= 1);
    }
};

QTEST_MAIN(TestChecks)
#include "tst_checks.moc"
