// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class QCheckBox;
class QLabel;
class QTreeWidget;

// Rows of settings that differ between two models, each with a tick, and a summary line. Arrows move
// between rows, Space ticks the current one, Ctrl+C copies the selected rows as "LABEL: A -> B".
class CompareTable : public QWidget
{
    Q_OBJECT

public:
    struct Row {
        QString label; // as the pilot finds the setting on the form
        QString a, b;  // its two values as the form shows them
    };

    explicit CompareTable(QWidget *parent = nullptr);

    // New rows, all ticked; `equal` settings were the same. `headerA`/`headerB` name the two sides.
    void setRows(const QVector<Row> &rows, int equal, const QString &headerA, const QString &headerB);
    // Says `text` in place of rows (nothing chosen, a damaged entry).
    void showMessage(const QString &text);
    // The indexes of the ticked rows, ascending.
    QVector<int> tickedRows() const;
    void setTicked(int row, bool ticked);
    QString summary() const;

signals:
    void tickedChanged();
    // A row double-clicked or entered.
    void rowActivated(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void copySelection() const;
    void tickAll(bool on);

    QTreeWidget *tree;
    QCheckBox *all;
    QLabel *summaryLabel;
    bool updating = false;
};
