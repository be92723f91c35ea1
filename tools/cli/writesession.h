// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/readback.h"
#include "link/textframes.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <functional>

// One send of a parameter set, as the window's OPEN and WRITE do it: "OK", the frames `frames.size()`
// apart by kFrameGapMs, "WWW"; then, with `verify`, the model read back as READ reads it and compared
// with what went out; "DIS". Whatever the transmitter streams meanwhile is read and dropped.
struct WriteOutcome {
    QString failure; // the port could not be opened or went away
    int framesSent = 0;
    bool checked = false;                   // a read-back was made
    QVector<int> uncheckedFrames;           // frame numbers the read-back lacked
    QVector<SettingDifference> differences; // what the transmitter holds otherwise than sent
};

// `progress` hears each frame as it goes out (its index from 0 and the count).
WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const QVector<TextFrame> &frames,
                              bool verify, const std::function<void(TextFrame, int, int)> &progress = {},
                              int quietMs = 3000);
