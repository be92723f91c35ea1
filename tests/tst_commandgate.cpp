// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/warnings.h"

#include <QSpinBox>
#include <QtTest>

using support::LinkRig;

namespace {

const char *const kCommandButtons[] = {"openButton",       "toolButton_Read",   "toolButton_Send",
                                       "toolButton_Reset", "pushButton_Reset2", "toolButton_Save",
                                       "toolButton_Load"};

int enabledCommandButtons(const LinkRig &rig)
{
    int n = 0;
    for (const char *name : kCommandButtons) n += rig.button(name)->isEnabled() ? 1 : 0;
    return n;
}

} // namespace

// While one command runs no other can start, and a vanished device ends it without another write.
class TestCommandGate : public QObject
{
    Q_OBJECT

private slots:

    void readAndWritePressedDuringAWriteStartNothing()
    {
        LinkRig rig;
        rig.frameGapMs = kFrameGapMs; // a WRITE long enough to sample and to press buttons in
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        const Qt::CursorShape idleCursor = rig.window->cursor().shape();
        bool running = false;
        int samples = 0, enabledButtons = 0, disabledEditors = 0, otherCursor = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (!running) return;
            ++samples;
            enabledButtons += enabledCommandButtons(rig); // the WRITE's own too, after its hold-off
            disabledEditors += !rig.find<QSpinBox>("spinBox_sub1")->isEnabled();
            otherCursor += rig.window->cursor().shape() != Qt::BusyCursor;
        });
        sampler.start(20);
        QTimer::singleShot(1000, [&] {
            rig.button("toolButton_Read")->click();
            rig.button("toolButton_Send")->click();
        });
        support::ModalWatcher watcher;
        watcher.answer = "Write"; // the form holds no model yet
        running = true;
        rig.button("toolButton_Send")->click();
        running = false;

        QVERIFY(samples > 100);
        QCOMPARE(enabledButtons + disabledEditors + otherCursor, 0);
        QCOMPARE(enabledCommandButtons(rig), int(std::size(kCommandButtons)));
        QCOMPARE(rig.window->cursor().shape(), idleCursor);
        QTest::qWait(100);
        // "OK", the copy's "RR", then S, G, H and I once, and the read-back's "RR"
        QCOMPARE(rig.commands().size(), 7);
        QCOMPARE(rig.commands()[1], QByteArray("RR"));
        for (int i = 2; i < 6; ++i) QCOMPARE(rig.commands()[i].at(0), "SGHI"[i - 2]);
        QCOMPARE(rig.commands()[6], QByteArray("RR"));
        QCOMPARE(watcher.boxes.size(), 1); // the question; the read-back found every setting
    }

    void aDevicePulledDuringAWriteEndsItQuietly()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        connect(&rig.emu, &TxEmulator::tokenReceived, [&](const QByteArray &token) {
            if (token.startsWith('G')) QTimer::singleShot(0, &rig.emu, &TxEmulator::hangUp);
        });
        support::KeptWarnings kept;
        QStringList &warnings = kept.list();
        warnings.clear();
        support::ModalWatcher watcher;
        watcher.answer = "Write";
        rig.button("toolButton_Send")->click(); // the remaining waits run out

        QCOMPARE(rig.openButton()->text(), QString("OPEN"));
        QCOMPARE(rig.textFrames().size(), 2);
        QCOMPARE(warnings.filter("Serial port lost").size(), 1); // Closed entered once
        QCOMPARE(warnings.filter("not open").size(), 0);         // nothing written to the closed port
        QCOMPARE(enabledCommandButtons(rig), int(std::size(kCommandButtons)));
    }
};

QTEST_MAIN(TestCommandGate)
#include "tst_commandgate.moc"
