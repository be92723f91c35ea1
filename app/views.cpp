// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compareviews.h"
#include "app/languagemenu.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "files/language.h"
#include "params/pilotlabels.h"
#include "params/settingsdiff.h"
#include "ui_mainwindow.h"
#include "views/historywindow.h"
#include "views/monitorviews.h"
#include "views/viewscorner.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

// The views beside the form, from the button in the tab bar's free corner, each with its key.
void MainWindow::setUpViews()
{
    const ViewsCorner corner = addViewsCorner(ui->tabWidget);
    QAction *history = corner.menu->addAction(tr("History..."), this, &MainWindow::showHistory);
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    history->setShortcutContext(Qt::WindowShortcut);
    addAction(history); // the key works wherever focus is in the window
    monitor = new MonitorViews(transmitter, this, corner.menu, [this](const QString &text) {
        commands.notices()->post(text, NoticeBar::Tone::Warning, 0);
    });
    setUpFindAndSheet(corner.menu);
    compare = new CompareViews(document, this, ui->tabWidget, corner.menu, corner.count, [this] {
        Dr_DataSelet();
        ui_Display();
    });
    commands.setCompare(compare);
    corner.menu->addSeparator();
    addLanguageMenu(corner.menu, languageOwnName(spokenLanguage()),
                    [this](const QString &text) { commands.notices()->post(text); });
}

void MainWindow::showHistory()
{
    if (!historyWindow) {
        HistoryWindow::Form form;
        form.values = [] { return params; };
        // Into the form only: the title shows the edit, and WRITE sends it.
        form.restore = [this](const ParameterSet &from, const QVector<const NamedField *> &settings) {
            compare->take(from, settings, tr("Restore from history"));
        };
        historyWindow = new HistoryWindow(commands.history().folder(), form, this);
    }
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}
