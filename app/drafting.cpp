// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drafts of unsaved edits, and its end without a question.
#include "app/compareviews.h"
#include "app/draftkeeper.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "files/statefolder.h"
#include "params/settingsdiff.h"

#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QTimer>

void MainWindow::setUpDrafts()
{
    DraftKeeper::Window window;
    window.widget = this;
    window.port = [this] {
        return transmitter.isOpen() ? transmitter.portName() : ui->portNameBox->currentText();
    };
    // Every setting of the draft, not the edited ones alone: the rest of that form came from a model,
    // and a WRITE of the edits over start-up values would replace it.
    window.restore = [this](const ParameterSet &draft) {
        compare->take(draft, compareFormSettings(params, draft).differing,
                      QCoreApplication::translate("Recovery", "Restore draft"));
    };
    window.warn = [this](const QString &what, const QString &why) { commands.warnOnce(what, why); };
    window.notice = [this](const QString &text) {
        commands.notices()->post(text, NoticeBar::Tone::Warning, 0);
    };
    drafts = new DraftKeeper(document.undo, params, window, stateFolder() + QStringLiteral("/drafts"));
    drafts->setParent(this);
    commands.sayUnfinishedCommand();
    QTimer::singleShot(0, drafts, &DraftKeeper::offerOrphans);
}

void MainWindow::endWithoutAsking()
{
    if (std::exchange(endingWithoutAsking, true)) return;
    keepDraftForLogout();
    // What is on the line finishes, then "DIS"; a command under way stops there, its journal open.
    transmitter.close();
    QCoreApplication::exit(0);
}

void MainWindow::keepDraftForLogout()
{
    drafts->keepNow();
    drafts->keepAtExit();
}
