// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "fileinput.h"
#include "files/history.h"
#include "files/savetarget.h"
#include "files/sheetfile.h"
#include "params/modelsheet.h"
#include "params/rules.h"
#include "report.h"
#include "transmitter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

constexpr int kOk = 0;
constexpr int kDiffer = 1, kIncomplete = 1;
constexpr int kError = 2;

// "txconfig-cli: SUBJECT: TEXT", the one line every error and note is.
void say(CliStreams &io, const QString &subject, const QString &text)
{
    io.err << kCliName << ": " << subject << ": " << text << '\n';
    io.err.flush();
}

void progressLine(CliStreams &io, const QString &text)
{
    if (!io.progress) return;
    io.err << '\r' << text.leftJustified(60);
    io.err.flush();
}

void endProgress(CliStreams &io)
{
    if (io.progress) io.err << '\n';
}

// "@N" names the N-th newest history entry; anything else is a path. Empty (and the reason said) for
// an entry that does not exist.
QString resolveFile(CliStreams &io, const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('@'))) return argument;
    bool number = false;
    const int n = argument.mid(1).toInt(&number);
    const HistoryStore store;
    const QString path = number ? store.entryPath(n) : QString();
    if (path.isEmpty())
        say(io, argument,
            QStringLiteral("no such history entry (%1 kept in %2)")
                .arg(store.entries().size())
                .arg(store.folder()));
    return path;
}

// Keeps a model in the history; a failure is said and the command goes on.
void keepInHistory(CliStreams &io, const ParameterSet &set, HistoryEvent event, const QString &port)
{
    QString error;
    if (HistoryStore().keep(set, event, port, &error) == HistoryStore::Kept::Failed)
        say(io, QStringLiteral("history"), QStringLiteral("not kept: ") + error);
}

// Reads a file and names the frames left out; false (and the reason said) if it cannot be used.
bool readInput(CliStreams &io, const QString &argument, FileInput *input)
{
    const QString path = resolveFile(io, argument);
    if (path.isEmpty()) return false;
    *input = readParameterFileInput(path);
    if (!input->failure.isEmpty()) {
        say(io, path, input->failure);
        return false;
    }
    for (const QString &line : input->leftOut) say(io, path, line);
    return true;
}

