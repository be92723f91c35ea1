// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/paramfile.h"
#include "params/namedfields.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// Pure formatting of parameter files for the terminal: dumps, differences and the values that would
// not reach the transmitter as they stand.

// The named parameters whose frame was read, in the form's order.
QVector<const NamedField *> presentFields(const LoadedFrames &loaded);

// A parameter's value as text: the three alarms in volts with one decimal, the rest as integers.
QString valueText(const NamedField &field, const ParameterSet &p);

// What the frames would carry if `p` were sent now: sanitised, then each value as its field encodes it.
ParameterSet wouldBeSent(const ParameterSet &p);

struct Correction {
    const NamedField *field;
    QString value; // as the file has it
    QString sent;  // as it would go out
};
// The present parameters that would not go out as they stand (outside the sanitiser's ranges, or
// outside what their field can carry).
QVector<Correction> corrections(const ParameterSet &p, const LoadedFrames &loaded);

// `NAME VALUE` per present parameter under a `# GROUP` line per tab, flagged where it would be
// corrected: `NAME VALUE # out of range, would be sent as N`.
QStringList dumpLines(const ParameterSet &p, const LoadedFrames &loaded);
// {"parameters": {NAME: VALUE, ...}, "outOfRange": {NAME: N, ...}}
QJsonObject dumpJson(const ParameterSet &p, const LoadedFrames &loaded);

// `NAME A-VALUE B-VALUE` for every parameter present in both whose values differ.
QStringList diffLines(const ParameterSet &a, const LoadedFrames &la, const ParameterSet &b,
                      const LoadedFrames &lb);
// {"differences": {NAME: [A-VALUE, B-VALUE], ...}}
QJsonObject diffJson(const ParameterSet &a, const LoadedFrames &la, const ParameterSet &b,
                     const LoadedFrames &lb);
