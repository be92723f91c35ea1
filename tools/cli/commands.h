// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"
#include "transmitter.h"

#include <QTextStream>

#include <functional>

// Where a command writes: results on `out`, one line per error or note on `err`, and the progress
// line (on `err`, rewritten in place) only when `progress` is set, that is when stderr is a terminal.
struct CliStreams {
    QTextStream &out;
    QTextStream &err;
    bool progress = false;
};

// Runs one checked request; returns the exit code. `interrupted` ends a recording early (Ctrl+C).
int runCommand(const CliRequest &request, CliStreams io, const std::function<bool()> &interrupted = {});

int runDump(const QString &path, bool json, CliStreams io);
int runDiff(const QString &pathA, const QString &pathB, bool json, CliStreams io);
// `link` is the companion's own pacing unless a test shortens it.
int runRead(const QString &port, const QString &output, CliStreams io, const CliLink &link = {});
int runWrite(const QString &port, const QString &path, bool partial, bool verify, bool backup, CliStreams io,
             const CliLink &link = {});
int runHistory(bool json, CliStreams io);
int runRecord(const QString &port, const QString &output, int seconds, CliStreams io,
              const std::function<bool()> &interrupted = {}, const CliLink &link = {});
// A PDF sheet needs a QGuiApplication; an HTML one does not.
int runSheet(const QString &path, const QString &output, CliStreams io);
int runRecover(const QString &port, CliRequest::Recovery recovery, CliStreams io, const CliLink &link = {});
