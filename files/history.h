// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

// Every model the tool has seen on the transmitter, kept without asking: one ordinary parameter file
// per entry (what SAVE writes), named YYYYMMDD-HHMMSS-mmm-EVENT.txt in local time so that names sort
// by time, in one folder. What a parameter file cannot hold (the port, the program's and the
// transmitter's versions) is a line of index.tsv beside them.
//
// Guarantees: an entry is whole or absent; an entry equal to the newest is not written again; at most
// kKeep entries stay, the oldest removed first; nothing but an entry that reads as a parameter file is
// ever removed. A failure is returned as a reason, never thrown: the command that keeps goes on.

enum class HistoryEvent {
    Read,
    BeforeWrite,
    Written,
    BeforeLoad,
    Loaded,
    BeforeSave,
    Saved,
    BeforeReset,
    Reset,
    BeforeDataReset,
    DataReset,
    Sending,     // the model a command is sending, named by its journal entry
    Interrupted, // what the transmitter held when an interrupted command was recovered
};

struct HistoryEntry;
// The entry's time, and as the pilot reads it ("2026-12-08 09:15:02"). Made from the name when asked
// for: a thousand QDateTimes in local time are a good part of listing a full history.
QDateTime historyEntryTime(const HistoryEntry &entry);
QString historyEntryTimeText(const HistoryEntry &entry);

// "before-write": the event as it stands in an entry's name.
QString historyEventToken(HistoryEvent event);
std::optional<HistoryEvent> historyEventFromToken(const QString &token);
// "Before WRITE": the event in the pilot's words, in the language of the moment.
QString historyEventWords(HistoryEvent event);
// The same in English, for the companion's listing, which scripts may read.
QString historyEventEnglishWords(HistoryEvent event);

struct HistoryEntry {
    QString path;
    QString stamp; // the name's "YYYYMMDD-HHMMSS-mmm", local time
    HistoryEvent event = HistoryEvent::Read;
    QString port;               // from the index; empty when it has no line for the entry
    QString programVersion;     // likewise
    QString transmitterVersion; // likewise
};

// A read's answer as an entry keeps it. No block carries the dual-rate view (DR_CH, DR_UP1, DR_DOWN1)
// or the stick trims: the view is the form's channel over the answer's rates, the trims what
// telemetry last reported, else the form's.
ParameterSet historySettings(const ParameterSet &answer, const ParameterSet &form,
                             const std::optional<std::array<int, 4>> &trims);

class HistoryStore
{
public:
    static constexpr int kKeep = 1000;

    // TXCONFIG_HISTORY_DIR if set, else $XDG_DATA_HOME/txconfig/history.
    static QString defaultFolder();
    explicit HistoryStore(const QString &folder = defaultFolder()) : m_folder(folder) {}
    QString folder() const { return m_folder; }

    enum class Kept { Written, SameAsNewest, Failed };
    // Keeps `set` as an entry of `event` taken at `when` from `port`; on failure `error` says why.
    // `path`, if given, names the entry that holds `set` (the newest, when it was the same).
    Kept keep(const ParameterSet &set, HistoryEvent event, const QString &port, QString *error,
              const QDateTime &when = QDateTime::currentDateTime(), QString *path = nullptr);

    // Removes an entry of a model being sent, once its command is done; nothing else.
    bool removeSending(const QString &path);

    // The entries, newest first, from their names and the index (no entry is read).
    QVector<HistoryEntry> entries() const;
    // The same from the index alone, without listing the folder: what entries() gives while nothing but
    // this program has touched the folder, for a first look before the listing.
    QVector<HistoryEntry> indexedEntries() const;
    // Files in the folder that are not entries, by name.
    QStringList foreignFiles() const;
    // The N-th newest entry (1 the newest); empty if there are fewer.
    QString entryPath(int n) const;

    // The entry's settings; empty with `why` set when it is damaged (cut short, not a parameter file).
    static std::optional<ParameterSet> readEntry(const QString &path, QString *why);

private:
    bool makeFolder(QString *error) const;
    QStringList entryNames() const; // oldest first
    // `names` oldest first, their port and versions from `index`.
    QVector<HistoryEntry> entriesNamed(const QStringList &names,
                                       const QHash<QString, QStringList> &index) const;
    void prune();

    QString m_folder;
};
