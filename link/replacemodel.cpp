// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/replacemodel.h"

#include <QCoreApplication>

namespace {

using ReadEnd = TransmitterSession::ReadEnd;

struct Replacement {
    TransmitterSession &session;
    ParameterSet &set;
    const ReplaceRequest &request;
    const ReplaceHooks &hooks;
    HistoryStore &history;
    CommandJournal *journal;
    ReplaceOutcome outcome;
    QString beforePath;
    QString sendingPath; // written by this command, so removed by it once the command is done

    void warn(const QString &what, const QString &why) const
    {
        if (hooks.warn) hooks.warn(what, why);
    }

    QString keep(const ParameterSet &model, HistoryEvent event, bool *written = nullptr)
    {
        QString error, path;
        const HistoryStore::Kept kept =
            history.keep(model, event, session.portName(), &error, QDateTime::currentDateTime(), &path);
        //: A notice's start; ": " and the reason follow.
        if (kept == HistoryStore::Kept::Failed)
            warn(QCoreApplication::translate("FileErrors", "History not kept"), error);
        if (written) *written = kept == HistoryStore::Kept::Written;
        return path;
    }

    bool readFirst()
    {
        ParameterSet scratch;
        outcome.beforeEnd = session.read(scratch, request.waits);
        if (outcome.beforeEnd == ReadEnd::Interrupted) return false;
        if (outcome.beforeEnd == ReadEnd::Complete) {
            outcome.before = historySettings(scratch, set, session.liveTrims());
            beforePath = keep(*outcome.before, request.before);
            if (hooks.known) hooks.known(*outcome.before);
            return true;
        }
        outcome.beforeLacking = session.answer().lacking();
        const bool anyway = hooks.sendWithoutCopy && hooks.sendWithoutCopy(outcome.beforeEnd);
        if (!session.isOpen()) return false; // lost while the pilot looked: Interrupted
        if (!anyway) outcome.stage = ReplaceOutcome::Stage::Declined;
        return anyway;
    }

    void beginJournal()
    {
        if (!journal) return;
        JournalEntry entry;
        entry.command = request.command;
        entry.port = session.portName();
        entry.started = QDateTime::currentDateTime();
        entry.before = request.journalBefore.value_or(beforePath);
        entry.frameCount = int(request.frames.size());
        bool written = false;
        entry.sending = keep(set, HistoryEvent::Sending, &written);
        if (written) sendingPath = entry.sending;
        // Without a copy of the model being sent (its failure said) the journal still tells of a cut-off.
        QString error;
        //: A notice's start; ": " and the reason follow.
        if (!journal->begin(entry, &error))
            warn(QCoreApplication::translate("FileErrors", "Journal not written"), error);
    }

    void send()
    {
        const int count = int(request.frames.size());
        for (int i = 0; i < count; ++i) {
            const TextFrame frame = request.frames[i];
            if (hooks.beforeFrame) hooks.beforeFrame(frame, i, count);
            session.sendFrame(frame, set, [&] {
                ++outcome.framesSent;
                QString error;
                if (journal && !journal->countFrame(&error))
                    warn(QCoreApplication::translate("FileErrors", "Journal not written"), error);
            });
        }
        if (request.store) session.endSend();
    }

    void closeJournal()
    {
        QString error;
        if (journal && !journal->end(&error)) {
            //: A notice's start; ": " and the reason follow.
            warn(QCoreApplication::translate("FileErrors", "Journal not closed"), error);
            return;
        }
        if (!sendingPath.isEmpty()) history.removeSending(sendingPath);
    }

    void readBack()
    {
        outcome.checked = true;
        outcome.check = session.checkSent(request.frames, request.waits);
        if (outcome.check.end != ReadEnd::Complete) return; // the journal stays: nothing is known
        outcome.after = historySettings(outcome.check.held, set, session.liveTrims());
        keep(*outcome.after, request.after);
        if (hooks.known) hooks.known(*outcome.after);
        closeJournal();
    }

    ReplaceOutcome run()
    {
        const bool open = session.isOpen();
        if (open && request.backup && !readFirst()) return outcome;
        if (hooks.beforeSending && !hooks.beforeSending()) {
            outcome.stage = ReplaceOutcome::Stage::Declined;
            return outcome;
        }
        if (open && !session.isOpen()) return outcome; // lost while the pilot looked
        if (!open) journal = nullptr;                  // nothing on the transmitter is replaced
        beginJournal();
        outcome.stage = ReplaceOutcome::Stage::Sent;
        send();
        const bool whole = session.isOpen() && outcome.framesSent == int(request.frames.size());
        if (hooks.afterSending && !hooks.afterSending()) {
            // The frames are all there; only the caller's own step failed, and it says so.
            if (whole) closeJournal();
        } else if (request.verify && session.isOpen()) {
            readBack();
        } else if (whole && !request.verify) {
            closeJournal();
        }
        outcome.linkLost = open && !session.isOpen();
        return outcome;
    }
};

} // namespace

ReplaceOutcome replaceModel(TransmitterSession &session, ParameterSet &set, const ReplaceRequest &request,
                            const ReplaceHooks &hooks, HistoryStore &history, CommandJournal *journal)
{
    return Replacement{session, set, request, hooks, history, journal, {}, {}, {}}.run();
}
