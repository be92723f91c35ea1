#pragma once

#include "params/parameterset.h"

#include <QString>

class QIODevice;

// A parameter file is the S, G, H and I text frames back to back: 324 characters, no separators.

// Only the first 324 characters matter; a file chosen by mistake is read no further than this.
constexpr qint64 kMaxParameterFileBytes = 64 * 1024;

// Reads the text of a parameter file from at most its first kMaxParameterFileBytes bytes.
QString readParameterFileText(QIODevice &device);

// Which frames had their markers in place and were read.
struct LoadedFrames {
    bool s = false, g = false, h = false, i = false;
};

// Reads every frame whose lead and end markers sit at their places into `p`; the others are skipped.
// Nothing is range-checked here. Writes the "Blength" debug lines.
LoadedFrames readParameterText(const QString &text, ParameterSet &p);

// The program-wide text of the file last loaded.
extern QString LoadText;
