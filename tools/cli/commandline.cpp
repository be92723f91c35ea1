// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The description --help gives, paragraph by paragraph, in the language of the moment. Its lines are
// kept as they print.
QString description()
{
    // clang-format off
    const QStringList paragraphs = {
        QCoreApplication::translate("CompanionHelp",
            "Backs up, restores, inspects and compares transmitter models."),
        //: Only the descriptions on the right are translated, in the same columns; what is typed (dump, FILE,
        //: --json, --port PORT...) and the command names WRITE, LOAD, SAVE, RESET stay as they are.
        QCoreApplication::translate("CompanionHelp",
            "Commands:\n"
            "  dump FILE [--json]          every parameter a parameter file carries, as NAME VALUE\n"
            "  diff A B [--json]           the parameters whose values differ, as NAME A-VALUE B-VALUE\n"
            "  read --port PORT -o FILE    read the transmitter's model into a parameter file\n"
            "  write --port PORT FILE      send a parameter file to the transmitter, then read it back and\n"
            "                              compare (--no-verify skips the check); the model it replaces is read\n"
            "                              first and kept in the history (--no-backup skips that)\n"
            "  history [--json]            the models kept in the history, newest first, numbered\n"
            "  record --port PORT -o FILE.csv [--seconds N]\n"
            "                              the live channel outputs, voltages and signal to a CSV file, one\n"
            "                              row per frame, for N seconds or until interrupted (Ctrl+C)\n"
            "  sheet FILE -o OUT           a printable sheet of the model: every setting with its value and\n"
            "                              factory value, as OUT.pdf or, by its extension, OUT.html\n"
            "  recover                     describe a WRITE (or the window's LOAD, SAVE, RESET) that was cut\n"
            "                              off half-way, if there is one\n"
            "  recover --port PORT --restore | --resend\n"
            "                              send the model kept before it, or the one it was sending, then read\n"
            "                              it back and compare"),
        //: FILE, @N and @1 are typed so and stay as they are.
        QCoreApplication::translate("CompanionHelp",
            "FILE may be @N, the N-th newest entry of the history (@1 the newest)."),
        //: The exit codes 0, 1 and 2 and the command names diff, read, write, recover stay as they are.
        QCoreApplication::translate("CompanionHelp",
            "Exit codes: 0 success (diff: the files are equal); 1 diff: they differ, read: blocks missing\n"
            "(no file written), write, recover: the transmitter does not hold what was sent; 2 an error (a message on\n"
            "stderr names the file or port and why; a recording keeps the rows written until then)."),
    };
    // clang-format on
    return paragraphs.join(QStringLiteral("\n\n"));
}

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
    //: After a mistake on the command line: %1 says what is wrong.
    const QString line = QCoreApplication::translate("CompanionMessages", "%1 (see --help)").arg(text);
    return {{}, 2, QStringLiteral("%1: %2").arg(QLatin1String(kCliName), line)};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // The options' names stay; their descriptions and the names of their values are translated.
    const QCommandLineOption portOpt(
        "port",
        QCoreApplication::translate("CompanionHelp",
                                    "The transmitter's serial port (read, write, record, recover)."),
        //: The value --port takes, as --help shows it.
        QCoreApplication::translate("CompanionHelp", "port", "value of an option"));
    const QCommandLineOption outputOpt(
        {"o", "output"},
        QCoreApplication::translate(
            "CompanionHelp", "The parameter file (read), CSV file (record) or sheet (sheet) to write."),
        //: The value -o takes, as --help shows it.
        QCoreApplication::translate("CompanionHelp", "file", "value of an option"));
    const QCommandLineOption secondsOpt(
        "seconds", QCoreApplication::translate("CompanionHelp", "How many seconds to record (record)."),
        //: The value --seconds takes, as --help shows it.
        QCoreApplication::translate("CompanionHelp", "N", "value of an option"));
    const QCommandLineOption jsonOpt(
        "json",
        QCoreApplication::translate("CompanionHelp", "One JSON object instead of lines (dump, diff)."));
    const QCommandLineOption partialOpt(
        "partial", QCoreApplication::translate(
                       "CompanionHelp", "Send the frames that are in place even if others are not (write)."));
    const QCommandLineOption noVerifyOpt(
        "no-verify",
        QCoreApplication::translate("CompanionHelp", "Do not read the model back after sending it (write)."));
    const QCommandLineOption noBackupOpt(
        "no-backup",
        QCoreApplication::translate("CompanionHelp",
                                    "Do not read and keep the transmitter's model before sending (write)."));
    const QCommandLineOption restoreOpt(
        "restore", QCoreApplication::translate("CompanionHelp",
                                               "Send the model kept before the command cut off (recover)."));
    const QCommandLineOption resendOpt(
        "resend", QCoreApplication::translate("CompanionHelp",
                                              "Send the model the command cut off was sending (recover)."));
    // Read before the parser (files/language.h), so that this help is already in that language.
    const QCommandLineOption langOpt(
        "lang",
        QCoreApplication::translate("CompanionHelp",
                                    "Speak the language CODE (de, es, fr, ru, zh_CN or en) "
                                    "instead of the system's; what scripts read stays English."),
        //: The value --lang takes, as --help shows it.
        QCoreApplication::translate("CompanionHelp", "CODE", "value of an option"));
    parser.addOptions({portOpt, outputOpt, secondsOpt, jsonOpt, partialOpt, noVerifyOpt, noBackupOpt,
                       restoreOpt, resendOpt, langOpt});
    //: The name --help shows for the first word after the program's name.
    parser.addPositionalArgument(
        QCoreApplication::translate("CompanionHelp", "command", "argument's name"),
        //: The commands' names are typed so and stay as they are.
        QCoreApplication::translate("CompanionHelp",
                                    "dump, diff, read, write, history, record, sheet or recover."));
    //: The name --help shows for the words after the command.
    parser.addPositionalArgument(
        QCoreApplication::translate("CompanionHelp", "files", "argument's name"),
        QCoreApplication::translate("CompanionHelp", "The parameter files the command works on."),
        //: How --help's usage line shows the words after the command.
        QCoreApplication::translate("CompanionHelp", "[files...]", "usage line"));

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) return {{}, 0, parser.helpText()};
    if (parser.isSet(version))
        return {{}, 0, QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion()};

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QCoreApplication::translate("CompanionMessages", "no command given"));
    const QString name = positional.takeFirst();
    const Shape *shape = nullptr;
    for (const Shape &s : kShapes)
        if (name == QLatin1String(s.name)) shape = &s;
    //: %1 is the word typed where a command was expected.
    if (!shape)
        return usageError(QCoreApplication::translate("CompanionMessages", "unknown command '%1'").arg(name));

    if (positional.size() != shape->files) {
        static const char *const takes[] = {
            //: %1 is the command's name.
            QT_TRANSLATE_NOOP("CompanionMessages", "%1 takes no file"),
            //: %1 is the command's name.
            QT_TRANSLATE_NOOP("CompanionMessages", "%1 takes one file"),
            //: %1 is the command's name.
            QT_TRANSLATE_NOOP("CompanionMessages", "%1 takes two files"),
        };
        if (shape->output && !shape->files)
            //: %1 is the command's name (read, record); -o FILE is typed so.
            return usageError(
                QCoreApplication::translate("CompanionMessages", "%1 takes no file (%1 writes -o FILE)")
                    .arg(name));
        return usageError(QCoreApplication::translate("CompanionMessages", takes[shape->files]).arg(name));
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
            //: %1 is the command's name, %2 the option's.
            return usageError(QCoreApplication::translate("CompanionMessages", "%1 has no option --%2")
                                  .arg(name, option->names().last()));

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
    //: %1 is the command's name; --port PORT is typed so.
    if (shape->port && r.port.isEmpty())
        return usageError(QCoreApplication::translate("CompanionMessages", "%1 needs --port PORT").arg(name));
    if (shape->recover) {
        if (parser.isSet(restoreOpt) && parser.isSet(resendOpt))
            return usageError(QCoreApplication::translate("CompanionMessages",
                                                          "recover takes --restore or --resend, not both"));
        if (parser.isSet(restoreOpt)) r.recovery = CliRequest::Recovery::Restore;
        if (parser.isSet(resendOpt)) r.recovery = CliRequest::Recovery::Resend;
        if ((r.recovery == CliRequest::Recovery::Describe) != r.port.isEmpty()) {
            if (!r.port.isEmpty())
                return usageError(QCoreApplication::translate("CompanionMessages",
                                                              "recover --port needs --restore or --resend"));
            //: %1 is the option given, restore or resend; --port PORT is typed so.
            return usageError(
                QCoreApplication::translate("CompanionMessages", "recover --%1 needs --port PORT")
                    .arg(QLatin1String(parser.isSet(restoreOpt) ? "restore" : "resend")));
        }
    }
    //: %1 is the command's name; -o FILE is typed so.
    if (shape->output && r.output.isEmpty())
        return usageError(QCoreApplication::translate("CompanionMessages", "%1 needs -o FILE").arg(name));
    if (parser.isSet(secondsOpt)) {
        bool number = false;
        r.seconds = parser.value(secondsOpt).toInt(&number);
        if (!number || r.seconds <= 0)
            //: %1 is what was typed after --seconds.
            return usageError(QCoreApplication::translate("CompanionMessages",
                                                          "--seconds takes a whole number above 0, not '%1'")
                                  .arg(parser.value(secondsOpt)));
    }
    return parsed;
}
