// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/comparetable.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QVBoxLayout>

CompareTable::CompareTable(QWidget *parent)
    : QWidget(parent), tree(new QTreeWidget(this)), all(new QCheckBox(tr("All", "tick every row"), this)),
      summaryLabel(new QLabel(this))
{
    tree->setObjectName(QStringLiteral("compareRows"));
    all->setObjectName(QStringLiteral("compareAll"));
    summaryLabel->setObjectName(QStringLiteral("compareSummary"));
    tree->setRootIsDecorated(false);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setHeaderLabels({tr("Setting"), QString(), QString()});
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(summaryLabel);
    layout->addWidget(all);
    layout->addWidget(tree);
    connect(all, &QCheckBox::clicked, this, &CompareTable::tickAll);
    connect(tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { emit rowActivated(tree->indexOfTopLevelItem(item)); });
    connect(tree, &QTreeWidget::itemChanged, this, [this] {
        if (updating) return;
        const QVector<int> ticked = tickedRows();
        const QScopedValueRollback<bool> busy(updating, true);
        all->setChecked(!ticked.isEmpty() && ticked.size() == tree->topLevelItemCount());
        emit tickedChanged();
    });
}

void CompareTable::setRows(const QVector<Row> &rows, int equal, const QString &headerA,
                           const QString &headerB)
{
    {
        const QScopedValueRollback<bool> busy(updating, true);
        tree->clear();
        tree->setHeaderLabels({tr("Setting"), headerA, headerB});
        QList<QTreeWidgetItem *> items;
        for (const Row &r : rows) {
            auto *item = new QTreeWidgetItem({r.label, r.a, r.b});
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Checked);
            items << item;
        }
        tree->addTopLevelItems(items);
        if (!items.isEmpty()) tree->setCurrentItem(items.first());
        all->setEnabled(!rows.isEmpty());
        all->setChecked(!rows.isEmpty());
        if (rows.isEmpty())
            //: %n is the number of settings that are the same on both sides.
            summaryLabel->setText(tr("No settings differ (%n are equal).", nullptr, equal));
        else
            //: %n is the number of rows below, %1 the number of settings that are the same on both sides.
            summaryLabel->setText(
                tr("%n setting(s) differ(s), %1 are equal.", nullptr, int(rows.size())).arg(equal));
    }
    emit tickedChanged();
}

void CompareTable::showMessage(const QString &text)
{
    setRows({}, 0, QString(), QString());
    summaryLabel->setText(text);
}

QVector<int> CompareTable::tickedRows() const
{
    QVector<int> rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->checkState(0) == Qt::Checked) rows << i;
    return rows;
}

void CompareTable::setTicked(int row, bool ticked)
{
    if (QTreeWidgetItem *item = tree->topLevelItem(row))
        item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

QString CompareTable::summary() const
{
    return summaryLabel->text();
}

void CompareTable::tickAll(bool on)
{
    {
        const QScopedValueRollback<bool> busy(updating, true);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            tree->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
    emit tickedChanged();
}

void CompareTable::copySelection() const
{
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = tree->topLevelItem(i);
        if (item->isSelected())
            lines << QStringLiteral("%1: %2 -> %3").arg(item->text(0), item->text(1), item->text(2));
    }
    if (!lines.isEmpty())
        QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// Space ticks the current row wherever the view's own handling would not; Ctrl+C copies.
bool CompareTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tree && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if (key->key() == Qt::Key_Space && tree->currentItem()) {
            QTreeWidgetItem *item = tree->currentItem();
            item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
