// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/historylist.h"

#include "files/journal.h"
#include "files/statefolder.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

bool HistoryList::sameEntries(const QVector<HistoryEntry> &list) const
{
    return std::equal(entries.begin(), entries.end(), list.begin(), list.end(),
                      [](const HistoryEntry &a, const HistoryEntry &b) {
                          return a.path == b.path && a.port == b.port &&
                                 a.programVersion == b.programVersion &&
                                 a.transmitterVersion == b.transmitterVersion;
                      });
}

void HistoryList::setEntries(const QVector<HistoryEntry> &list)
{
    beginResetModel();
    entries = list;
    counted = QVector<Counted>(list.size());
    // The two entries an unfinished command names: the pilot finds them without the journal.
    interrupted.clear();
    const CommandJournal::Found open = CommandJournal(stateFolder()).find();
    if (open.state == CommandJournal::State::Open) {
        //: %1 is the command's button name (WRITE, LOAD, RESET...), which stays as it is.
        if (!open.entry.before.isEmpty())
            interrupted.insert(open.entry.before, tr("before the interrupted %1").arg(open.entry.command));
        //: %1 is the command's button name (WRITE, LOAD, RESET...), which stays as it is.
        interrupted.insert(open.entry.sending, tr("sent by the interrupted %1").arg(open.entry.command));
    }
    endResetModel();
}

void HistoryList::setDifference(int row, const QString &text, bool damaged)
{
    counted[row] = {text, damaged};
    emit dataChanged(index(row, 0), index(row, Columns - 1));
}

int HistoryList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries.size());
}

int HistoryList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant HistoryList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) return {};
    const HistoryEntry &e = entries.at(index.row());
    if (role == Qt::ForegroundRole && counted.at(index.row()).damaged)
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case When:
        return historyEntryTimeText(e);
    case Event: {
        const QString note = interrupted.value(e.path);
        //: %1 is the event (e.g. "Before WRITE"), %2 what it was to an interrupted command.
        return note.isEmpty() ? historyEventWords(e.event)
                              : tr("%1 (%2)").arg(historyEventWords(e.event), note);
    }
    case Port:
        return e.port;
    case Differ:
        return counted.at(index.row()).text;
    }
    return {};
}

QVariant HistoryList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char *const titles[] = {
        QT_TRANSLATE_NOOP("HistoryList", "Time"), QT_TRANSLATE_NOOP("HistoryList", "Event"),
        //: The serial port the transmitter was on.
        QT_TRANSLATE_NOOP("HistoryList", "Port"), QT_TRANSLATE_NOOP("HistoryList", "Differs from the form")};
    return section >= 0 && section < Columns ? tr(titles[section]) : QVariant();
}
