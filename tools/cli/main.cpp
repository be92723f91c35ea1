// SPDX-License-Identifier: GPL-3.0-or-later
// txconfig-cli: back up, restore, inspect and compare transmitter models from a terminal.

#include "commandline.h"
#include "commands.h"
#include "files/language.h"
#include "files/version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t interruptedBySignal = 0;
void noteInterrupt(int)
{
    interruptedBySignal = 1;
}
} // namespace

int main(int argc, char *argv[])
{
    // A PDF sheet lays its text out with the fonts of a GUI application, which needs no display offscreen.
    bool sheet = false;
    for (int i = 1; i < argc; ++i) sheet = sheet || std::strcmp(argv[i], "sheet") == 0;
    if (sheet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(sheet ? new QGuiApplication(argc, argv)
                                                      : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QLatin1String(kCliName));
    QCoreApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    // The link's and the file reader's debug lines are for the window's log, not for a terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("txconfig.*.debug=false"));
    const Translations words(chooseLanguage(languageArgument(QCoreApplication::arguments()), QString(),
                                            QLocale::system().uiLanguages()));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
    if (parsed.exitCode >= 0) {
        (parsed.exitCode == 0 ? out : err) << parsed.text << '\n';
        return parsed.exitCode;
    }
    // Ctrl+C (or a kill) ends a recording with its file whole, as its end would.
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
    return runCommand(parsed.request, {out, err, ::isatty(STDERR_FILENO) == 1},
                      [] { return interruptedBySignal != 0; });
}
