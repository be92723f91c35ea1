// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class QWidget;
struct JournalEntry;

// At OPEN, while a command that replaced the model was cut off: Restore the earlier model (the
// default), Send it again, or Not now (Escape). `noRestore` says why Restore is greyed, if it is.
enum class RecoveryChoice { Restore, Resend, NotNow };
RecoveryChoice askRecovery(QWidget *parent, const JournalEntry &entry, const QString &noRestore);

// At start, for edits an ended instance neither sent nor saved: Restore (the default), Discard, or
// Escape to keep them for the next start.
enum class DraftChoice { Restore, Discard, Keep };
DraftChoice askDraft(QWidget *parent, const QDateTime &editedAt);
