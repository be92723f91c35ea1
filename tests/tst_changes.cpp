// SPDX-License-Identifier: GPL-3.0-or-later
// What the form holds that the transmitter does not: the marks, undo and redo, reverting and resetting
// one value, the Changes view and LOAD's look before sending. A real window against the emulator.
#include "files/paramfile.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using support::LinkRig;
using support::ModalWatcher;

namespace {

// The transmitter's model: every value below differs from the start-up set and the factory set.
ParameterSet transmitterModel()
{
    ParameterSet m;
    m.sub1 = 12;
    m.sub3 = -8;
    m.Lepa2 = 85;
    m.FS2 = 30;
    m.Atti2 = 40;
    return m;
}

QStringList pendingEditors(MainWindow &w)
{
    QStringList names;
    for (QWidget *child : w.findChildren<QWidget *>())
        if (child->property("pending").toBool()) names << child->objectName();
    names.sort();
    return names;
}

QStringList markedTabs(MainWindow &w)
{
    auto *tabs = w.findChild<QTabWidget *>("tabWidget");
    QStringList marked;
    auto *bar = tabs->findChild<QTabBar *>();
    for (int i = 0; i < tabs->count(); ++i)
        if (bar->tabButton(i, QTabBar::LeftSide)) marked << tabs->tabText(i);
    return marked;
}

// The count beside the Views button; empty while hidden.
QString countText(MainWindow &w)
{
    auto *count = w.findChild<QToolButton *>("pendingCount");
    return count->isVisible() ? count->text().replace('\n', ' ') : QString();
}

QAction *action(MainWindow &w, const QString &start)
{
    for (QAction *a : w.actions())
        if (a->text().startsWith(start)) return a;
    return nullptr;
}

// Opens an editor's context menu as a right click does, triggers the item whose text starts with
// `pick` (none when empty) and gives back every item's text.
QStringList useMenu(QWidget *editor, const QString &pick)
{
    QStringList seen;
    QTimer::singleShot(50, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) return;
        QAction *chosen = nullptr;
        for (QAction *a : menu->actions()) {
            seen << a->text();
            if (!pick.isEmpty() && a->text().startsWith(pick)) chosen = a;
        }
        menu->close();
        if (chosen) chosen->trigger();
    });
    const QPoint at(6, 6);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor->mapToGlobal(at));
    QApplication::sendEvent(editor, &event);
    support::runFor(20);
    return seen;
}

// Ctrl+Z, or Ctrl+Shift+Z, in `w` as the pilot presses it, the window active again after a modal box.
void press(QWidget *w, bool redo = false)
{
    w->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    QTest::keyClick(w, Qt::Key_Z, redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
}

QString label(IntField field)
{
    return pilotLabel(*namedField(field));
}

} // namespace

class TestChanges : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // The window shown and active (the keys are window shortcuts), the model read from the transmitter.
    bool readRig(LinkRig &rig)
    {
        if (!rig.start()) return false;
        rig.emu.setModel(transmitterModel());
        rig.window->show();
        if (!QTest::qWaitForWindowActive(rig.window.get()) || !rig.openLink()) return false;
        rig.button("toolButton_Read")->click();
        return params.sub1 == 12 && pendingEditors(*rig.window).isEmpty() && !rig.window->isWindowModified();
    }

    template <typename T> T *editor(LinkRig &rig, const char *name)
    {
        auto *e = rig.find<T>(name);
        e->setFocus();
        return e;
    }

    QString fileWith(const ParameterSet &set, const QString &name)
    {
        ParameterSet copy = set;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return QString();
        file.write(parameterFileBytes(copy));
        return file.fileName();
    }

