// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QByteArray>
#include <QVector>

// The emulated transmitter's stored model and the answer it gives to a read request.

// A flown-in model, not the factory set: reversed channels, sub-trims and end points, elevon mix and
// one programmable mix on, dual rates 80/60 with expo, a throttle curve, Mode 2, 7.4 V alarm,
// firmware version 50. Every value lies inside its editor's range.
ParameterSet demoModel();

// The transmitter stores tenths of a volt only; derives them from the volts so that both forms agree
// (the start-up set holds 11.0 V next to 37 tenths).
ParameterSet withRawVoltages(ParameterSet p);

// The answer to "RR": the 18 parameter blocks and the aux block in frame-number order (the aux block
// is number 7). Byte 1 of each parameter block carries its frame number; the aux block's bytes 0, 1
// and 7 are 0x00.
QVector<QByteArray> readAnswer(const ParameterSet &model);
