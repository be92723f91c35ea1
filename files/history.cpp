// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/history.h"

#include "files/fileslog.h"
#include "files/paramfile.h"
#include "files/version.h"
#include "params/rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

struct EventName {
    HistoryEvent event;
    const char *token;
    const char *words; // English; translated where shown
};

constexpr EventName kEvents[] = {
    {HistoryEvent::Read, "read", QT_TRANSLATE_NOOP("HistoryEvents", "Read")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::BeforeWrite, "before-write", QT_TRANSLATE_NOOP("HistoryEvents", "Before WRITE")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::Written, "written", QT_TRANSLATE_NOOP("HistoryEvents", "After WRITE")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::BeforeLoad, "before-load", QT_TRANSLATE_NOOP("HistoryEvents", "Before LOAD")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::Loaded, "loaded", QT_TRANSLATE_NOOP("HistoryEvents", "After LOAD")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::BeforeSave, "before-save", QT_TRANSLATE_NOOP("HistoryEvents", "Before SAVE")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::Saved, "saved", QT_TRANSLATE_NOOP("HistoryEvents", "After SAVE")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::BeforeReset, "before-reset", QT_TRANSLATE_NOOP("HistoryEvents", "Before RESET")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::Reset, "reset", QT_TRANSLATE_NOOP("HistoryEvents", "After RESET")},
    {HistoryEvent::BeforeDataReset, "before-data-reset",
     //: The command's name is its button's and stays as it is.
     QT_TRANSLATE_NOOP("HistoryEvents", "Before DATA RESET")},
    //: The command's name is its button's and stays as it is.
    {HistoryEvent::DataReset, "data-reset", QT_TRANSLATE_NOOP("HistoryEvents", "After DATA RESET")},
    {HistoryEvent::Sending, "sending", QT_TRANSLATE_NOOP("HistoryEvents", "Being sent")},
    {HistoryEvent::Interrupted, "interrupted", QT_TRANSLATE_NOOP("HistoryEvents", "Interrupted")},
};

const QString kIndexName = QStringLiteral("index.tsv");
constexpr qint64 kMaxIndexBytes = 16 * 1024 * 1024; // a line of a few hundred bytes per entry kept
const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// "YYYYMMDD-HHMMSS-mmm-EVENT.txt": the stamp and the event of an entry's name, or nothing. By hand
// rather than by a regular expression, which was a quarter of listing a full history.
std::optional<HistoryEvent> parseEntryName(const QString &name, QString *stamp = nullptr)
{
    constexpr int kStamp = 19; // "YYYYMMDD-HHMMSS-mmm"
    if (name.size() < kStamp + 6 || !name.endsWith(QLatin1String(".txt")) ||
        name.at(kStamp) != QLatin1Char('-'))
        return std::nullopt;
    for (int i = 0; i < kStamp; ++i) {
        const bool dash = i == 8 || i == 15;
        if (dash ? name.at(i) != QLatin1Char('-') : !name.at(i).isDigit() || name.at(i).unicode() > '9')
            return std::nullopt;
    }
    const std::optional<HistoryEvent> event =
        historyEventFromToken(name.mid(kStamp + 1, name.size() - kStamp - 5));
    if (event && stamp) *stamp = name.left(kStamp);
    return event;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxParameterFileBytes) : QByteArray();
}

// Calls `take(name, rest)` for each line of the folder's index that holds a name and what follows it.
template <typename Take> void readIndexLines(const QString &folder, Take take)
{
    // Whole: a thousand lines with long port names run well past a parameter file's read limit, and
    // prune() writes back only what it read.
    QFile file(folder + QLatin1Char('/') + kIndexName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.read(kMaxIndexBytes);
    for (qsizetype from = 0; from < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0) end = bytes.size();
        QStringList fields =
            QString::fromUtf8(bytes.constData() + from, int(end - from)).split(QLatin1Char('\t'));
        from = end + 1;
        if (fields.size() < 2) continue;
        const QString name = fields.takeFirst();
        take(name, fields);
    }
}

// name -> the rest of its index line
QHash<QString, QStringList> readIndex(const QString &folder)
{
    QHash<QString, QStringList> index;
    readIndexLines(folder,
                   [&index](const QString &name, const QStringList &rest) { index.insert(name, rest); });
    return index;
}

// The entry of `folder` named `name`, with what its index line holds after the name (port, program
// version, transmitter version); none if the name is not an entry's.
std::optional<HistoryEntry> entryFrom(const QString &folder, const QString &name, const QStringList &meta)
{
    HistoryEntry e;
    const std::optional<HistoryEvent> event = parseEntryName(name, &e.stamp);
    if (!event) return std::nullopt;
    e.path = folder + QLatin1Char('/') + name;
    e.event = *event;
    e.port = meta.value(0);
    e.programVersion = meta.value(1);
    e.transmitterVersion = meta.value(2);
    return e;
}

} // namespace

