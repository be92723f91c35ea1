// SPDX-License-Identifier: GPL-3.0-or-later
// Drafts of the pilot's edits, so that a crash, a kill or a logout loses none of them.
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "app/recoveryquestion.h"
#include "files/fileslog.h"
#include "params/settingsdiff.h"

#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace {
// A draft follows the edits by at most this much, and is never written more often.
constexpr int kDraftDelayMs = 2000;
} // namespace

void MainWindow::setUpDrafts()
{
    draftTimer = new QTimer(this);
    draftTimer->setSingleShot(true);
    draftTimer->setInterval(kDraftDelayMs);
    connect(draftTimer, &QTimer::timeout, this, &MainWindow::keepDraft);
    QUndoStack &stack = document.undo.stack();
    // Every step, undo and redo moves the index; received values and the display pass never do.
    connect(&stack, &QUndoStack::indexChanged, this, [this] {
        if (document.undo.pending() && !draftTimer->isActive()) draftTimer->start();
    });
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!clean) return;
        draftTimer->stop();
        drafts.remove();
    });
    sayUnfinishedCommand();
    QTimer::singleShot(0, this, &MainWindow::offerDrafts);
}

void MainWindow::keepDraft()
{
    if (!document.undo.pending()) return;
    Draft draft;
    draft.time = QDateTime::currentDateTime();
    draft.port = transmitter.isOpen() ? transmitter.portName() : ui->portNameBox->currentText();
    for (const NamedField *f : document.undo.pendingSettings()) draft.edited << QLatin1String(f->name);
    draft.settings = params;
    QString error;
    if (!drafts.write(draft, &error))
        warnOnce(
            QStringLiteral("Edits not kept as a draft in %1").arg(QDir::toNativeSeparators(drafts.folder())),
            error);
}

void MainWindow::offerDrafts()
{
    for (const DraftStore::Orphan &orphan : drafts.takeOrphans()) {
        if (!orphan.draft) {
            noticeBar()->post(
                QStringLiteral("A draft of earlier edits is damaged (%1): %2. It was left in place.")
                    .arg(orphan.why, QDir::toNativeSeparators(drafts.folder() + QLatin1Char('/') + orphan.id +
                                                              QStringLiteral(".draft"))),
                NoticeBar::Tone::Warning, 0);
            drafts.releaseOrphan(orphan.id);
            continue;
        }
        switch (askDraft(this, orphan.draft->time)) {
        case DraftChoice::Restore: {
            // Every setting of the draft, not the edited ones alone: the rest of that form came from a
            // model, and a WRITE of the edits over start-up values would replace it.
            const QVector<const NamedField *> differing =
                compareFormSettings(params, orphan.draft->settings).differing;
            takeSettings(orphan.draft->settings, differing, QStringLiteral("Restore draft"));
            drafts.discardOrphan(orphan.id);
            break;
        }
        case DraftChoice::Discard:
            drafts.discardOrphan(orphan.id);
            break;
        case DraftChoice::Keep:
            drafts.releaseOrphan(orphan.id);
            break;
        }
    }
}

void MainWindow::endWithoutAsking()
{
    if (endingWithoutAsking) return;
    endingWithoutAsking = true;
    keepDraft();
    keepDraftAtExit = true;
    // What is on the line finishes, then "DIS"; a command under way stops there, its journal open.
    transmitter.close();
    QCoreApplication::exit(0);
}

void MainWindow::keepDraftForLogout()
{
    keepDraft();
    keepDraftAtExit = true;
}
