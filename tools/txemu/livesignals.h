// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QByteArray>

// The live frames the emulated transmitter streams after "OK".
//
// Plain: the eight channels sweep around the centre (1000) at different speeds, the battery sags
// slowly from 8.2 V, the signal and voltages wobble a little and the trims are the model's.
// Adversarial: servo values, voltages, trims and the unused bytes carry the marker bytes 0xFE, 0xAA,
// 0x18 and 0x19 in every position, to test that a receiver never takes a frame out of a payload.
QByteArray channelFrameAt(const ParameterSet &model, qint64 ms, int sequence, bool adversarial);
QByteArray telemetryFrameAt(const ParameterSet &model, qint64 ms, int sequence, bool adversarial);
