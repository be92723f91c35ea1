// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/historywindow.h"
#include "app/mainwindow.h"
#include "params/editorbindings.h"
#include "params/pilotlabels.h"
#include "params/settingsdiff.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace {

// The combo box that shows a field, if one does: its item texts are the values as the pilot knows them.
QComboBox *choiceBoxOf(const Ui::MainWindow &ui, IntField field)
{
#define TX_BOX(group, prefix, name, f) TX_BOX_##prefix(name, f)
#define TX_BOX_comboBox(name, f)                                                                             \
    if (field == &ParameterSet::f) return ui.comboBox_##name;
#define TX_BOX_spinBox(name, f)
#define TX_BOX_doubleSpinBox(name, f)
#define TX_NO_BOX(...)
    TX_EDITOR_BINDINGS(TX_BOX, TX_BOX, TX_BOX, TX_NO_BOX)
#undef TX_NO_BOX
#undef TX_BOX_doubleSpinBox
#undef TX_BOX_spinBox
#undef TX_BOX_comboBox
#undef TX_BOX
    return nullptr;
}

} // namespace

// One button in the tab bar's free corner: the views that sit beside the form, each with its key.
void MainWindow::setUpViews()
{
    auto *corner = new QWidget(ui->tabWidget);
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 0, 0);
    auto *count = new QToolButton(corner);
    count->setObjectName(QStringLiteral("pendingCount"));
    count->setToolTip(QStringLiteral("Show the settings the transmitter does not hold (Ctrl+D)"));
    count->setFocusPolicy(Qt::NoFocus);
    // A small plain font, set rather than inherited (the tab captions' large bold one would win): in
    // two lines the count leaves the tab bar room for every tab.
    QFont plain = QApplication::font();
    plain.setFamily(plain.family());
    plain.setPointSize(8);
    plain.setBold(false);
    count->setFont(plain);
    count->setStyleSheet(QStringLiteral("color: rgb(255, 190, 40);")); // the markers' amber
    count->hide();
    auto *views = new QToolButton(corner);
    views->setObjectName(QStringLiteral("viewsButton"));
    views->setText(QStringLiteral("Views"));
    views->setToolTip(QStringLiteral("Windows beside the form"));
    views->setPopupMode(QToolButton::InstantPopup);
    // Out of the Tab chain, which runs through the form as it always has; the keys reach every view.
    views->setFocusPolicy(Qt::NoFocus);
    auto *menu = new QMenu(views);
    QAction *history = menu->addAction(QStringLiteral("History..."), this, &MainWindow::showHistory);
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    history->setShortcutContext(Qt::WindowShortcut);
    addAction(history); // the key works wherever focus is in the window
    addMonitorActions(menu);
    setUpFindAndSheet(menu);
    views->setMenu(menu);
    row->addWidget(count);
    row->addWidget(views);
    ui->tabWidget->setCornerWidget(corner, Qt::TopRightCorner);
    setUpChanges(menu, count);
}

QString MainWindow::formValueText(const NamedField &f, int stored) const
{
    const QComboBox *box = f.volts ? nullptr : choiceBoxOf(*ui, f.field);
    return box && stored >= 0 && stored < box->count() ? box->itemText(stored) : pilotValue(f, stored);
}

void MainWindow::showHistory()
{
    if (!historyWindow) {
        HistoryWindow::Form form;
        form.values = [] { return params; };
        form.show = [this](const NamedField &f, int stored) { return formValueText(f, stored); };
        // Into the form only: the title shows the edit, and WRITE sends it.
        form.restore = [this](const ParameterSet &from, const QVector<const NamedField *> &settings) {
            takeSettings(from, settings, QStringLiteral("Restore from history"));
        };
        historyWindow = new HistoryWindow(history.folder(), form, this);
    }
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}
