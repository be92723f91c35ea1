// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/drafts.h"

#include "files/keyvaluefile.h"
#include "files/paramfile.h"
#include "files/statefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
const QByteArray kHead = QByteArrayLiteral("txconfig-draft 1");
constexpr char kDamaged[] = QT_TRANSLATE_NOOP("FileErrors", "cut short or not a txconfig draft");
} // namespace

DraftStore::DraftStore(const QString &folder) : m_folder(folder) {}

DraftStore::~DraftStore() = default;

QString DraftStore::path(const QString &id, const char *suffix) const
{
    return m_folder + QLatin1Char('/') + id + QLatin1String(suffix);
}

bool DraftStore::claim(QString *error)
{
    if (m_lock) return true;
    if (!makeStateFolder(m_folder, error)) return false;
    // The process and the moment: a PID reused by a later instance still gets a name of its own.
    m_id = QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QDateTime::currentMSecsSinceEpoch());
    auto lock = std::make_unique<QLockFile>(path(m_id, ".lock"));
    lock->setStaleLockTime(0); // only a process that is gone makes a lock stale, never its age
    if (!lock->tryLock(0)) {
        //: %1 is the lock file's path.
        *error = QCoreApplication::translate("FileErrors", "cannot lock %1")
                     .arg(QDir::toNativeSeparators(path(m_id, ".lock")));
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

bool DraftStore::write(const Draft &draft, QString *error)
{
    if (!claim(error)) return false;
    ParameterSet settings = draft.settings;
    // The settings first: the description names a file that is already whole.
    if (!commitBytes(path(m_id, ".txt"), parameterFileBytes(settings), error) ||
        !writeKeyValueFile(path(m_id, ".draft"), kHead,
                           {{"time", draft.time.toString(Qt::ISODate)},
                            {"port", draft.port},
                            {"edited", draft.edited.join(QLatin1Char(','))}},
                           error))
        return false;
    m_written = true;
    return true;
}

void DraftStore::remove()
{
    if (!m_written) return;
    removeFiles(m_id);
    m_written = false;
}

void DraftStore::removeFiles(const QString &id)
{
    QFile::remove(path(id, ".draft"));
    QFile::remove(path(id, ".txt"));
}

QVector<DraftStore::Orphan> DraftStore::takeOrphans()
{
    QVector<Orphan> orphans;
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*.draft")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QString &name : names) {
        const QString id = name.left(name.size() - 6);
        if (id == m_id || m_orphanLocks.count(id)) continue;
        auto lock = std::make_unique<QLockFile>(path(id, ".lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue; // its instance is still running, or another is offering it
        Orphan orphan;
        orphan.id = id;
        orphan.draft = readDraft(m_folder, id, &orphan.why);
        m_orphanLocks[id] = std::move(lock);
        orphans.append(orphan);
    }
    return orphans;
}

void DraftStore::discardOrphan(const QString &id)
{
    removeFiles(id);
    m_orphanLocks.erase(id); // unlocks and removes the lock file
}

void DraftStore::releaseOrphan(const QString &id)
{
    m_orphanLocks.erase(id);
}

std::optional<Draft> readDraft(const QString &folder, const QString &id, QString *why)
{
    const std::optional<QHash<QByteArray, QString>> read =
        readKeyValueFile(folder + QLatin1Char('/') + id + QStringLiteral(".draft"), kHead,
                         QCoreApplication::translate("FileErrors", kDamaged), why);
    if (!read) return std::nullopt;
    const QHash<QByteArray, QString> &values = *read;
    Draft draft;
    draft.id = id;
    draft.time = QDateTime::fromString(values.value("time"), Qt::ISODate);
    draft.port = values.value("port");
    draft.edited = values.value("edited").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!draft.time.isValid() || !values.contains("edited")) {
        *why = QCoreApplication::translate("FileErrors", kDamaged);
        return std::nullopt;
    }
    QFile settings(folder + QLatin1Char('/') + id + QStringLiteral(".txt"));
    if (!settings.open(QIODevice::ReadOnly)) {
        *why = settings.errorString();
        return std::nullopt;
    }
    const LoadedFrames loaded = readParameterText(readParameterFileText(settings), draft.settings);
    if (!(loaded.s && loaded.g && loaded.h && loaded.i)) {
        *why = QCoreApplication::translate("FileErrors", "its settings are cut short");
        return std::nullopt;
    }
    return draft;
}