QDateTime historyEntryTime(const HistoryEntry &entry)
{
    const QString &t = entry.stamp;
    auto n = [&t](int from, int length) { return QStringView(t).mid(from, length).toInt(); };
    return QDateTime(QDate(n(0, 4), n(4, 2), n(6, 2)), QTime(n(9, 2), n(11, 2), n(13, 2), n(16, 3)));
}

QString historyEntryTimeText(const HistoryEntry &entry)
{
    const QString &t = entry.stamp;
    return t.left(4) + QLatin1Char('-') + t.mid(4, 2) + QLatin1Char('-') + t.mid(6, 2) + QLatin1Char(' ') +
           t.mid(9, 2) + QLatin1Char(':') + t.mid(11, 2) + QLatin1Char(':') + t.mid(13, 2);
}

QString historyEventToken(HistoryEvent event)
{
    return QLatin1String(kEvents[int(event)].token);
}

std::optional<HistoryEvent> historyEventFromToken(const QString &token)
{
    for (const EventName &e : kEvents)
        if (token == QLatin1String(e.token)) return e.event;
    return std::nullopt;
}

QString historyEventWords(HistoryEvent event)
{
    return QCoreApplication::translate("HistoryEvents", kEvents[int(event)].words);
}

QString historyEventEnglishWords(HistoryEvent event)
{
    return QLatin1String(kEvents[int(event)].words);
}

ParameterSet historySettings(const ParameterSet &answer, const ParameterSet &form,
                             const std::optional<std::array<int, 4>> &trims)
{
    ParameterSet p = answer;
    p.DR_CH = form.DR_CH;
    selectDualRate(p);
    for (int i = 0; i < 4; ++i)
        p.*fields::StkTrim[i] = trims ? (*trims)[size_t(i)] : form.*fields::StkTrim[i];
    return p;
}

QString HistoryStore::defaultFolder()
{
    const QString override = qEnvironmentVariable("TXCONFIG_HISTORY_DIR");
    if (!override.isEmpty()) return override;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/txconfig/history");
}

