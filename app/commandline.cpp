// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "files/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdlib>

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "txconfig", "Reads, edits, saves and writes the settings of an eight-channel radio-control "
                    "transmitter over a serial port.\nQt's own options, such as -platform and -style, "
                    "are accepted too (--help-all lists them)."));
    // Qt's options are words after one dash (-reverse, -stylesheet); read as bundles of letters,
    // -reverse would hold -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Read before the parser (files/language.h); declared here so that it is accepted and listed.
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("txconfig",
                                    "Speaks the language CODE (de, es, fr, ru, zh_CN or en) instead "
                                    "of the one chosen under Views or the system's."),
        QStringLiteral("CODE")));
}

} // namespace

CommandLineRequest readCommandLine(const QStringList &arguments, bool toolkitOptionsRemoved)
{
    QCommandLineParser parser;
    describe(parser);
    // Not addHelpOption(): its --help-all lists Qt's options only through showHelp(), which exits the
    // process, and before QApplication it would list the core ones alone.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("txconfig", "Displays help on commandline options."));
    const QCommandLineOption helpAll(QStringLiteral("help-all"),
                                     QCoreApplication::translate("txconfig", "Displays help including Qt "
                                                                             "specific options."));
    parser.addOption(help);
    parser.addOption(helpAll);
    const QCommandLineOption version = parser.addVersionOption();

    // parse() still records the options it knows when it meets one it does not, so --help wins
    // over a stray toolkit option.
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) return {CommandLineRequest::Answer, parser.helpText(), {}};
    // Qt's window options are known only once QApplication is made, so --help-all waits for it.
    if (parser.isSet(helpAll))
        return toolkitOptionsRemoved ? CommandLineRequest{CommandLineRequest::AnswerAll, {}, {}}
                                     : CommandLineRequest{};
    if (parser.isSet(version))
        return {CommandLineRequest::Answer,
                QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QLatin1String(kProgramVersion)),
                {}};
    if (!toolkitOptionsRemoved) return {};

    if (!parsed)
        return {CommandLineRequest::Refuse,
                QStringLiteral("%1: %2\n\n%3")
                    .arg(QLatin1String(kProgramName), parser.errorText(), parser.helpText()),
                {}};
    CommandLineRequest request;
    if (!parser.positionalArguments().isEmpty())
        // The program opens no files from the command line; say so rather than drop the name unseen.
        request.warning = QCoreApplication::translate("txconfig", "%1: ignoring '%2': no files are opened "
                                                                  "from the command line.\n")
                              .arg(QLatin1String(kProgramName), parser.positionalArguments().join("' '"));
    return request;
}

void showAllHelp(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(QStringList{arguments.value(0), QStringLiteral("--help-all")});
    std::exit(0); // process() has exited already
}
