// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QVector>

#include <map>
#include <memory>
#include <optional>

// Drafts of edits neither sent nor saved, one per running instance, so that a crash, a kill or a
// logout loses none of them. Each instance holds a QLockFile beside its draft; a draft whose lock is
// stale (its process is gone) is an orphan, offered back at the next start. An orphan being offered
// is locked by the instance offering it, so two instances never take the same one.
//
// Files, in the state folder's drafts/: ID.lock, ID.txt (the form's settings as a parameter file, so
// that LOAD takes it as it is) and ID.draft (the time, the port, the settings edited, written last).
struct Draft {
    QString id;
    QDateTime time;
    QString port;
    QStringList edited; // the settings' names, as parameter files and the companion name them
    ParameterSet settings;
};

class DraftStore
{
public:
    explicit DraftStore(const QString &folder);
    ~DraftStore();
    QString folder() const { return m_folder; }

    // Takes this instance's lock; false (and `error`) when the folder or lock cannot be made.
    bool claim(QString *error);
    bool write(const Draft &draft, QString *error);
    // This instance's draft goes (the edits are safe or discarded).
    void remove();
    bool hasDraft() const { return m_written; }

    struct Orphan {
        QString id;
        std::optional<Draft> draft; // empty when damaged
        QString why;                // why it is damaged
    };
    // Drafts whose instance is gone, oldest first; each stays locked by this store until let go.
    QVector<Orphan> takeOrphans();
    void discardOrphan(const QString &id); // its files go
    void releaseOrphan(const QString &id); // kept for the next start

private:
    QString path(const QString &id, const char *suffix) const;
    void removeFiles(const QString &id);

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_orphanLocks;
    bool m_written = false;
};

// Reads a draft's files; empty with `why` set when they are cut short or foreign.
std::optional<Draft> readDraft(const QString &folder, const QString &id, QString *why);
