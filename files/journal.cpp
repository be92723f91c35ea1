// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/journal.h"

#include "files/keyvaluefile.h"
#include "files/statefolder.h"

#include <QCoreApplication>
#include <QFile>

namespace {
const QByteArray kHead = QByteArrayLiteral("txconfig-journal 1");
} // namespace

CommandJournal::CommandJournal(const QString &folder)
    : m_folder(folder), m_path(folder + QStringLiteral("/command.journal"))
{
}

bool CommandJournal::begin(const JournalEntry &entry, QString *error)
{
    m_entry = entry;
    m_writing = makeStateFolder(m_folder, error) && write(error);
    return m_writing;
}

bool CommandJournal::countFrame(QString *error)
{
    if (!m_writing) return true; // its failure was said when it began
    ++m_entry.framesSent;
    return write(error);
}

bool CommandJournal::end(QString *error)
{
    if (!m_writing) return true;
    m_writing = false;
    QFile file(m_path);
    if (file.remove() || !file.exists()) return true;
    *error = file.errorString();
    return false;
}

bool CommandJournal::write(QString *error)
{
    return writeKeyValueFile(
        m_path, kHead,
        {{"command", m_entry.command},
         {"port", m_entry.port},
         {"started", m_entry.started.toString(Qt::ISODate)},
         {"before", m_entry.before},
         {"sending", m_entry.sending},
         {"frames", QStringLiteral("%1/%2").arg(m_entry.framesSent).arg(m_entry.frameCount)}},
        error);
}

CommandJournal::Found CommandJournal::find() const
{
    Found found;
    QFile file(m_path);
    if (!file.exists()) return found;
    found.state = State::Damaged;
    const std::optional<QHash<QByteArray, QString>> read = readKeyValueFile(
        m_path, kHead, QCoreApplication::translate("FileErrors", "not a txconfig journal"), &found.why);
    if (!read) return found;
    const QHash<QByteArray, QString> &values = *read;
    JournalEntry &e = found.entry;
    e.command = values.value("command");
    e.port = values.value("port");
    e.started = QDateTime::fromString(values.value("started"), Qt::ISODate);
    e.before = values.value("before");
    e.sending = values.value("sending");
    const QStringList frames = values.value("frames").split(QLatin1Char('/'));
    bool sentOk = false, countOk = false;
    if (frames.size() == 2) {
        e.framesSent = frames[0].toInt(&sentOk);
        e.frameCount = frames[1].toInt(&countOk);
    }
    // Every line is written at once, so one missing means the file was cut short or edited.
    if (e.command.isEmpty() || !e.started.isValid() || !values.contains("sending") || !sentOk || !countOk ||
        !values.contains("before") || !values.contains("port")) {
        found.why = QCoreApplication::translate("FileErrors", "cut short or damaged");
        return found;
    }
    found.state = State::Open;
    return found;
}

namespace {
// "ttyUSB0" for /dev/ttyUSB0, as the port box names it; a path elsewhere stays whole.
QString portShownAs(const QString &port)
{
    const QString dev = QStringLiteral("/dev/");
    return port.startsWith(dev) && !port.mid(dev.size()).contains(QLatin1Char('/')) ? port.mid(dev.size())
                                                                                    : port;
}
} // namespace

QString journalSummary(const JournalEntry &entry)
{
    //: %1 is the command's name as on its button (WRITE, LOAD...), %2 the time it started, %3 the port,
    //: %4 how many of its %n frames had gone out.
    return QCoreApplication::translate("Recovery",
                                       "The last %1 (started %2 on %3, %4 of %n frames sent) did not finish.",
                                       nullptr, entry.frameCount)
        .arg(entry.command, entry.started.toString(QStringLiteral("HH:mm:ss")), portShownAs(entry.port))
        .arg(entry.framesSent);
}
