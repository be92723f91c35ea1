// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the window, an answer on standard output (--help, --version, exit 0)
// or a refusal on standard error (usage, exit 2).
struct CommandLineRequest {
    enum Action { OpenWindow, Answer, Refuse };
    Action action = OpenWindow;
    QString text;
    int exitCode() const { return action == Refuse ? 2 : 0; }
};

// Reads the program's own options from `arguments` (argv[0] first). QApplication takes the toolkit's
// options (-platform, -style, ...) out of the arguments; before it has (`toolkitOptionsRemoved` false),
// anything that is not ours may still be one of those, so only --help and --version are answered then.
// Needs an application object for the usage line's program name.
CommandLineRequest readCommandLine(const QStringList &arguments, bool toolkitOptionsRemoved = true);
