// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "params/pilotlabels.h"
#include "params/settingsdiff.h"
#include "ui_mainwindow.h"
#include "views/historywindow.h"
#include "views/monitorviews.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

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
    monitor = new MonitorViews(transmitter, this, menu, [this](const QString &text) {
        noticeBar()->post(text, NoticeBar::Tone::Warning, 0);
    });
    setUpFindAndSheet(menu);
    views->setMenu(menu);
    row->addWidget(count);
    row->addWidget(views);
    ui->tabWidget->setCornerWidget(corner, Qt::TopRightCorner);
    setUpChanges(menu, count);
}

void MainWindow::showHistory()
{
    if (!historyWindow) {
        HistoryWindow::Form form;
        form.values = [] { return params; };
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
