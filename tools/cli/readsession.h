// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/readanswer.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

class SerialSession;

// One read of the transmitter's model, as the window's OPEN and READ do it, but checked: "OK", "RR",
// "WWW" for every non-empty notification, blocks collected until all 19 frame numbers (and a
// telemetry frame, which carries the stick trims) have arrived; a round of `quietMs` with nothing new
// asks again with "RR" for what is missing, at most twice; then "DIS".
struct ReadOutcome {
    QString failure;      // the port could not be opened or went away
    ParameterSet set;     // what arrived, decoded over the start-up set (not yet sanitised)
    QVector<int> missing; // frame numbers 1..19 that never came (or came twice, differing)
    bool trimsReceived = false;
    std::optional<std::array<int, 4>> trims; // the last trims telemetry reported
};

constexpr int kFrameNumbers = ReadAnswer::kFrameNumbers;
constexpr int kReadQuietMs = 3000;

// `progress` hears the count of distinct frame numbers received so far.
ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress = {},
                            int quietMs = kReadQuietMs);

// The same read over a link that is already open (and stays open); `outcome.set` is decoded into as
// it stands. False if the port failed.
bool readModelOver(SerialSession &link, ReadOutcome &outcome, const std::function<void(int)> &progress,
                   int quietMs);
