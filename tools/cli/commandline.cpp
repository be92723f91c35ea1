// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const char kDescription[] = R"(Backs up, restores, inspects and compares transmitter models.

Commands:
  dump FILE [--json]          every parameter a parameter file carries, as NAME VALUE
  diff A B [--json]           the parameters whose values differ, as NAME A-VALUE B-VALUE
  read --port PORT -o FILE    read the transmitter's model into a parameter file
  write --port PORT FILE      send a parameter file to the transmitter, then read it back and
                              compare (--no-verify skips the check); the model it replaces is read
                              first and kept in the history (--no-backup skips that)
  history [--json]            the models kept in the history, newest first, numbered
  record --port PORT -o FILE.csv [--seconds N]
                              the live channel outputs, voltages and signal to a CSV file, one
                              row per frame, for N seconds or until interrupted (Ctrl+C)
  sheet FILE -o OUT           a printable sheet of the model: every setting with its value and
                              factory value, as OUT.pdf or, by its extension, OUT.html
  recover                     describe a WRITE (or the window's LOAD, SAVE, RESET) that was cut
                              off half-way, if there is one
  recover --port PORT --restore | --resend
                              send the model kept before it, or the one it was sending, then read
                              it back and compare

FILE may be @N, the N-th newest entry of the history (@1 the newest).

Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing
(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on
stderr names the file or port and why; a recording keeps the rows written until then).)";

struct Shape {
    const char *name;
    CliRequest::Command command;
    int files;
    bool port, output, json, partial; // --partial, --no-verify and --no-backup go together: all write's
    bool seconds = false;
    bool recover = false; // --restore and --resend, with an optional --port
};

constexpr Shape kShapes[] = {
    {"dump", CliRequest::Command::Dump, 1, false, false, true, false},
    {"diff", CliRequest::Command::Diff, 2, false, false, true, false},
    {"read", CliRequest::Command::Read, 0, true, true, false, false},
    {"write", CliRequest::Command::Write, 1, true, false, false, true},
    {"history", CliRequest::Command::History, 0, false, false, true, false},
    {"record", CliRequest::Command::Record, 0, true, true, false, false, true},
    {"sheet", CliRequest::Command::Sheet, 1, false, true, false, false},
    {"recover", CliRequest::Command::Recover, 0, false, false, false, false, false, true},
};

ParsedCommandLine usageError(const QString &text)
{
    return {{}, 2, QStringLiteral("%1: %2 (see --help)").arg(QLatin1String(kCliName), text)};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption portOpt("port", "The transmitter's serial port (read, write, record, recover).",
                                     "port");
    const QCommandLineOption outputOpt(
        {"o", "output"}, "The parameter file (read), CSV file (record) or sheet (sheet) to write.", "file");
    const QCommandLineOption secondsOpt("seconds", "How many seconds to record (record).", "N");
    const QCommandLineOption jsonOpt("json", "One JSON object instead of lines (dump, diff).");
    const QCommandLineOption partialOpt("partial",
                                        "Send the frames that are in place even if others are not (write).");
    const QCommandLineOption noVerifyOpt("no-verify", "Do not read the model back after sending it (write).");
    const QCommandLineOption noBackupOpt(
        "no-backup", "Do not read and keep the transmitter's model before sending (write).");
    const QCommandLineOption restoreOpt("restore",
                                        "Send the model kept before the command cut off (recover).");
    const QCommandLineOption resendOpt("resend", "Send the model the command cut off was sending (recover).");
    parser.addOptions({portOpt, outputOpt, secondsOpt, jsonOpt, partialOpt, noVerifyOpt, noBackupOpt,
                       restoreOpt, resendOpt});
    parser.addPositionalArgument("command", "dump, diff, read, write, history, record, sheet or recover.");
    parser.addPositionalArgument("files", "The parameter files the command works on.", "[files...]");

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) return {{}, 0, parser.helpText()};
    if (parser.isSet(version))
        return {{}, 0, QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion()};

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return usageError(QStringLiteral("no command given"));
    const QString name = positional.takeFirst();
    const Shape *shape = nullptr;
    for (const Shape &s : kShapes)
        if (name == QLatin1String(s.name)) shape = &s;
    if (!shape) return usageError(QStringLiteral("unknown command '%1'").arg(name));

    if (positional.size() != shape->files) {
        static const char *const counts[] = {"no file", "one file", "two files"};
        const QString count = shape->output && !shape->files
                                  ? QStringLiteral("no file (%1 writes -o FILE)").arg(name)
                                  : QLatin1String(counts[shape->files]);
        return usageError(QStringLiteral("%1 takes %2").arg(name, count));
    }
    const std::pair<const QCommandLineOption *, bool> allowed[] = {{&portOpt, shape->port || shape->recover},
                                                                   {&outputOpt, shape->output},
                                                                   {&jsonOpt, shape->json},
                                                                   {&partialOpt, shape->partial},
                                                                   {&noVerifyOpt, shape->partial},
                                                                   {&noBackupOpt, shape->partial},
                                                                   {&secondsOpt, shape->seconds},
                                                                   {&restoreOpt, shape->recover},
                                                                   {&resendOpt, shape->recover}};
    for (const auto &[option, ok] : allowed)
        if (parser.isSet(*option) && !ok)
            return usageError(QStringLiteral("%1 has no option --%2").arg(name, option->names().last()));

    ParsedCommandLine parsed;
    CliRequest &r = parsed.request;
    r.command = shape->command;
    r.files = positional;
    r.port = parser.value(portOpt);
    r.output = parser.value(outputOpt);
    r.json = parser.isSet(jsonOpt);
    r.partial = parser.isSet(partialOpt);
    r.verify = !parser.isSet(noVerifyOpt);
    r.backup = !parser.isSet(noBackupOpt);
    if (shape->port && r.port.isEmpty()) return usageError(name + QStringLiteral(" needs --port PORT"));
    if (shape->recover) {
        if (parser.isSet(restoreOpt) && parser.isSet(resendOpt))
            return usageError(QStringLiteral("recover takes --restore or --resend, not both"));
        if (parser.isSet(restoreOpt)) r.recovery = CliRequest::Recovery::Restore;
        if (parser.isSet(resendOpt)) r.recovery = CliRequest::Recovery::Resend;
        if ((r.recovery == CliRequest::Recovery::Describe) != r.port.isEmpty())
            return usageError(r.port.isEmpty()
                                  ? QStringLiteral("recover --%1 needs --port PORT")
                                        .arg(parser.isSet(restoreOpt) ? "restore" : "resend")
                                  : QStringLiteral("recover --port needs --restore or --resend"));
    }
    if (shape->output && r.output.isEmpty()) return usageError(name + QStringLiteral(" needs -o FILE"));
    if (parser.isSet(secondsOpt)) {
        bool number = false;
        r.seconds = parser.value(secondsOpt).toInt(&number);
        if (!number || r.seconds <= 0)
            return usageError(QStringLiteral("--seconds takes a whole number above 0, not '%1'")
                                  .arg(parser.value(secondsOpt)));
    }
    return parsed;
}
