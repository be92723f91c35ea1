// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/paramfile.h"
#include "params/parameterset.h"

#include <QString>
#include <QStringList>

// A parameter file read as the window's LOAD reads it (the first 64 KiB, frames with their markers in
// place), over the start-up set, nothing corrected yet.
struct FileInput {
    QString failure; // the file cannot be used at all: missing, unreadable, not a parameter file
    ParameterSet set;
    LoadedFrames loaded;
    QStringList leftOut; // one line per frame not read, naming it and why
};

FileInput readParameterFileInput(const QString &path);
