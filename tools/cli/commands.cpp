// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "fileinput.h"
#include "files/history.h"
#include "files/journal.h"
#include "files/savetarget.h"
#include "files/sheetfile.h"
#include "files/statefolder.h"
#include "params/modelsheet.h"
#include "params/rules.h"
#include "report.h"
#include "transmitter.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

constexpr int kOk = 0;
constexpr int kDiffer = 1, kIncomplete = 1;
constexpr int kError = 2;

// "txconfig-cli: SUBJECT: TEXT", the one line every error and note is. The subject is a file, a port
// or one of the words history, warning and recover, which stay English as scripts may look for them.
void say(CliStreams &io, const QString &subject, const QString &text)
{
    io.err << kCliName << ": " << subject << ": " << text << '\n';
    io.err.flush();
}

QString cannotWrite(const QString &why)
{
    //: %1 says why the file could not be written.
    return QCoreApplication::translate("CompanionMessages", "cannot write: %1").arg(why);
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
        //: %n is how many entries the history keeps, %1 its folder.
        say(io, argument,
            QCoreApplication::translate("CompanionMessages", "no such history entry (%n kept in %1)", nullptr,
                                        int(store.entries().size()))
                .arg(store.folder()));
    return path;
}

// Keeps a model in the history; a failure is said and the command goes on.
void keepInHistory(CliStreams &io, const ParameterSet &set, HistoryEvent event, const QString &port)
{
    QString error;
    if (HistoryStore().keep(set, event, port, &error) == HistoryStore::Kept::Failed)
        //: %1 says why the model could not be kept in the history.
        say(io, QStringLiteral("history"),
            QCoreApplication::translate("CompanionMessages", "not kept: %1").arg(error));
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

// Warns of a command that was cut off: the transmitter may hold part of two models.
void warnOfOpenJournal(CliStreams &io)
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Open)
        //: %1 says which command was cut off, when and on which port; txconfig-cli recover is typed so.
        say(io, QStringLiteral("warning"),
            QCoreApplication::translate(
                "CompanionMessages",
                "%1 The transmitter may hold part of two models; see txconfig-cli recover")
                .arg(journalSummary(found.entry)));
    else if (found.state == CommandJournal::State::Damaged)
        say(io, QStringLiteral("warning"),
            //: %1 is the journal's path, %2 what is wrong with it.
            QCoreApplication::translate("CompanionMessages", "the journal %1 is damaged (%2)")
                .arg(CommandJournal(stateFolder()).path(), found.why));
}

QString lackingText(const QVector<int> &lacking)
{
    if (lacking.size() == kFrameNumbers) return QCoreApplication::translate("CompanionMessages", "no answer");
    //: %1 lists the frame numbers ("5, 12"); their count picks the word.
    return QCoreApplication::translate("CompanionMessages", "frame(s) %1 missing", nullptr,
                                       int(lacking.size()))
        .arg(joinNumbers(lacking));
}