private slots:
    void init() { params = ParameterSet{}; }

    void anEditMarksItsEditorTabAndCountAndUndoTakesItBack()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        MainWindow &w = *rig.window;
        QCOMPARE(countText(w), QString());

        auto *sub3 = editor<QSpinBox>(rig, "spinBox_sub3");
        sub3->setValue(5);
        QCOMPARE(pendingEditors(w), QStringList{"spinBox_sub3"});
        QCOMPARE(markedTabs(w), QStringList{"BASIC"});
        QCOMPARE(countText(w), QString("1 setting not on the transmitter"));
        QVERIFY2(sub3->toolTip().startsWith("On the transmitter: -8"), qPrintable(sub3->toolTip()));
        QVERIFY(w.isWindowModified());

        // Focus stays in the spin box, whose text would otherwise take the key for its own undo.
        press(sub3);
        QCOMPARE(sub3->value(), -8);
        QCOMPARE(params.sub3, -8);
        QCOMPARE(pendingEditors(w), QStringList());
        QCOMPARE(markedTabs(w), QStringList());
        QCOMPARE(countText(w), QString());
        QVERIFY(!w.isWindowModified());

        press(sub3, true);
        QCOMPARE(sub3->value(), 5);
        QCOMPARE(params.sub3, 5);
        QCOMPARE(pendingEditors(w), QStringList{"spinBox_sub3"});
        QVERIFY(w.isWindowModified());

        // A D/R rate edit marks the rate shown and its tab; the storage it wrote is the setting.
        editor<QSpinBox>(rig, "spinBox_DR_RATE")->setValue(params.DR_RATE - 10);
        // UP on ADVANCE1 shows the same storage as the rate on ADVANCE2.
        QCOMPARE(pendingEditors(w), (QStringList{"spinBox_DR_RATE", "spinBox_DR_UP1", "spinBox_sub3"}));
        QCOMPARE(markedTabs(w), (QStringList{"BASIC", "ADVANCE1", "ADVANCE2"}));
        QCOMPARE(countText(w), QString("2 settings not on the transmitter"));
    }

    // Undo names the setting as the pilot finds it; the form back at what was read is no edit, however
    // it got there.
    void undoSpeaksThePilotsWordsAndARevertByHandClearsTheMark()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        MainWindow &w = *rig.window;
        QAction *undo = nullptr;
        for (QAction *a : w.actions())
            if (a->shortcuts().contains(QKeySequence(QKeySequence::Undo))) undo = a;
        QVERIFY(undo);
        auto *sub1 = editor<QSpinBox>(rig, "spinBox_sub1");
        sub1->setValue(30);
        QCOMPARE(undo->text(), QString("Undo SUB-TRIM CH1"));
        auto *delay2 = editor<QSpinBox>(rig, "spinBox_delay2");
        const int delay = delay2->value();
        delay2->setValue(delay == 0 ? 5 : 0);
        QCOMPARE(undo->text(), QString("Undo DELAY CH2"));

        editor<QSpinBox>(rig, "spinBox_sub1")->setValue(12);
        QVERIFY(w.isWindowModified());
        editor<QSpinBox>(rig, "spinBox_delay2")->setValue(delay);
        QVERIFY(!w.isWindowModified()); // four steps on the stack, none of them pending
        QVERIFY(undo->isEnabled());
        press(delay2); // undone: DELAY CH2 differs again
        QVERIFY(w.isWindowModified());
    }

    void typedDigitsAreOneStepAndNothingReceivedIsOne()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        MainWindow &w = *rig.window;
        // The live stream and display passes over the read model make no step.
        support::runFor(400);
        QVERIFY(!action(w, "Undo")->isEnabled());

        auto *lepa = editor<QSpinBox>(rig, "spinBox_Lepa2");
        lepa->selectAll();
        QTest::keyClicks(lepa, "95");
        QCOMPARE(params.Lepa2, 95);
        auto *fs = editor<QSpinBox>(rig, "spinBox_FS2");
        fs->selectAll();
        QTest::keyClicks(fs, "44");
        QCOMPARE(params.FS2, 44);

        press(fs);
        QCOMPARE(params.FS2, 30);
        QCOMPARE(params.Lepa2, 95);
        press(fs);
        QCOMPARE(params.Lepa2, 85); // "9" and "95" were one step
        QCOMPARE(lepa->value(), 85);
        QVERIFY(!action(w, "Undo")->isEnabled());
        QVERIFY(!w.isWindowModified());
    }

    void revertAndResetFromTheMenusAndTheChangesView()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        MainWindow &w = *rig.window;
        auto *sub1 = editor<QSpinBox>(rig, "spinBox_sub1");
        sub1->setValue(20);
        editor<QSpinBox>(rig, "spinBox_FS2")->setValue(60);
        auto *atti = editor<QSpinBox>(rig, "spinBox_Atti2");
        atti->setValue(77);
        QCOMPARE(countText(w), QString("3 settings not on the transmitter"));

        // The spin box keeps its own items; the window's come after them.
        const QStringList items = useMenu(sub1, "Revert to the transmitter's value (12)");
        QVERIFY2(items.filter("Step up").size() == 1, qPrintable(items.join('|')));
        QCOMPARE(params.sub1, 12);
        QCOMPARE(sub1->value(), 12);
        QCOMPARE(pendingEditors(w), (QStringList{"spinBox_Atti2", "spinBox_FS2"}));

        ParameterSet factory = params;
        resetFirstHalf(factory);
        resetSecondHalf(factory);
        QVERIFY(factory.Atti2 != 77);
        useMenu(atti, QString("Reset to the factory value (%1)").arg(factory.Atti2));
        QCOMPARE(params.Atti2, factory.Atti2);
        QCOMPARE(atti->value(), factory.Atti2);
        // Not the transmitter's 40: still marked, and its menu offers the way back.
        QVERIFY(useMenu(atti, QString()).contains("Revert to the transmitter's value (40)"));

        // A combo box, which has no menu of its own, gets the window's.
        auto *rev = editor<QComboBox>(rig, "comboBox_rev4");
        rev->setCurrentIndex(1 - rev->currentIndex());
        const QStringList revItems = useMenu(rev, "Revert to the transmitter's value");
        QCOMPARE(revItems.size(), 2);
        QCOMPARE(rev->currentIndex(), 0);

        QTest::keyClick(atti, Qt::Key_D, Qt::ControlModifier);
        auto *view = w.findChild<QDialog *>("changesWindow");
        QVERIFY(view && view->isVisible());
        auto *rows = view->findChild<QTreeWidget *>("compareRows");
        QCOMPARE(rows->topLevelItemCount(), 2);
        QCOMPARE(rows->topLevelItem(0)->text(0), label(&ParameterSet::FS2));
        QCOMPARE(rows->topLevelItem(0)->text(1), QString("60"));
        QCOMPARE(rows->topLevelItem(0)->text(2), QString("30"));

        // Enter on a row goes to its editor on its tab.
        w.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(0);
        rows->setFocus();
        rows->setCurrentItem(rows->topLevelItem(1));
        QTest::keyClick(rows, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), atti);
        QCOMPARE(w.findChild<QTabWidget *>("tabWidget")->currentWidget()->objectName(), QString("tab_3"));

        rows->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        view->findChild<QPushButton *>("changesRevert")->click();
        QCOMPARE(params.FS2, 30);
        QCOMPARE(params.Atti2, factory.Atti2);
        QCOMPARE(pendingEditors(w), QStringList{"spinBox_Atti2"});
        QCOMPARE(rows->topLevelItemCount(), 1);

        // Each revert and reset was one step: back through them, newest first.
        press(atti);
        QCOMPARE(params.FS2, 60);
        press(atti);
        QCOMPARE(params.rev4, 1);
        press(atti);
        QCOMPARE(params.rev4, 0);
        press(atti);
        QCOMPARE(params.Atti2, 77);
    }

    void loadShowsWhatAFileChangesAndSendsOnlyTheTickedRows()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        ParameterSet file = transmitterModel();
        file.sub1 = -20;
        file.Lepa2 = 100;
        file.FS2 = 70;
        file.THCURE_Data03 = 40;
        const QString path = fileWith(file, "four.txt");

        ModalWatcher watcher;
        QStringList rowsSeen;
        watcher.onLoadPreview = [&](QDialog *preview) {
            auto *rows = preview->findChild<QTreeWidget *>("compareRows");
            for (int i = 0; i < rows->topLevelItemCount(); ++i) {
                QTreeWidgetItem *row = rows->topLevelItem(i);
                rowsSeen << row->text(0);
                if (row->text(0) == label(&ParameterSet::sub1) || row->text(0) == label(&ParameterSet::FS2))
                    row->setCheckState(0, Qt::Unchecked);
            }
            return true;
        };
        watcher.answerFileDialog(path);
        rig.button("toolButton_Load")->click();
        QCOMPARE(watcher.loadPreviews, 1);
        QCOMPARE(rowsSeen, (QStringList{label(&ParameterSet::sub1), label(&ParameterSet::Lepa2),
                                        label(&ParameterSet::FS2), label(&ParameterSet::THCURE_Data03)}));

        // What the transmitter now holds: the file, but for the two unticked settings.
        ParameterSet expected = file;
        expected.sub1 = transmitterModel().sub1;
        expected.FS2 = transmitterModel().FS2;
        QVector<const char *> differing;
        for (const NamedField *f : compareFormSettings(rig.emu.model(), expected).differing)
            differing << f->name;
        QVERIFY2(differing.isEmpty(), differing.value(0));
        QCOMPARE(rig.emu.model().Lepa2, 100);
        QCOMPARE(pendingEditors(*rig.window), QStringList());
        QVERIFY(!rig.window->isWindowModified()); // what the form holds is on the transmitter

        // The LOAD is one step of the form; undoing it sends nothing.
        const int sent = rig.textFrames().size();
        press(rig.window.get());
        QCOMPARE(params.Lepa2, 85);
        QCOMPARE(params.THCURE_Data03, transmitterModel().THCURE_Data03);
        QCOMPARE(pendingEditors(*rig.window), (QStringList{"spinBox_Lepa2", "spinBox_THCURE_Data03"}));
        support::runFor(100);
        QCOMPARE(rig.textFrames().size(), sent);
    }

    void aCancelledLoadSendsNothingAndAnEqualFileAsksNothing()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        editor<QSpinBox>(rig, "spinBox_sub3")->setValue(2);
        ParameterSet file = transmitterModel();
        file.Atti2 = 10;

        ModalWatcher watcher;
        watcher.answer = "Discard"; // LOAD asks first about the edit
        watcher.onLoadPreview = [](QDialog *) { return false; };
        watcher.answerFileDialog(fileWith(file, "other.txt"));
        const int sent = rig.textFrames().size();
        rig.button("toolButton_Load")->click();
        QCOMPARE(watcher.loadPreviews, 1);
        QCOMPARE(rig.textFrames().size(), sent);
        QCOMPARE(params.Atti2, 40);
        QCOMPARE(params.sub3, 2);
        QCOMPARE(pendingEditors(*rig.window), QStringList{"spinBox_sub3"});
        // The stack is as it was: one undo takes back the edit, and the form is the transmitter's.
        press(rig.window.get());
        QCOMPARE(params.sub3, -8);
        QVERIFY(!rig.window->isWindowModified());
        QVERIFY(!action(*rig.window, "Undo")->isEnabled());

        watcher.answerFileDialog(fileWith(transmitterModel(), "same.txt"));
        rig.button("toolButton_Load")->click();
        QCOMPARE(watcher.loadPreviews, 1);
        QCOMPARE(rig.textFrames().size(), sent + 4);
    }

    void undoHoldsAfterTheLinkClosesAndAFailedRead()
    {
        LinkRig rig;
        QVERIFY(readRig(rig));
        MainWindow &w = *rig.window;
        auto *sub1 = editor<QSpinBox>(rig, "spinBox_sub1");
        sub1->setValue(3);
        rig.openButton()->click(); // closed
        QCOMPARE(rig.openButton()->text(), QString("OPEN"));
        press(sub1);
        QCOMPARE(params.sub1, 12);
        QVERIFY(!w.isWindowModified());
        QCOMPARE(pendingEditors(w), QStringList()); // the transmitter's model is still known

        // A new link knows nothing until it is read: a READ that misses blocks marks nothing.
        QVERIFY(rig.openLink());
        rig.emu.setWithheld({3, 4});
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        QCOMPARE(watcher.boxes.size(), 1); // the incomplete READ's note
        sub1->setFocus();
        sub1->setValue(9);
        QCOMPARE(pendingEditors(w), QStringList());
        QCOMPARE(countText(w), QString());
        QVERIFY(w.isWindowModified());
        press(sub1);
        QCOMPARE(params.sub1, 12);
        QVERIFY(!w.isWindowModified());
        press(sub1, true);
        QCOMPARE(params.sub1, 9);
    }
};

QTEST_MAIN(TestChanges)
#include "tst_changes.moc"
