#pragma once

#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <functional>

// One read of the transmitter's model, as the window's OPEN and READ do it, but checked: "OK", "RR",
// "WWW" for every non-empty notification, blocks collected until all 19 frame numbers (and a
// telemetry frame, which carries the stick trims) have arrived or `quietMs` pass with nothing new,
// then "DIS".
struct ReadOutcome {
    QString failure;      // the port could not be opened or went away
    ParameterSet set;     // what arrived, decoded over the start-up set (not yet sanitised)
    QVector<int> missing; // frame numbers 1..19 that never came
    bool trimsReceived = false;
};

constexpr int kFrameNumbers = 19;
constexpr int kReadQuietMs = 3000;

// `progress` hears the count of distinct frame numbers received so far.
ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress = {},
                            int quietMs = kReadQuietMs);
