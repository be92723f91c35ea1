// SPDX-License-Identifier: GPL-3.0-or-later
// What the window keeps of the transmitter's models, against the emulator on a pseudo-terminal: a
// copy before every command that replaces the model and after its read-back, the question when no
// copy can be made, and a history that cannot be kept.

#include "files/history.h"
#include "files/paramfile.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/randomparams.h"
#include "support/warnings.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

using support::LinkRig;
using support::ModalWatcher;

namespace {

ParameterSet entrySettings(const QString &path)
{
    QString why;
    const std::optional<ParameterSet> set = HistoryStore::readEntry(path, &why);
    if (!set) qWarning("%s: %s", qPrintable(path), qPrintable(why));
    return set.value_or(ParameterSet{});
}

// The entry holds the model as far as a read carries it: the rest (the dual-rate view, the trims) is
// the entry's own.
bool holds(const QString &path, const ParameterSet &model)
{
    ParameterSet entry = entrySettings(path);
    std::array<int, 4> trims;
    for (int i = 0; i < 4; ++i) trims[size_t(i)] = entry.*fields::StkTrim[i];
    ParameterSet expected = historySettings(model, entry, trims);
    return parameterFileBytes(entry) == parameterFileBytes(expected);
}

// A model as the transmitter holds one: every value within what the sanitiser lets through.
ParameterSet validModel(QRandomGenerator &rng)
{
    ParameterSet p = randomValidParameters(rng);
    sanitise(p);
    return p;
}

QStringList events(const HistoryStore &store)
{
    QStringList list;
    for (const HistoryEntry &e : store.entries()) list << historyEventToken(e.event);
    return list;
}

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.*.debug=false"); }
    void init()
    {
        params = ParameterSet{};
        dir = std::make_unique<QTemporaryDir>();
        qputenv("TXCONFIG_HISTORY_DIR", QFile::encodeName(dir->filePath("history")));
    }
    void cleanup() { qunsetenv("TXCONFIG_HISTORY_DIR"); }

