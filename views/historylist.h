// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/history.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QVector>

// The history's entries as rows (time, event, port, how they differ from the form). Texts are made
// as the view asks for the rows it shows, so a thousand entries list as fast as ten.
class HistoryList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { When, Event, Port, Differ, Columns };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(const QVector<HistoryEntry> &list);
    const HistoryEntry &entry(int row) const { return entries.at(row); }
    // True when `list` names the same entries, with the same port and versions, in the same order.
    bool sameEntries(const QVector<HistoryEntry> &list) const;
    // "3 settings", "equal", or why the entry cannot be read (the row is then greyed).
    void setDifference(int row, const QString &text, bool damaged);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Counted {
        QString text;
        bool damaged = false;
    };
    QVector<HistoryEntry> entries;
    QVector<Counted> counted;
    QHash<QString, QString> interrupted; // path -> what it was to an interrupted command
};