void printJson(CliStreams &io, const QJsonObject &object)
{
    io.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void printLines(CliStreams &io, const QStringList &lines)
{
    for (const QString &line : lines) io.out << line << '\n';
}

QString joinNumbers(const QVector<int> &numbers)
{
    QStringList texts;
    for (int n : numbers) texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

} // namespace

int runDump(const QString &path, bool json, CliStreams io)
{
    FileInput in;
    if (!readInput(io, path, &in)) return kError;
    if (json)
        printJson(io, dumpJson(in.set, in.loaded));
    else
        printLines(io, dumpLines(in.set, in.loaded));
    // A frame left out is damage the pilot must hear of, also from a script.
    return in.leftOut.isEmpty() ? kOk : kError;
}

int runDiff(const QString &pathA, const QString &pathB, bool json, CliStreams io)
{
    FileInput a, b;
    const bool readA = readInput(io, pathA, &a);
    const bool readB = readInput(io, pathB, &b);
    if (!readA || !readB) return kError;
    const QStringList lines = diffLines(a.set, a.loaded, b.set, b.loaded);
    if (json)
        printJson(io, diffJson(a.set, a.loaded, b.set, b.loaded));
    else
        printLines(io, lines);
    // Frames left out on either side leave parameters uncompared: neither "equal" nor "differ" holds.
    if (!a.leftOut.isEmpty() || !b.leftOut.isEmpty()) return kError;
    return lines.isEmpty() ? kOk : kDiffer;
}

int runRead(const QString &port, const QString &output, CliStreams io, const CliLink &link)
{
    // Opened first, so that a path we cannot write fails before the transmitter is bothered; it
    // replaces the old file only at commit.
    QSaveFile file(output);
    file.setDirectWriteFallback(needsDirectWrite(output));
    if (!file.open(QIODevice::WriteOnly)) {
        say(io, output, QStringLiteral("cannot write: ") + file.errorString());
        return kError;
    }
    progressLine(io, QStringLiteral("reading %1: opening").arg(port));
    const ReadOutcome read = readTransmitter(
        port,
        [&](int received) {
            progressLine(
                io, QStringLiteral("reading %1: %2 of %3 blocks").arg(port).arg(received).arg(kFrameNumbers));
        },
        link);
    endProgress(io);
    if (!read.failure.isEmpty()) {
        say(io, port, read.failure);
        return kError;
    }
    if (!read.missing.isEmpty()) {
        say(io, port,
            QStringLiteral("incomplete read, frame%1 %2 missing; no file written")
                .arg(read.missing.size() == 1 ? "" : "s", joinNumbers(read.missing)));
        return kIncomplete;
    }
    if (!read.trims)
        say(io, port, QStringLiteral("no telemetry frame arrived; the stick trims are saved centred"));

    // As the window does after every received chunk.
    ParameterSet set = read.set;
    selectDualRate(set);
    sanitise(set);
    const LoadedFrames all{true, true, true, true};
    for (const Correction &c : corrections(set, all))
        say(io, output,
            QStringLiteral("%1 %2 does not fit the file, saved as %3").arg(c.field->name, c.value, c.sent));
    QString error;
    if (!commitParameterFile(file, parameterFileBytes(set), &error)) {
        say(io, output, QStringLiteral("cannot write: ") + error);
        return kError;
    }
    keepInHistory(io, set, HistoryEvent::Read, port);
    return kOk;
}

int runWrite(const QString &port, const QString &path, bool partial, bool verify, bool backup, CliStreams io,
             const CliLink &link)
{
    FileInput in;
    if (!readInput(io, path, &in)) return kError;
    if (!in.leftOut.isEmpty() && !partial) {
        say(io, path,
            QStringLiteral("nothing sent: not every frame is in place (--partial sends the others)"));
        return kError;
    }
    ParameterSet set = in.set;
    for (const Correction &c : corrections(set, in.loaded))
        say(io, path, QStringLiteral("%1 %2 out of range, sent as %3").arg(c.field->name, c.value, c.sent));
    // As LOAD does before sending; the view of the dual rates needs both the G and the H frame.
    if (in.loaded.g && in.loaded.h) selectDualRate(set);
    sanitise(set);
    QVector<TextFrame> frames;
    for (TextFrame frame : kSendOrder)
        if (in.loaded.contains(frame)) frames.append(frame);

    progressLine(io, QStringLiteral("writing %1: opening").arg(port));
    const WriteOutcome written = writeTransmitter(
        port, set, frames, verify, backup,
        [&](TextFrame frame, int i, int count) {
            progressLine(io, QStringLiteral("writing %1: %2 frame (%3 of %4)")
                                 .arg(port, frameTemplate(frame).left(1))
                                 .arg(i + 1)
                                 .arg(count));
        },
        link);
    endProgress(io);
    if (backup && !written.before && written.failure.isEmpty()) {
        say(io, port,
            QStringLiteral("nothing sent: the model on the transmitter could not be read to keep a copy "
                           "(%1) (--no-backup sends without one)")
                .arg(written.beforeLacking.size() == kFrameNumbers
                         ? QStringLiteral("no answer")
                         : QStringLiteral("frame%1 %2 missing")
                               .arg(written.beforeLacking.size() == 1 ? "" : "s",
                                    joinNumbers(written.beforeLacking))));
        return kError;
    }
    if (written.before) keepInHistory(io, *written.before, HistoryEvent::BeforeWrite, port);
    if (written.after) keepInHistory(io, *written.after, HistoryEvent::Written, port);
    if (!written.failure.isEmpty()) {
        const QString sent = written.framesSent
                                 ? QStringLiteral("; %1 of %2 frames had gone out, write the file again")
                                       .arg(written.framesSent)
                                       .arg(frames.size())
                                 : QString();
        say(io, port, written.failure + sent);
        return kError;
    }
    if (!written.checked) return kOk;
    for (const SettingDifference &d : written.differences)
        io.out << d.label << ": sent " << d.sent << ", transmitter " << d.transmitter << '\n';
    if (!written.differences.isEmpty())
        say(io, port,
            QStringLiteral(
                "the transmitter does not hold what was sent: %1 setting%2 differ%3 (listed above)")
                .arg(written.differences.size())
                .arg(written.differences.size() == 1 ? "" : "s", written.differences.size() == 1 ? "s" : ""));
    if (written.uncheckedFrames.size() == kFrameNumbers)
        say(io, port,
            QStringLiteral("sent, but the transmitter did not answer the read-back: nothing was checked"));
    else if (!written.uncheckedFrames.isEmpty())
        say(io, port,
            QStringLiteral("sent, but the read-back lacked frame%1 %2: their settings are unchecked")
                .arg(written.uncheckedFrames.size() == 1 ? "" : "s", joinNumbers(written.uncheckedFrames)));
    return written.differences.isEmpty() && written.uncheckedFrames.isEmpty() ? kOk : kDiffer;
}

int runSheet(const QString &path, const QString &output, CliStreams io)
{
    FileInput in;
    if (!readInput(io, path, &in)) return kError;
    SheetHeading heading;
    heading.source = path;
    heading.made = QDateTime::currentDateTime();
    // A history entry knows where it was read and what the transmitter said its version was.
    bool number = false;
    const int n = path.startsWith(QLatin1Char('@')) ? path.mid(1).toInt(&number) : 0;
    if (number && n >= 1) {
        const QVector<HistoryEntry> entries = HistoryStore().entries();
        if (n <= entries.size()) {
            const HistoryEntry &e = entries[n - 1];
            heading.source = QStringLiteral("%1, %2 %3 (%4)")
                                 .arg(path, historyEventWords(e.event), historyEntryTimeText(e), e.path);
            heading.port = e.port;
            if (e.transmitterVersion != QLatin1String("0")) heading.transmitterVersion = e.transmitterVersion;
        }
    }
    QString error;
    if (!writeSheetFile(output, modelSheetHtml(in.set, presentFields(in.loaded), heading), &error)) {
        say(io, output, QStringLiteral("cannot write: ") + error);
        return kError;
    }
    return in.leftOut.isEmpty() ? kOk : kError;
}

int runHistory(bool json, CliStreams io)
{
    const HistoryStore store;
    const QVector<HistoryEntry> entries = store.entries();
    QJsonArray list;
    for (int i = 0; i < entries.size(); ++i) {
        const HistoryEntry &e = entries[i];
        if (json) {
            list.append(QJsonObject{{"number", i + 1},
                                    {"time", historyEntryTime(e).toString(Qt::ISODateWithMs)},
                                    {"event", historyEventToken(e.event)},
                                    {"port", e.port},
                                    {"path", e.path}});
            continue;
        }
        io.out << QStringLiteral("@%1").arg(i + 1).leftJustified(6) << historyEntryTimeText(e) << '.'
               << e.stamp.right(3) << "  " << historyEventWords(e.event).leftJustified(19)
               << (e.port.isEmpty() ? QStringLiteral("-") : e.port) << "  " << e.path << '\n';
    }
    if (json) printJson(io, QJsonObject{{"folder", store.folder()}, {"entries", list}});
    return kOk;
}

int runRecord(const QString &port, const QString &output, int seconds, CliStreams io,
              const std::function<bool()> &interrupted, const CliLink &link)
{
    LiveRecording recording;
    if (!recording.start(output)) {
        say(io, output, QStringLiteral("cannot write: ") + recording.errorString());
        return kError;
    }
    progressLine(io, QStringLiteral("recording %1: opening").arg(port));
    const RecordOutcome recorded = recordTransmitter(
        port, recording, seconds, interrupted,
        [&] {
            progressLine(io, QStringLiteral("recording %1: %2 s, %3")
                                 .arg(port)
                                 .arg(recording.elapsedMs() / 1000)
                                 .arg(rowCountText(recording.rows())));
        },
        link);
    endProgress(io);
    if (!recorded.failure.isEmpty()) {
        // A file of the header alone would only be litter; rows recorded before a loss are kept.
        if (recording.rowsKept() == 0) {
            QFile::remove(output);
            say(io, port, recorded.failure);
        } else {
            say(io, port,
                recorded.failure +
                    QStringLiteral("; %1 kept in %2").arg(rowCountText(recording.rowsKept()), output));
        }
        return kError;
    }
    if (!recording.failure().isEmpty()) {
        say(io, output,
            QStringLiteral("cannot write: %1; %2 kept")
                .arg(recording.errorString(), rowCountText(recording.rowsKept())));
        return kError;
    }
    return kOk;
}

int runCommand(const CliRequest &r, CliStreams io, const std::function<bool()> &interrupted)
{
    switch (r.command) {
    case CliRequest::Command::Dump:
        return runDump(r.files.at(0), r.json, io);
    case CliRequest::Command::Diff:
        return runDiff(r.files.at(0), r.files.at(1), r.json, io);
    case CliRequest::Command::Read:
        return runRead(r.port, r.output, io);
    case CliRequest::Command::Write:
        return runWrite(r.port, r.files.at(0), r.partial, r.verify, r.backup, io);
    case CliRequest::Command::History:
        return runHistory(r.json, io);
    case CliRequest::Command::Record:
        return runRecord(r.port, r.output, r.seconds, io, interrupted);
    case CliRequest::Command::Sheet:
        return runSheet(r.files.at(0), r.output, io);
    }
    return kError;
}