bool HistoryStore::makeFolder(QString *error) const
{
    const QFileInfo info(m_folder);
    if (info.exists() && !info.isDir()) {
        //: %1 is a path.
        *error = QCoreApplication::translate("FileErrors", "%1 is a file, not a folder")
                     .arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    if (info.isDir()) return true;
    if (!QDir().mkpath(m_folder)) {
        //: %1 is a path.
        *error = QCoreApplication::translate("FileErrors", "cannot make the folder %1")
                     .arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    // Models are the pilot's own: the folder is theirs alone.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

// The iterator takes each file's type from the directory itself, where a listing would ask the file
// system for every one: a thousand entries list in a third of the time.
QStringList HistoryStore::entryNames() const
{
    QStringList names;
#ifdef Q_OS_UNIX
    // The directory as the system lists it: Qt's iterator builds a file info per name, most of the cost
    // of opening a full history.
    if (DIR *dir = ::opendir(QFile::encodeName(m_folder).constData())) {
        while (const dirent *d = ::readdir(dir)) {
            if (d->d_type != DT_REG && d->d_type != DT_UNKNOWN) continue;
            const QString name = QFile::decodeName(d->d_name);
            if (!parseEntryName(name)) continue;
            if (d->d_type == DT_UNKNOWN && !QFileInfo(m_folder + QLatin1Char('/') + name).isFile()) continue;
            names << name;
        }
        ::closedir(dir);
    }
#else
    // No name filter: Qt matches one by a regular expression per file; the name is checked by hand.
    QDirIterator it(m_folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        if (parseEntryName(it.fileName())) names << it.fileName();
    }
#endif
    std::sort(names.begin(), names.end());
    return names;
}

HistoryStore::Kept HistoryStore::keep(const ParameterSet &set, HistoryEvent event, const QString &port,
                                      QString *error, const QDateTime &when, QString *path)
{
    if (!makeFolder(error)) return Kept::Failed;
    ParameterSet copy = set; // building the frames recomputes the raw voltages
    const QByteArray bytes = parameterFileBytes(copy);
    // A model being sent is the journal's, gone once the command is done: the model it leaves on the
    // transmitter is kept as an entry of its own even when the two are equal.
    QStringList names = entryNames();
    while (!names.isEmpty() && parseEntryName(names.last()) == HistoryEvent::Sending &&
           event != HistoryEvent::Sending)
        names.removeLast();
    if (!names.isEmpty() && fileBytes(m_folder + QLatin1Char('/') + names.last()) == bytes) {
        if (path) *path = m_folder + QLatin1Char('/') + names.last();
        return Kept::SameAsNewest;
    }

    QDateTime at = when;
    QString name;
    do { // two entries of one event in one millisecond: the later one a millisecond on
        name =
            at.toString(kTimeFormat) + QLatin1Char('-') + historyEventToken(event) + QStringLiteral(".txt");
        at = at.addMSecs(1);
    } while (QFileInfo::exists(m_folder + QLatin1Char('/') + name));

    QSaveFile file(m_folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return Kept::Failed;
    }
    if (!commitParameterFile(file, bytes, error)) return Kept::Failed;
    if (path) *path = m_folder + QLatin1Char('/') + name;
    // The entry is kept even if its index line is not: it is only the port and versions. The line is
    // on disk before prune() reads the index and writes it back.
    {
        QFile index(m_folder + QLatin1Char('/') + kIndexName);
        if (index.open(QIODevice::Append))
            index.write(QStringLiteral("%1\t%2\t%3\t%4\n")
                            .arg(name, port, QLatin1String(kProgramVersion), QString::number(set.Vertion))
                            .toUtf8());
        else
            qCWarning(lcFiles, "History index not updated: %s", qPrintable(index.errorString()));
    }
    prune();
    return Kept::Written;
}

// The oldest go first; a damaged entry is the pilot's to look at, and stays.
void HistoryStore::prune()
{
    const QStringList names = entryNames();
    int excess = int(names.size()) - kKeep;
    if (excess <= 0) return;
    for (const QString &name : names) {
        if (excess <= 0) break;
        const QString path = m_folder + QLatin1Char('/') + name;
        QString why;
        // A damaged entry is no entry: it neither counts nor goes.
        if (!readEntry(path, &why) || QFile::remove(path)) --excess;
    }
    // Lines of removed entries leave the index.
    const QHash<QString, QStringList> index = readIndex(m_folder);
    QByteArray kept;
    for (const QString &name : entryNames())
        if (index.contains(name))
            kept += (name + QLatin1Char('\t') + index.value(name).join(QLatin1Char('\t')) + QLatin1Char('\n'))
                        .toUtf8();
    QSaveFile file(m_folder + QLatin1Char('/') + kIndexName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(kept);
        file.commit();
    }
}

QVector<HistoryEntry> HistoryStore::entries() const
{
    return entriesNamed(entryNames(), readIndex(m_folder));
}

QVector<HistoryEntry> HistoryStore::indexedEntries() const
{
    // One pass over the index's lines into the entries, with no table in between: this is what the
    // History window waits for before it first draws.
    QVector<HistoryEntry> list;
    readIndexLines(m_folder, [&](const QString &name, const QStringList &meta) {
        if (std::optional<HistoryEntry> e = entryFrom(m_folder, name, meta)) list.append(*e);
    });
    // Newest first: the index grows at its end, so reversed it is almost always in order already. A name
    // the index holds twice counts once, with its last line, as a lookup by name would find it.
    std::reverse(list.begin(), list.end());
    auto newer = [](const HistoryEntry &a, const HistoryEntry &b) { return a.path > b.path; };
    if (!std::is_sorted(list.begin(), list.end(), newer)) std::stable_sort(list.begin(), list.end(), newer);
    auto same = [](const HistoryEntry &a, const HistoryEntry &b) { return a.path == b.path; };
    list.erase(std::unique(list.begin(), list.end(), same), list.end());
    return list;
}

QVector<HistoryEntry> HistoryStore::entriesNamed(const QStringList &names,
                                                 const QHash<QString, QStringList> &index) const
{
    QVector<HistoryEntry> list;
    list.reserve(names.size());
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        list.append(*entryFrom(m_folder, *it, index.value(*it))); // the names are entries' already
    return list;
}

QStringList HistoryStore::foreignFiles() const
{
    QStringList names = QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    names.removeAll(kIndexName);
    for (const QString &entry : entryNames()) names.removeAll(entry);
    return names;
}

QString HistoryStore::entryPath(int n) const
{
    const QStringList names = entryNames();
    if (n < 1 || n > names.size()) return QString();
    return m_folder + QLatin1Char('/') + names.at(names.size() - n);
}

std::optional<ParameterSet> HistoryStore::readEntry(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    const QString text = readParameterFileText(file);
    ParameterSet set;
    const LoadedFrames loaded = readParameterText(text, set);
    if (loaded.s && loaded.g && loaded.h && loaded.i && text.size() == 4 * 81) return set;
    if (!hasFrameMarkers(text, TextFrame::S))
        *why = QCoreApplication::translate("FileErrors", "not a parameter file");
    else if (text.size() < 4 * 81)
        //: Why a history entry cannot be read: %1 is how many bytes it has.
        *why = QCoreApplication::translate("FileErrors", "cut short (%1 of 324 bytes)").arg(text.size());
    else
        *why = QCoreApplication::translate("FileErrors", "damaged: not every frame is in place");
    return std::nullopt;
}

bool HistoryStore::removeSending(const QString &path)
{
    const QFileInfo info(path);
    if (info.absolutePath() != QFileInfo(m_folder).absoluteFilePath() ||
        parseEntryName(info.fileName()) != HistoryEvent::Sending)
        return false;
    return QFile::remove(path);
}
