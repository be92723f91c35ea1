// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the window, an answer on standard output (--help, --version, exit 0)
// or a refusal on standard error (usage, exit 2). --help-all is answered by showAllHelp().
struct CommandLineRequest {
    enum Action { OpenWindow, Answer, Refuse, AnswerAll };
    Action action = OpenWindow;
    QString text;    // the answer or refusal
    QString warning; // with OpenWindow: one line for standard error, the window opens all the same
    int exitCode() const { return action == Refuse ? 2 : 0; }
};

// Reads the program's own options from `arguments` (argv[0] first): -h, --help, --help-all, -v and
// --version. QApplication takes the toolkit's options (-platform, -reverse, -stylesheet FILE, ...) out
// of the arguments; before it has (`toolkitOptionsRemoved` false), anything else may still be one of
// those, so only the program's own options are answered then. Needs an application object for the
// usage line's program name.
CommandLineRequest readCommandLine(const QStringList &arguments, bool toolkitOptionsRemoved = true);

// Prints the help with Qt's own options (those of QApplication once it exists) on standard output and ends
// the process (exit 0).
[[noreturn]] void showAllHelp(const QStringList &arguments);
