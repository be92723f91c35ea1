// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/blocks.h"
#include "params/parameterset.h"

#include <array>

// The live values after one channel or telemetry frame: the frame's own values and the last ones the
// other kind of frame brought, as the model holds them (raw, in the transmitter's units).
enum LiveValue : int {
    LiveCh1 = 0, // .. LiveCh1 + 7: the eight channel outputs
    LiveTxVolts = 8,
    LiveRxVolts,
    LiveExtVolts,
    LiveRssi,
    kLiveValueCount
};

struct LiveSample {
    qint64 atUs = 0; // when the read that completed the frame came off the line (LinkPump::lineClockUs)
    FrameKind kind = FrameKind::Channel;
    std::array<int, kLiveValueCount> values{};
};

LiveSample liveSampleOf(const ParameterSet &p, FrameKind kind, qint64 atUs);
