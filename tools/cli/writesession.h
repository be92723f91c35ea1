#pragma once

#include "link/textframes.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <functional>

// One send of a parameter set, as the window's OPEN and WRITE do it: "OK", the frames `frames.size()`
// apart by kFrameGapMs, "WWW", "DIS". Whatever the transmitter streams meanwhile is read and dropped.
struct WriteOutcome {
    QString failure; // the port could not be opened or went away
    int framesSent = 0;
};

// `progress` hears each frame as it goes out (its index from 0 and the count).
WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const QVector<TextFrame> &frames,
                              const std::function<void(TextFrame, int, int)> &progress = {});
