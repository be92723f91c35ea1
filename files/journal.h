// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// The journal of a command that replaces the model on the transmitter (WRITE, LOAD, SAVE, RESET,
// DATA RESET): written before its first frame, counted after each, removed once its read-back is
// complete. An entry still there at the next start means the command was cut off, and the
// transmitter may hold part of two models.
//
// Guarantees: an entry is written whole (QSaveFile) or not at all; a damaged entry is reported as
// such and left in place; nothing else in the folder is touched. A failure is returned as a reason,
// never thrown: the command goes on without its journal.
struct JournalEntry {
    QString command; // "WRITE", "LOAD", ...
    QString port;
    QDateTime started;
    QString before;  // the history entry kept by the read before sending; empty if none was kept
    QString sending; // the history entry of the model being sent; empty if it could not be kept
    int framesSent = 0;
    int frameCount = 4;
};

class CommandJournal
{
public:
    explicit CommandJournal(const QString &folder);
    QString path() const { return m_path; }

    bool begin(const JournalEntry &entry, QString *error);
    bool countFrame(QString *error); // one more frame has gone out
    bool end(QString *error);        // the command's outcome is known: the entry goes
    bool isWriting() const { return m_writing; }

    enum class State { None, Open, Damaged };
    struct Found {
        State state = State::None;
        JournalEntry entry; // when Open
        QString why;        // when Damaged
    };
    Found find() const;

private:
    bool write(QString *error);

    QString m_folder;
    QString m_path;
    JournalEntry m_entry;
    bool m_writing = false;
};

// "The last WRITE (started 14:02:11 on ttyUSB0, 1 of 4 frames sent) did not finish."
QString journalSummary(const JournalEntry &entry);
