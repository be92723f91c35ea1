// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/history.h"
#include "params/namedfields.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>

#include <functional>
#include <optional>

class CompareTable;
class HistoryList;
class QPushButton;
class QTreeView;

// The models kept in the history, newest first, beside the form: one entry chosen shows how it
// differs from the form, two how they differ from each other. Restore puts the ticked settings of one
// entry into the form (nothing is sent). The list follows the folder; entries are read only as they
// are chosen or as their differences are counted, a few per turn of the event loop.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // What the window needs of the form.
    struct Form {
        std::function<ParameterSet()> values;
        std::function<void(const ParameterSet &, const QVector<const NamedField *> &)> restore;
    };

    HistoryWindow(const QString &folder, Form form, QWidget *parent = nullptr);

    // Lists the folder again; the differences are counted afresh.
    void reload();
    // True once every entry's differences from the form are counted.
    bool counted() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Read {
        std::optional<ParameterSet> set;
        QString why; // why it cannot be read
    };
    void showEntries(const QVector<HistoryEntry> &entries);
    const Read &entry(int row);
    void countSome();
    void showChoice();
    QVector<int> chosenRows() const; // ascending
    void restoreTicked();
    void saveAs();

    HistoryStore store;
    Form form;
    HistoryList *rows;
    QHash<QString, Read> readEntries; // by path
    QTreeView *list;
    CompareTable *table;
    QPushButton *restoreButton, *saveButton;
    QFileSystemWatcher watcher;
    QTimer counter;
    int nextToCount = 0;
    bool listPainted = false;                  // counting starts once the list has been drawn
    QVector<const NamedField *> shownSettings; // the table's rows
};
