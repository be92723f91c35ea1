// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include "params/parameterset.h"

#include <optional>

class QWidget;
struct JournalEntry;

// At OPEN, while a command that replaced the model was cut off: Restore the earlier model (the
// default), Send it again, or Not now (Escape). `noRestore` says why Restore is greyed, if it is.
enum class RecoveryChoice { Restore, Resend, NotNow };
RecoveryChoice askRecovery(QWidget *parent, const JournalEntry &entry, const QString &noRestore);

// What the pilot chose to send for a command cut off: the model, the undo step's name and the notice
// once it is checked. Nothing when Not now was chosen or the model cannot be read (said in a Note).
struct RecoveryPlan {
    ParameterSet model;
    QString step;
    QString done;
};
std::optional<RecoveryPlan> planRecovery(QWidget *parent, const JournalEntry &entry);

// At start, for edits an ended instance neither sent nor saved: Restore (the default), Discard, or
// Escape to keep them for the next start.
enum class DraftChoice { Restore, Discard, Keep };
DraftChoice askDraft(QWidget *parent, const QDateTime &editedAt);
