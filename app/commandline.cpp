// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLineRequest readCommandLine(const QStringList &arguments, bool toolkitOptionsRemoved)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "txconfig", "Reads, edits, saves and writes the settings of an eight-channel radio-control "
                    "transmitter over a serial port.\nQt's own options, such as -platform and -style, "
                    "are accepted too."));
    // Not addHelpOption(): its --help-all lists Qt's options only through showHelp(), which exits the
    // process, and before QApplication it would list the core ones alone.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("txconfig", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    // parse() still records the options it knows when it meets one it does not, so --help wins
    // over a stray toolkit option.
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) return {CommandLineRequest::Answer, parser.helpText()};
    if (parser.isSet(version))
        return {CommandLineRequest::Answer,
                QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QLatin1String(kProgramVersion))};
    if (!toolkitOptionsRemoved) return {};

    QString problem;
    if (!parsed)
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        // The program opens no files from the command line; a name given there would be silently dropped.
        problem = QCoreApplication::translate("txconfig", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    if (problem.isEmpty()) return {};
    return {CommandLineRequest::Refuse,
            QStringLiteral("%1: %2\n\n%3").arg(QLatin1String(kProgramName), problem, parser.helpText())};
}
