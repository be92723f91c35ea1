// SPDX-License-Identifier: GPL-3.0-or-later
// Edits the form knows about: which changes mark the window, which commands settle them, and the
// questions that keep them from being lost. Against the emulator over a real pseudo-terminal.
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"

#include <QSpinBox>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using support::LinkRig;
using support::ModalWatcher;

namespace {

// What the window system shows: Qt puts "*" in place of "[*]" only while the window is modified.
QString shownTitle(MainWindow &w)
{
    w.show();
    return w.windowHandle()->title();
}

QStringList boxTexts(const ModalWatcher &watcher)
{
    QStringList texts;
    for (const ModalWatcher::Seen &s : watcher.boxes) texts << s.text;
    return texts;
}

} // namespace

class TestEdits : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // An open link with the model read, and one sub-trim edited by the pilot.
    bool editedRig(LinkRig &rig)
    {
        if (!rig.start() || !rig.openLink()) return false;
        rig.button("toolButton_Read")->click();
        if (rig.window->isWindowModified()) return false;
        rig.find<QSpinBox>("spinBox_sub1")->setValue(params.sub1 + 7);
        return rig.window->isWindowModified();
    }

private slots:
    void init() { params = ParameterSet{}; }

    void editsMarkTheWindowAndDisplayedValuesDoNot()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        MainWindow &w = *rig.window;
        QCOMPARE(w.windowTitle(), QString("VASK&TIRN-V5.0[*]"));
        QCOMPARE(shownTitle(w), QString("VASK&TIRN-V5.0"));

        // Values that reach the form through the display pass (as received ones do) are no edits,
        // nor is a field that no frame carries.
        params.sub2 = 33;
        params.Vertion = 512;
        QVERIFY(QMetaObject::invokeMethod(&w, "ui_Display"));
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub2")->value(), 33);
        rig.find<QSpinBox>("spinBox_Vertion")->setValue(7);
        QVERIFY(!w.isWindowModified());

        // Live values and a READ from the transmitter are no edits either.
        QVERIFY(rig.openLink());
        support::runFor(300);
        rig.button("toolButton_Read")->click();
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub1")->value(), params.sub1);
        QVERIFY(!w.isWindowModified());

        rig.find<QSpinBox>("spinBox_DR_RATE")->setValue(params.DR_RATE - 10);
        QVERIFY(w.isWindowModified());
        QCOMPARE(shownTitle(w), QString("VASK&TIRN-V5.0*"));
    }

    void aCheckedWriteACompleteReadAndASaveSettleTheEdits()
    {
        LinkRig rig;
        QVERIFY(editedRig(rig));
        ModalWatcher watcher;
        rig.button("toolButton_Send")->click();
        QVERIFY2(!rig.window->isWindowModified(), qPrintable(boxTexts(watcher).join('|')));

        rig.find<QSpinBox>("spinBox_sub1")->setValue(params.sub1 - 3);
        watcher.answer = "Discard";
        rig.button("toolButton_Read")->click();
        QCOMPARE(watcher.boxes.size(), 1);
        QVERIFY(!rig.window->isWindowModified());

        rig.find<QSpinBox>("spinBox_sub1")->setValue(params.sub1 - 3);
        watcher.answerFileDialog(dir.filePath("model.txt"));
        rig.button("toolButton_Save")->click();
        QVERIFY(QFile::exists(dir.filePath("model.txt")));
        QVERIFY(!rig.window->isWindowModified());
    }

    void anEditDuringAWriteStaysMarked()
    {
        LinkRig rig;
        QVERIFY(editedRig(rig));
        // After the 200 ms hold-off the frames go out a gap apart; this edit comes after the S frame
        // has left.
        QTimer::singleShot(200 + rig.frameGapMs * 3 / 2,
                           [&] { rig.find<QSpinBox>("spinBox_sub1")->setValue(params.sub1 + 1); });
        rig.button("toolButton_Send")->click();
        QVERIFY(rig.window->isWindowModified());
    }

    void readAndLoadAskAndCancelKeepsEverything()
    {
        LinkRig rig;
        QVERIFY(editedRig(rig));
        const int edited = params.sub1;
        ModalWatcher watcher;
        watcher.answer = "Cancel";
        const int sentBefore = rig.commands().size();
        rig.button("toolButton_Read")->click();
        rig.button("toolButton_Load")->click();

        QCOMPARE(watcher.boxes.size(), 2);
        for (const ModalWatcher::Seen &seen : watcher.boxes) {
            QCOMPARE(seen.title, QString("Note"));
            QVERIFY2(seen.text.startsWith("The form holds edits that are neither on the transmitter nor "
                                          "in a file."),
                     qPrintable(seen.text));
            QCOMPARE(seen.defaultButton, QString("Cancel"));
        }
        QCOMPARE(watcher.fileDialogs, 0);
        QCOMPARE(rig.commands().size(), sentBefore);
        QCOMPARE(params.sub1, edited);
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub1")->value(), edited);
        QVERIFY(rig.window->isWindowModified());
    }

    void closingWithEditsAsks()
    {
        LinkRig rig;
        QVERIFY(editedRig(rig));
        MainWindow &w = *rig.window;
        w.show();
        ModalWatcher watcher;

        watcher.answer = "Cancel";
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Cancel"));

        // Save runs SAVE's dialog; the window goes once the file holds the edits.
        watcher.answer = "Save";
        watcher.answerFileDialog(dir.filePath("closing.txt"));
        QVERIFY(!w.close());
        QVERIFY(support::runUntil([&] { return !w.isVisible(); }, 15000));
        QCOMPARE(watcher.fileDialogs, 1);
        QVERIFY(QFile::exists(dir.filePath("closing.txt")));
        QCOMPARE(watcher.boxes.size(), 2);
    }

    void closingWithoutEditsOrAfterDiscardAsksNoMore()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        rig.window->show();
        ModalWatcher watcher;
        QVERIFY(rig.window->close());
        QCOMPARE(watcher.boxes.size(), 0);

        LinkRig edited;
        QVERIFY(editedRig(edited));
        edited.window->show();
        watcher.answer = "Discard";
        QVERIFY(edited.window->close());
        QCOMPARE(watcher.boxes.size(), 1);
    }
};

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
