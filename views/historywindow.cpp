// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/historywindow.h"

#include "files/paramfile.h"
#include "params/pilotlabels.h"
#include "params/settingsdiff.h"
#include "views/historylist.h"
#include "widgets/comparetable.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kCountPerTurn = 20;
} // namespace

HistoryWindow::HistoryWindow(const QString &folder, Form form, QWidget *parent)
    : QDialog(parent), store(folder), form(std::move(form)), rows(new HistoryList(this)),
      list(new QTreeView(this)), table(new CompareTable(this)),
      restoreButton(new QPushButton(tr("Restore", "button"), this)),
      saveButton(new QPushButton(tr("Save as...", "button"), this))
{
    setWindowTitle(tr("History"));
    setObjectName(QStringLiteral("historyWindow"));
    setModal(false);
    list->setObjectName(QStringLiteral("historyList"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true); // no row measured one by one
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setModel(rows);
    // Widths from the texts' shapes, not from measuring every row: a thousand rows open at once.
    const QFontMetrics metrics(list->font());
    using C = HistoryList::Column;
    list->setColumnWidth(C::When, metrics.horizontalAdvance(QStringLiteral("2026-12-08 23:59:59")) + 24);
    list->setColumnWidth(C::Event,
                         metrics.horizontalAdvance(historyEventWords(HistoryEvent::BeforeDataReset)) + 24);
    list->setColumnWidth(C::Port, metrics.horizontalAdvance(QStringLiteral("/dev/ttyUSB0")) + 24);
    restoreButton->setObjectName(QStringLiteral("historyRestore"));
    saveButton->setObjectName(QStringLiteral("historySaveAs"));
    auto *folderButton = new QPushButton(tr("Open folder", "button"), this);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(list);
    splitter->addWidget(table);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(restoreButton);
    buttons->addWidget(saveButton);
    buttons->addStretch();
    buttons->addWidget(folderButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(760, 620);

    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryWindow::showChoice);
    connect(table, &CompareTable::tickedChanged, this, [this] {
        restoreButton->setEnabled(!shownSettings.isEmpty() && !table->tickedRows().isEmpty());
    });
    connect(restoreButton, &QPushButton::clicked, this, &HistoryWindow::restoreTicked);
    connect(saveButton, &QPushButton::clicked, this, &HistoryWindow::saveAs);
    connect(folderButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(store.folder())); });
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &HistoryWindow::reload);
    counter.setInterval(0);
    connect(&counter, &QTimer::timeout, this, &HistoryWindow::countSome);
    list->viewport()->installEventFilter(this);
    // The index is enough to draw the list; the folder's listing, a good part of the cost of opening a
    // full history, follows the first paint and corrects it where a file was added or taken by hand.
    showEntries(store.indexedEntries());
}

void HistoryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The form may have changed while the window was away: count again.
    nextToCount = 0;
    if (listPainted) counter.start();
}

