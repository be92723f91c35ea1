// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/samplering.h"

#include <QString>

// What the monitor's cursor shows: the time under the pointer, in seconds before the plot's end, and
// every value in force then (the last sample at or before it), as the read-outs show them:
// "-2.35 s  CH1 1500 ... CH8 1000  TX 8.1 V  RX 5.0 V  EXT 0.0 V  RSSI -60 dBm". A value with no sample
// yet reads "-".
QString cursorReadout(const LiveRings &rings, qint64 atUs, qint64 endUs);
