// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery of a replacement that was cut off: said at start, offered at OPEN.
#include "app/compareviews.h"
#include "app/modelcommands.h"
#include "app/noticebar.h"
#include "app/recoveryquestion.h"
#include "files/statefolder.h"
#include "params/namedfields.h"
#include "params/trimlock.h"
#include <QCoreApplication>

void ModelCommands::sayUnfinishedCommand()
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Open)
        //: %1 is the command's name as on its button (WRITE, LOAD...).
        notices()->post(QCoreApplication::translate(
                            "Recovery", "The last %1 did not finish; open the port to check the transmitter.")
                            .arg(found.entry.command),
                        NoticeBar::Tone::Warning, 0);
    else if (found.state == CommandJournal::State::Damaged)
        //: %1 says what is wrong with the file, %2 is its path.
        notices()->post(QCoreApplication::translate(
                            "Recovery", "The journal of an earlier command is damaged (%1): %2. It was left "
                                        "in place.")
                            .arg(found.why, CommandJournal(stateFolder()).path()),
                        NoticeBar::Tone::Warning, 0);
}

void ModelCommands::offerRecovery()
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Damaged) sayUnfinishedCommand();
    if (found.state != CommandJournal::State::Open) return;
    const std::optional<RecoveryPlan> plan = planRecovery(window, found.entry);
    if (!plan || !session.isOpen()) return; // asked again at the next OPEN
    const CommandGuard command(gate);
    const TrimLock trims(set);
    session.holdOff(); // as after a button: the transmitter settles after "OK"
    // As a LOAD of that entry: the form takes it as one step, then it goes out and is checked.
    QVector<const NamedField *> all;
    for (const NamedField &f : kNamedFields) all << &f;
    compare->take(plan->model, all, plan->step);
    ReplaceRequest request{QStringLiteral("LOAD"), HistoryEvent::Interrupted, HistoryEvent::Loaded};
    request.journalBefore = found.entry.before; // cut off again, the model from before the first is offered
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        sent = document.undo.mark();
        return true;
    };
    if (sayReadBack(replace(request, hooks), plan->done)) {
        document.source = FormSource::Model;
        document.undo.settle(sent);
    }
}
