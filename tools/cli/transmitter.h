// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/readanswer.h"
#include "link/readback.h"
#include "link/replacemodel.h"
#include "link/textframes.h"
#include "link/transmittersession.h"
#include "monitor/liverecording.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

constexpr int kFrameNumbers = ReadAnswer::kFrameNumbers;

// The companion's pacing: the window's frame gap and hold-off, but longer waits for a read's answer.
// A script has no pilot to press READ again, so a slow adapter or a busy transmitter gets three
// seconds before "RR" goes out again. Tests shorten both.
struct CliLink {
    TransmitterSession::Timing timing;
    TransmitterSession::ReadWaits waits{3000, 3000, 300, true, true};
};

// One read of the transmitter's model, as the window's OPEN and READ do it, but checked: "OK", "RR"
// (again for what is missing, at most twice), until all 19 frame numbers and a telemetry frame (which
// carries the stick trims) have arrived; then "DIS".
struct ReadOutcome {
    QString failure;      // the port could not be opened or went away
    ParameterSet set;     // what arrived, decoded over the start-up set (not yet sanitised)
    QVector<int> missing; // frame numbers 1..19 that never came (or came twice, differing)
    std::optional<std::array<int, 4>> trims; // what telemetry reported, if it came
};

// `progress` hears the count of distinct frame numbers received so far.
ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress = {},
                            const CliLink &link = {});

// One send of a parameter set, as the window's OPEN and WRITE do it: "OK", then the replacing
// procedure (with `request.backup` the model read and kept first, and nothing sent unless that read
// is complete; the journal; the frames paced; with `request.verify` the read-back); "DIS".
struct WriteOutcome {
    QString failure; // the port could not be opened or went away
    ReplaceOutcome replaced;
};
struct WriteHooks {
    std::function<void(TextFrame, int, int)> progress; // each frame as it goes out: index from 0, count
    std::function<void(const QString &, const QString &)> warn; // a copy or the journal not kept
};
WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const ReplaceRequest &request,
                              const WriteHooks &hooks = {}, const CliLink &link = {});

// The live stream recorded as the window does it: "OK", every channel and telemetry frame a row of
// `recording` (started by the caller) until `seconds` have passed (0: no limit), `stop` holds, the
// recording fails or the link goes; then "DIS" and the recording stopped. `tick` runs every 100 ms.
struct RecordOutcome {
    QString failure; // the port could not be opened or went away
};
RecordOutcome recordTransmitter(const QString &portName, LiveRecording &recording, int seconds,
                                const std::function<bool()> &stop, const std::function<void()> &tick = {},
                                const CliLink &link = {});
