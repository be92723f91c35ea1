// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/textframes.h"
#include "params/parameterset.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class QSaveFile;

// A parameter file is the S, G, H and I text frames back to back: 324 characters, no separators.

// Only the first 324 characters matter; a file chosen by mistake is read no further than this.
constexpr qint64 kMaxParameterFileBytes = 64 * 1024;

// Reads the text of a parameter file from at most its first kMaxParameterFileBytes bytes, one Latin-1
// character per byte on every Qt and locale, unless the text starts with a byte order mark.
QString readParameterFileText(QIODevice &device);

// Which frames had their markers in place and were read.
struct LoadedFrames {
    bool s = false, g = false, h = false, i = false;
    bool contains(TextFrame frame) const
    {
        const bool read[] = {s, g, h, i};
        return read[int(frame)];
    }
};

// Where a frame starts in a parameter file, and whether its lead and end letters sit in their places
// there (false when the text ends first).
inline int frameOffset(TextFrame frame)
{
    return 81 * int(frame);
}
bool hasFrameMarkers(const QString &text, TextFrame frame);

// Reads every frame whose lead and end markers sit at their places into `p`; the others are skipped.
// Nothing is range-checked here. Writes the "Blength" debug lines.
LoadedFrames readParameterText(const QString &text, ParameterSet &p);

// Copies the settings of the frames read from a file (and the volts they carry) into `to`, and
// nothing else: the live values go on meanwhile.
void copyLoadedFrames(const ParameterSet &from, const LoadedFrames &loaded, ParameterSet &to);

// The bytes of a parameter file holding `p`: the four frames as a fresh window builds them (raw
// voltages recomputed, tails from the templates), 324 Latin-1 bytes.
QByteArray parameterFileBytes(ParameterSet &p);

// Writes `bytes` to an open QSaveFile and commits it. On failure the old file stays as it was, the
// temporary one is dropped and `error` says why.
bool commitParameterFile(QSaveFile &file, const QByteArray &bytes, QString *error);

// The program-wide text of the file last loaded.
extern QString LoadText;
