// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/livesample.h"

LiveSample liveSampleOf(const ParameterSet &p, FrameKind kind, qint64 atUs)
{
    LiveSample s;
    s.atUs = atUs;
    s.kind = kind;
    for (int ch = 0; ch < 8; ++ch) s.values[size_t(LiveCh1 + ch)] = p.*fields::servoOut[ch];
    s.values[LiveTxVolts] = p.txVoltage;
    s.values[LiveRxVolts] = p.rxVoltage;
    s.values[LiveExtVolts] = p.extVoltage;
    s.values[LiveRssi] = p.rssiRaw;
    return s;
}
