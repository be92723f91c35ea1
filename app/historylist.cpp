// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/historylist.h"

#include <QApplication>
#include <QPalette>

void HistoryList::setEntries(const QVector<HistoryEntry> &list)
{
    beginResetModel();
    entries = list;
    counted = QVector<Counted>(list.size());
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
    case Event:
        return historyEventWords(e.event);
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
    static const char *const titles[] = {"Time", "Event", "Port", "Differs from the form"};
    return section >= 0 && section < Columns ? tr(titles[section]) : QVariant();
}
