// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

inline constexpr char kCliName[] = "txconfig-cli";

// What the command line asks for, checked: which command, its files and options.
struct CliRequest {
    enum class Command { Dump, Diff, Read, Write, History, Record, Sheet, Recover };
    enum class Recovery { Describe, Restore, Resend };
    Command command = Command::Dump;
    QStringList files;    // dump, write, sheet: one; diff: two; "@N" is the N-th newest history entry
    QString port;         // read, write, record, recover
    QString output;       // read, record, sheet
    int seconds = 0;      // record: how long, 0 until interrupted
    bool json = false;    // dump, diff
    bool partial = false; // write
    bool verify = true;   // write: read the model back and compare
    bool backup = true;   // write: read the model first and keep it in the history
    Recovery recovery = Recovery::Describe; // recover: --restore or --resend, else only describe
};

struct ParsedCommandLine {
    CliRequest request;
    // 0 after --help or --version (`text` goes to stdout), 2 after a usage error (`text` is the one
    // line for stderr); -1 when `request` is to be run.
    int exitCode = -1;
    QString text;
};

ParsedCommandLine parseCommandLine(const QStringList &arguments);
