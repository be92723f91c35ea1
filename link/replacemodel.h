// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/history.h"
#include "files/journal.h"
#include "link/textframes.h"
#include "link/transmittersession.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <functional>
#include <optional>

// One way to replace the model on the transmitter, for the window and txconfig-cli alike:
//   read what it holds into a scratch copy and keep it in the history (`before`),
//   let the caller change its set (LOAD's look, RESET's factory values),
//   open the journal with the model being sent, send the frames paced (and "WWW"),
//   read back and keep what it holds (`after`), close the journal.
// A link that is not open replaces nothing: no read, no journal, the frames' pacing alone.
struct ReplaceRequest {
    ReplaceRequest(const QString &command, HistoryEvent before, HistoryEvent after)
        : command(command), before(before), after(after)
    {
    }
    QString command; // as the journal and the recovery question name it: "WRITE", "LOAD", ...
    HistoryEvent before;
    HistoryEvent after;
    QVector<TextFrame> frames{std::begin(kSendOrder), std::end(kSendOrder)};
    bool store = true;  // "WWW" after the frames (SAVE sends none)
    bool backup = true; // read and keep first
    bool verify = true; // read back afterwards
    ReadWaits waits{500, 500, 300, true, true};
    // The journal's earlier model when it is not the one read first: a recovery keeps naming the
    // model from before the interrupted command, not the mixed one it found.
    std::optional<QString> journalBefore;
};

struct ReplaceHooks {
    // The read before sending was not complete: true to send without a copy.
    std::function<bool(TransmitterSession::ReadEnd)> sendWithoutCopy;
    // A model the transmitter is known to hold (the read first, a complete read-back).
    std::function<void(const ParameterSet &)> known;
    // After the read, before anything is sent: false sends nothing.
    std::function<bool()> beforeSending;
    // Before each frame is built from the set (RESET centres the trims before I).
    std::function<void(TextFrame, int index, int count)> beforeFrame;
    // After the frames (and "WWW"), before the read-back (SAVE commits its file): false skips it.
    std::function<bool()> afterSending;
    // A copy or the journal could not be written; the command goes on.
    std::function<void(const QString &what, const QString &why)> warn;
};

struct ReplaceOutcome {
    enum class Stage {
        Interrupted, // the link went (or a close waits) before anything was sent
        Declined,    // the pilot or the caller chose not to send
        Sent,        // the frames went out (check says what came back)
    };
    Stage stage = Stage::Interrupted;
    TransmitterSession::ReadEnd beforeEnd = TransmitterSession::ReadEnd::Interrupted;
    QVector<int> beforeLacking;         // frame numbers the read first lacked
    std::optional<ParameterSet> before; // what the transmitter held, when that read was complete
    int framesSent = 0;
    bool checked = false; // a read-back was made and answered or not
    TransmitterSession::SendCheck check;
    std::optional<ParameterSet> after; // what it holds, when the read-back was complete
    bool linkLost = false;             // the link was gone at the end
};

// The history and journal are those of the caller; `set` is the one the frames are built from, each
// at its own moment, so a window's edits made during the waits go out.
ReplaceOutcome replaceModel(TransmitterSession &session, ParameterSet &set, const ReplaceRequest &request,
                            const ReplaceHooks &hooks, HistoryStore &history, CommandJournal *journal);