// The replacing procedure with the companion's words and exit statuses: 0 the transmitter holds what
// was sent (or it was not checked), 1 it does not, 2 nothing could be sent or the link went.
int sendModel(CliStreams &io, const QString &port, const ParameterSet &set, const ReplaceRequest &request,
              const CliLink &link)
{
    //: A line of progress on a terminal; %1 is the port.
    progressLine(io, QCoreApplication::translate("CompanionMessages", "writing %1: opening").arg(port));
    WriteHooks hooks;
    hooks.progress = [&](TextFrame frame, int i, int count) {
        //: A line of progress on a terminal: %1 is the port, %2 the frame's letter (S, G, H or I), %3 and
        //: %4 count the frames.
        progressLine(io, QCoreApplication::translate("CompanionMessages", "writing %1: %2 frame (%3 of %4)")
                             .arg(port, frameTemplate(frame).left(1))
                             .arg(i + 1)
                             .arg(count));
    };
    hooks.warn = [&](const QString &what, const QString &why) {
        say(io, QStringLiteral("history"), QStringLiteral("%1: %2").arg(what, why));
    };
    const WriteOutcome written = writeTransmitter(port, set, request, hooks, link);
    const ReplaceOutcome &done = written.replaced;
    endProgress(io);
    if (done.stage == ReplaceOutcome::Stage::Declined) {
        say(io, port,
            //: %1 says what the read lacked ("no answer", "frames 5, 12 missing"); --no-backup is typed so.
            QCoreApplication::translate("CompanionMessages",
                                        "nothing sent: the model on the transmitter could not be read to "
                                        "keep a copy (%1) (--no-backup sends without one)")
                .arg(lackingText(done.beforeLacking)));
        return kError;
    }
    if (!written.failure.isEmpty()) {
        //: %1 says why the link failed, %2 how many of the %n frames had gone out.
        say(io, port,
            done.framesSent
                ? QCoreApplication::translate("CompanionMessages",
                                              "%1; %2 of %n frames had gone out, write the file again",
                                              nullptr, int(request.frames.size()))
                      .arg(written.failure, QString::number(done.framesSent))
                : written.failure);
        return kError;
    }
    if (!done.checked) return kOk;
    const TransmitterSession::SendCheck &check = done.check;
    // The result on stdout, for scripts too: English in every language.
    for (const SettingDifference &d : check.differences)
        io.out << d.label << ": sent " << d.sent << ", transmitter " << d.transmitter << '\n';
    if (!check.differences.isEmpty())
        say(io, port,
            QCoreApplication::translate(
                "CompanionMessages",
                "the transmitter does not hold what was sent: %n setting(s) differ(s) (listed above)",
                nullptr, int(check.differences.size())));
    if (check.unchecked.size() == kFrameNumbers)
        say(io, port,
            QCoreApplication::translate(
                "CompanionMessages",
                "sent, but the transmitter did not answer the read-back: nothing was checked"));
    else if (!check.unchecked.isEmpty())
        say(io, port,
            //: %1 lists the frame numbers ("5, 12"); their count picks the word.
            QCoreApplication::translate(
                "CompanionMessages",
                "sent, but the read-back lacked frame(s) %1: their settings are unchecked", nullptr,
                int(check.unchecked.size()))
                .arg(joinNumbers(check.unchecked)));
    return check.differences.isEmpty() && check.unchecked.isEmpty() ? kOk : kDiffer;
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
        say(io, output, cannotWrite(file.errorString()));
        return kError;
    }
    warnOfOpenJournal(io);
    //: A line of progress on a terminal; %1 is the port.
    progressLine(io, QCoreApplication::translate("CompanionMessages", "reading %1: opening").arg(port));
    const ReadOutcome read = readTransmitter(
        port,
        [&](int received) {
            //: A line of progress on a terminal: %1 is the port, %2 how many of the %n blocks have come.
            progressLine(io, QCoreApplication::translate("CompanionMessages", "reading %1: %2 of %n blocks",
                                                         nullptr, kFrameNumbers)
                                 .arg(port)
                                 .arg(received));
        },
        link);
    endProgress(io);
    if (!read.failure.isEmpty()) {
        say(io, port, read.failure);
        return kError;
    }
    if (!read.missing.isEmpty()) {
        say(io, port,
            //: %1 lists the frame numbers ("5, 12"); their count picks the word.
            QCoreApplication::translate("CompanionMessages",
                                        "incomplete read, frame(s) %1 missing; no file written", nullptr,
                                        int(read.missing.size()))
                .arg(joinNumbers(read.missing)));
        return kIncomplete;
    }
    if (!read.trims)
        say(io, port,
            QCoreApplication::translate("CompanionMessages",
                                        "no telemetry frame arrived; the stick trims are saved centred"));

    // As the window does after every received chunk.
    ParameterSet set = read.set;
    selectDualRate(set);
    sanitise(set);
    const LoadedFrames all{true, true, true, true};
    for (const Correction &c : corrections(set, all))
        say(io, output,
            //: %1 is the parameter's name as the file has it, %2 its value, %3 the value saved.
            QCoreApplication::translate("CompanionMessages", "%1 %2 does not fit the file, saved as %3")
                .arg(QLatin1String(c.field->name), c.value, c.sent));
    QString error;
    if (!commitParameterFile(file, parameterFileBytes(set), &error)) {
        say(io, output, cannotWrite(error));
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
            //: --partial is typed so.
            QCoreApplication::translate(
                "CompanionMessages",
                "nothing sent: not every frame is in place (--partial sends the others)"));
        return kError;
    }
    ParameterSet set = in.set;
    for (const Correction &c : corrections(set, in.loaded))
        //: %1 is the parameter's name as the file has it, %2 its value, %3 the value sent.
        say(io, path,
            QCoreApplication::translate("CompanionMessages", "%1 %2 out of range, sent as %3")
                .arg(QLatin1String(c.field->name), c.value, c.sent));
    // As LOAD does before sending; the view of the dual rates needs both the G and the H frame.
    if (in.loaded.g && in.loaded.h) selectDualRate(set);
    sanitise(set);
    QVector<TextFrame> frames;
    for (TextFrame frame : kSendOrder)
        if (in.loaded.contains(frame)) frames.append(frame);
    warnOfOpenJournal(io);
    ReplaceRequest request{QStringLiteral("WRITE"), HistoryEvent::BeforeWrite, HistoryEvent::Written};
    request.frames = frames;
    request.verify = verify;
    request.backup = backup;
    return sendModel(io, port, set, request, link);
}

