// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of replacing the model on the transmitter: its question when no copy can be
// kept, its notices, and the recovery of a replacement that was cut off.
#include "app/askfirst.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "app/recoveryquestion.h"
#include "files/fileslog.h"
#include "files/statefolder.h"
#include "link/readbacknote.h"
#include "params/namedfields.h"
#include "params/trimlock.h"

ReplaceOutcome MainWindow::replaceOnTransmitter(ReplaceRequest request, ReplaceHooks hooks)
{
    hooks.sendWithoutCopy = [this](TransmitterSession::ReadEnd) {
        return askFirst(this,
                        QStringLiteral("The transmitter's current settings could not be read, so no copy of "
                                       "them can be kept before they are replaced."),
                        QStringLiteral("Send anyway")) &&
               linkIsOpenOrAsk();
    };
    hooks.known = [this](const ParameterSet &held) { knowTransmitter(held); };
    hooks.warn = [this](const QString &what, const QString &why) { warnOnce(what, why); };
    CommandJournal journal(stateFolder());
    return replaceModel(transmitter, params, request, hooks, history, &journal);
}

bool MainWindow::sayReadBack(const ReplaceOutcome &done, const QString &doneText)
{
    // Not sent, not checked, or the link went: each of those has been said already, or the window closes.
    if (done.stage != ReplaceOutcome::Stage::Sent || !done.checked ||
        done.check.end == TransmitterSession::ReadEnd::Interrupted)
        return false;
    if (done.check.clean()) {
        noticeBar()->post(doneText);
        return true;
    }
    note(readBackNote(done.check, transmitter.answer()));
    return false;
}

void MainWindow::warnOnce(const QString &what, const QString &why)
{
    // The command goes on: a copy or a journal not kept must not cost the pilot the command.
    if (warned.contains(what)) return;
    warned.insert(what);
    qCWarning(lcFiles, "%s: %s", qPrintable(what), qPrintable(why));
    noticeBar()->post(QStringLiteral("%1: %2").arg(what, why), NoticeBar::Tone::Warning);
}

void MainWindow::sayUnfinishedCommand()
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Open)
        noticeBar()->post(
            QStringLiteral("The last %1 did not finish; open the port to check the transmitter.")
                .arg(found.entry.command),
            NoticeBar::Tone::Warning, 0);
    else if (found.state == CommandJournal::State::Damaged)
        noticeBar()->post(QStringLiteral("The journal of an earlier command is damaged (%1): %2. It was left "
                                         "in place.")
                              .arg(found.why, CommandJournal(stateFolder()).path()),
                          NoticeBar::Tone::Warning, 0);
}

void MainWindow::offerRecovery()
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Damaged) sayUnfinishedCommand();
    if (found.state != CommandJournal::State::Open) return;
    const std::optional<RecoveryPlan> plan = planRecovery(this, found.entry);
    if (!plan || !transmitter.isOpen()) return; // asked again at the next OPEN
    const CommandGuard command(commandGate);
    const TrimLock trims(params);
    transmitter.holdOff(); // as after a button: the transmitter settles after "OK"
    // As a LOAD of that entry: the form takes it as one step, then it goes out and is checked.
    QVector<const NamedField *> all;
    for (const NamedField &f : kNamedFields) all << &f;
    takeSettings(plan->model, all, plan->step);
    ReplaceRequest request{QStringLiteral("LOAD"), HistoryEvent::Interrupted, HistoryEvent::Loaded};
    request.journalBefore = found.entry.before; // cut off again, the model from before the first is offered
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        sent = document.undo.mark();
        return true;
    };
    if (sayReadBack(replaceOnTransmitter(request, hooks), plan->done)) {
        document.source = FormSource::Model;
        settleEdits(sent);
    }
}