// Reading a thousand entries takes a good part of a second: the list is shown first, and the
// differences are filled in afterwards, a few entries per turn.
bool HistoryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list->viewport() && event->type() == QEvent::Paint && !listPainted) {
        listPainted = true;
        QTimer::singleShot(0, this, &HistoryWindow::reload);
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryWindow::reload()
{
    // Watched before it is listed, so that nothing written in between goes unseen. Watching a folder
    // walks its names as listing it does: after the first paint too.
    if (QFileInfo(store.folder()).isDir() && !watcher.directories().contains(store.folder()))
        watcher.addPath(store.folder());
    const QVector<HistoryEntry> listed = store.entries();
    // The listing after the first paint mostly finds what the index drew: the rows and their
    // selection stay, and only the differences are counted afresh.
    if (rows->sameEntries(listed)) {
        nextToCount = 0;
        if (listPainted) counter.start();
        return;
    }
    showEntries(listed);
}

void HistoryWindow::showEntries(const QVector<HistoryEntry> &entries)
{
    QStringList chosen;
    for (int row : chosenRows()) chosen << rows->entry(row).path;
    {
        const QSignalBlocker quiet(list->selectionModel());
        rows->setEntries(entries);
        for (int row = 0; row < rows->rowCount(); ++row)
            if (chosen.contains(rows->entry(row).path))
                list->selectionModel()->select(rows->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    showChoice();
    nextToCount = 0;
    if (listPainted) counter.start();
}

bool HistoryWindow::counted() const
{
    return nextToCount >= rows->rowCount();
}

QVector<int> HistoryWindow::chosenRows() const
{
    QVector<int> chosen;
    for (const QModelIndex &index : list->selectionModel()->selectedRows()) chosen << index.row();
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

const HistoryWindow::Read &HistoryWindow::entry(int row)
{
    const QString path = rows->entry(row).path;
    auto it = readEntries.find(path);
    if (it == readEntries.end()) {
        Read read;
        read.set = HistoryStore::readEntry(path, &read.why);
        it = readEntries.insert(path, read);
    }
    return *it;
}

void HistoryWindow::countSome()
{
    const ParameterSet now = form.values();
    for (int done = 0; done < kCountPerTurn && !counted(); ++done, ++nextToCount) {
        const Read &read = entry(nextToCount);
        if (!read.set) {
            //: In the list's last column; %1 is why the entry cannot be read.
            rows->setDifference(nextToCount, tr("damaged: %1").arg(read.why), true);
            continue;
        }
        const int n = compareSettings(*read.set, now).differing.size();
        //: In the list's last column: the entry holds the same settings as the form.
        const QString equal = tr("equal");
        //: In the list's last column: how many settings of the entry differ from the form.
        rows->setDifference(nextToCount, n == 0 ? equal : tr("%n setting(s)", nullptr, n), false);
    }
    if (counted()) counter.stop();
}

void HistoryWindow::showChoice()
{
    const QVector<int> chosen = chosenRows();
    shownSettings.clear();
    saveButton->setEnabled(chosen.size() == 1);
    restoreButton->setEnabled(false);
    if (chosen.isEmpty() || chosen.size() > 2) {
        table->showMessage(chosen.isEmpty()
                               ? tr("Choose an entry to compare it with the form, or two to compare "
                                    "them with each other.")
                               : tr("Choose one entry or two."));
        return;
    }
    const Read &first = entry(chosen[0]);
    if (!first.set) {
        //: %1 is the reason.
        table->showMessage(tr("This entry cannot be read: %1.").arg(first.why));
        return;
    }
    ParameterSet other;
    //: Column header over the form's values.
    QString otherName = tr("Form");
    if (chosen.size() == 2) {
        const Read &second = entry(chosen[1]);
        if (!second.set) {
            //: %1 is the reason.
            table->showMessage(tr("The older entry cannot be read: %1.").arg(second.why));
            return;
        }
        other = *second.set;
        otherName = historyEntryTimeText(rows->entry(chosen[1]));
    } else {
        other = form.values();
    }
    const SettingsDiff diff = compareSettings(*first.set, other);
    QVector<CompareTable::Row> tableRows;
    for (const NamedField *f : diff.differing)
        tableRows.append({pilotLabel(*f), pilotValue(*f, *first.set), pilotValue(*f, other)});
    table->setRows(tableRows, diff.equal, historyEntryTimeText(rows->entry(chosen[0])), otherName);
    // Only an entry against the form can be restored into it.
    if (chosen.size() == 1) shownSettings = diff.differing;
    restoreButton->setEnabled(!shownSettings.isEmpty());
}

void HistoryWindow::restoreTicked()
{
    const QVector<int> chosen = chosenRows();
    if (chosen.size() != 1 || shownSettings.isEmpty()) return;
    const Read &read = entry(chosen.first());
    if (!read.set) return;
    QVector<const NamedField *> settings;
    for (int row : table->tickedRows()) settings << shownSettings.at(row);
    form.restore(*read.set, settings);
    showChoice();
}

void HistoryWindow::saveAs()
{
    const QVector<int> chosen = chosenRows();
    if (chosen.size() != 1) return;
    const QString from = rows->entry(chosen.first()).path;
    //: A file dialog's filter; %1 holds the file name patterns, which stay as they are.
    const QString filter = tr("file (%1)").arg(QStringLiteral("*.txt *.dat"));
    const QString to = QFileDialog::getSaveFileName(this, tr("Save as"), QFileInfo(from).fileName(), filter);
    if (to.isEmpty()) return;
    // A file chosen to be replaced stays whole until the copy is complete.
    QFile in(from);
    QSaveFile out(to);
    QString error;
    if (!in.open(QIODevice::ReadOnly))
        error = in.errorString();
    else if (!out.open(QIODevice::WriteOnly))
        error = out.errorString();
    else
        commitParameterFile(out, in.readAll(), &error);
    if (error.isEmpty()) return;
    //: %1 is the file, %2 the system's reason.
    const QString text = tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(to), error);
    QMessageBox::critical(this, tr("ERROR"), text);
}