    void everyCommandKeepsWhatItReplacedAndWhatItLeft_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("kept"); // newest first
        QTest::newRow("WRITE") << "toolButton_Send" << QStringList{"written", "before-write", "read"};
        QTest::newRow("LOAD") << "toolButton_Load" << QStringList{"loaded", "before-load", "read"};
        QTest::newRow("SAVE") << "toolButton_Save" << QStringList{"saved", "before-save", "read"};
        QTest::newRow("RESET") << "toolButton_Reset" << QStringList{"reset", "before-reset", "read"};
        QTest::newRow("DATA RESET") << "pushButton_Reset2"
                                    << QStringList{"data-reset", "before-data-reset", "read"};
    }
    void everyCommandKeepsWhatItReplacedAndWhatItLeft()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, kept);
        LinkRig rig;
        QRandomGenerator rng(9);
        const ParameterSet first = validModel(rng);
        rig.emu.setModel(first);
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        watcher.answer = "Reset";
        rig.button("toolButton_Read")->click();
        rig.button("toolButton_Read")->click(); // the same model again: no second entry

        // The model changes on the transmitter (its own menus) and the form is edited.
        const ParameterSet second = validModel(rng);
        rig.emu.setModel(second);
        params.sub4 = second.sub4 == 50 ? 51 : 50;
        const QString file = dir->filePath("model.txt");
        ParameterSet inFile = params;
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(parameterFileBytes(inFile)) == 324);
        f.close();
        watcher.answerFileDialog(file);
        rig.button(button.toLatin1())->click();

        const HistoryStore store;
        QCOMPARE(events(store), kept);
        const QVector<HistoryEntry> entries = store.entries();
        QVERIFY(holds(entries[2].path, first));
        QVERIFY(holds(entries[1].path, second));
        QVERIFY(holds(entries[0].path, rig.emu.model()));
        QCOMPARE(entries[0].port, rig.emu.slavePath());
        // The copy was read before the first frame went out.
        const QList<QByteArray> commands = rig.commands();
        const int firstFrame = int(std::find_if(commands.begin(), commands.end(),
                                                [](const QByteArray &c) { return c.size() == 81; }) -
                                   commands.begin());
        QCOMPARE(commands.value(firstFrame - 1), QByteArray("RR"));
    }

    void anUnreadableTransmitterIsAskedAbout()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        rig.emu.setSilent(true);
        watcher.answer = "Cancel";
        rig.button("toolButton_Send")->click();
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].text,
                 QString("The transmitter's current settings could not be read, so no copy "
                         "of them can be kept before they are replaced."));
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Cancel"));
        QCOMPARE(rig.textFrames().size(), 0);

        watcher.answer = "Send anyway";
        rig.button("toolButton_Send")->click();
        QCOMPARE(rig.textFrames().size(), 4);
        QCOMPARE(events(HistoryStore()), QStringList{"read"}); // nothing read, nothing kept
    }

    // The History window beside a READ: entries listed as they come, a damaged one greyed with its
    // reason, the differences from the form, and Restore of the ticked rows into the form only.
    void theHistoryWindowComparesAndRestoresTickedSettings()
    {
        LinkRig rig;
        QRandomGenerator rng(4);
        const ParameterSet model = validModel(rng);
        rig.emu.setModel(model);
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        const HistoryStore store;
        QFile damaged(store.folder() + "/20200101-000000-000-read.txt");
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("S00") == 3);
        damaged.close();

        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_H, Qt::ControlModifier);
        auto *history = rig.window->findChild<QDialog *>("historyWindow");
        QVERIFY(history && history->isVisible() && !history->isModal());
        QCOMPARE(history->windowTitle(), QString("History"));
        auto *list = history->findChild<QTreeView *>("historyList");
        const QAbstractItemModel *entries = list->model();
        auto text = [entries](int row, int column) { return entries->index(row, column).data().toString(); };
        // The damaged file is in no index: the folder's listing after the first paint brings it in.
        QTRY_COMPARE(entries->rowCount(), 2);
        QTRY_COMPARE(text(0, 3), QString("equal"));
        QCOMPARE(text(1, 3), QString("damaged: not a parameter file"));
        QVERIFY(entries->index(1, 0).data(Qt::ForegroundRole).isValid()); // greyed

        // Three edits on the form; the entry is what the transmitter holds.
        rig.find<QSpinBox>("spinBox_sub1")->setValue(model.sub1 == 10 ? 11 : 10);
        rig.find<QSpinBox>("spinBox_sub2")->setValue(model.sub2 == 10 ? 11 : 10);
        rig.find<QSpinBox>("spinBox_Atti3")->setValue(model.Atti3 == 10 ? 11 : 10);
        list->selectionModel()->select(entries->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        auto *rows = history->findChild<QTreeWidget *>("compareRows");
        QCOMPARE(rows->topLevelItemCount(), 3);
        QCOMPARE(history->findChild<QLabel *>("compareSummary")->text(),
                 QString("3 settings differ, %1 are equal.").arg(int(std::size(kNamedFields)) - 3));
        QCOMPARE(rows->topLevelItem(0)->text(0), pilotLabel(*namedField(&ParameterSet::sub1)));
        QCOMPARE(rows->topLevelItem(2)->text(1), QString::number(model.Atti3));

        // Down to the second row and Space: sub2 stays as edited. Ctrl+C copies the selected rows.
        rows->setFocus();
        QTest::keyClick(rows, Qt::Key_Down);
        QTest::keyClick(rows, Qt::Key_Space);
        QCOMPARE(rows->topLevelItem(1)->checkState(0), Qt::Unchecked);
        rows->topLevelItem(1)->setSelected(true);
        QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("%1: %2 -> 10\n").arg(pilotLabel(*namedField(&ParameterSet::sub2))).arg(model.sub2));
        const int tokens = rig.emu.receivedTokens().size();
        history->findChild<QPushButton *>("historyRestore")->click();
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub1")->value(), model.sub1);
        QCOMPARE(rig.find<QSpinBox>("spinBox_sub2")->value(), model.sub2 == 10 ? 11 : 10);
        QCOMPARE(rig.find<QSpinBox>("spinBox_Atti3")->value(), model.Atti3);
        QVERIFY(rig.window->isWindowModified());
        support::runFor(200);
        for (int i = tokens; i < rig.emu.receivedTokens().size(); ++i)
            QCOMPARE(rig.emu.receivedTokens()[i].token, QByteArray("WWW")); // only the stream's answers
        QCOMPARE(rows->topLevelItemCount(), 1);

        // A new entry (here from txconfig-cli, say) shows up while the window is open.
        QString error;
        QCOMPARE(HistoryStore().keep(ParameterSet{}, HistoryEvent::Read, "elsewhere", &error),
                 HistoryStore::Kept::Written);
        QTRY_COMPARE(entries->rowCount(), 3);
        QCOMPARE(text(0, 2), QString("elsewhere"));
    }

    void aHistoryThatCannotBeKeptIsSaidOnce()
    {
        support::KeptWarnings kept;
        kept.list().clear();
        QFile blocker(dir->filePath("history"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
        blocker.close();
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        rig.button("toolButton_Read")->click();
        auto *notice = rig.window->findChild<QLabel *>("noticeBar");
        QVERIFY(notice);
        QCOMPARE(notice->text(),
                 QString("History not kept: %1 is a file, not a folder").arg(blocker.fileName()));
        params.sub2 = 40;
        rig.button("toolButton_Send")->click();
        QCOMPARE(rig.textFrames().size(), 4); // the command ran
        QVERIFY(watcher.boxes.isEmpty());
        QCOMPARE(kept.list().filter("History not kept").size(), 1);
        QCOMPARE(rig.emu.model().sub2, 40);
    }
};

QTEST_MAIN(TestBackups)
#include "tst_backups.moc"