int runRecover(const QString &port, CliRequest::Recovery recovery, CliStreams io, const CliLink &link)
{
    const CommandJournal::Found found = CommandJournal(stateFolder()).find();
    if (found.state == CommandJournal::State::Damaged) {
        //: %1 says what is wrong with the journal.
        say(io, CommandJournal(stateFolder()).path(),
            QCoreApplication::translate("CompanionMessages", "damaged (%1); left in place").arg(found.why));
        return kError;
    }
    if (found.state == CommandJournal::State::None) {
        if (recovery == CliRequest::Recovery::Describe) {
            io.out << QCoreApplication::translate("CompanionMessages",
                                                  "No command was cut off: the journal is empty.")
                   << '\n';
            return kOk;
        }
        say(io, QStringLiteral("recover"),
            QCoreApplication::translate("CompanionMessages", "nothing sent: no command was cut off"));
        return kError;
    }
    const JournalEntry &entry = found.entry;
    if (recovery == CliRequest::Recovery::Describe) {
        const QString before = entry.before.isEmpty()
                                   ? QCoreApplication::translate("CompanionMessages", "none kept")
                                   : entry.before;
        //: %1 is the history entry of the model the command replaced. The two lines' values line up.
        io.out
            << journalSummary(entry) << '\n'
            << QCoreApplication::translate("CompanionMessages", "earlier model: %1").arg(before)
            << '\n'
            //: %1 is the history entry of the model the command was sending. The two lines' values line up.
            << QCoreApplication::translate("CompanionMessages", "being sent:    %1").arg(entry.sending)
            << '\n';
        return kOk;
    }
    const bool restore = recovery == CliRequest::Recovery::Restore;
    if (restore && entry.before.isEmpty()) {
        say(io, QStringLiteral("recover"),
            //: --resend is typed so.
            QCoreApplication::translate(
                "CompanionMessages",
                "no copy of the earlier model was kept; --resend sends the one that was being sent"));
        return kError;
    }
    QString why;
    const QString path = restore ? entry.before : entry.sending;
    const std::optional<ParameterSet> model = HistoryStore::readEntry(path, &why);
    if (!model) {
        say(io, path, why);
        return kError;
    }
    ReplaceRequest request{QStringLiteral("LOAD"), HistoryEvent::Interrupted, HistoryEvent::Loaded};
    request.journalBefore = entry.before; // cut off again, the same earlier model is offered
    return sendModel(io, port, *model, request, link);
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
        say(io, output, cannotWrite(error));
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
        // Scripts may read the columns: the event's words stay English, as --json's tokens do.
        io.out << QStringLiteral("@%1").arg(i + 1).leftJustified(6) << historyEntryTimeText(e) << '.'
               << e.stamp.right(3) << "  " << historyEventEnglishWords(e.event).leftJustified(19)
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
        say(io, output, cannotWrite(recording.errorString()));
        return kError;
    }
    //: A line of progress on a terminal; %1 is the port.
    progressLine(io, QCoreApplication::translate("CompanionMessages", "recording %1: opening").arg(port));
    const RecordOutcome recorded = recordTransmitter(
        port, recording, seconds, interrupted,
        [&] {
            //: A line of progress on a terminal: %1 is the port, %2 the seconds recorded, %3 how many rows.
            progressLine(io, QCoreApplication::translate("CompanionMessages", "recording %1: %2 s, %3")
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
            //: %1 says why the link failed, %2 how many rows were kept, %3 the file.
            say(io, port,
                QCoreApplication::translate("CompanionMessages", "%1; %2 kept in %3")
                    .arg(recorded.failure, rowCountText(recording.rowsKept()), output));
        }
        return kError;
    }
    if (!recording.failure().isEmpty()) {
        say(io, output,
            //: %1 says why the file could not be written, %2 how many rows it kept.
            QCoreApplication::translate("CompanionMessages", "cannot write: %1; %2 kept")
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
    case CliRequest::Command::Recover:
        return runRecover(r.port, r.recovery, io);
    }
    return kError;
}
