// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/livesample.h"

#include <QByteArray>
#include <QString>

// A live value as its read-out on the form shows it, without blanks and unit: an output as a plain
// number, a voltage in volts with one decimal (truncated, two digits before the point), the signal
// in dBm, empty for no signal. The decimal point is always ".", whatever the locale.
QString liveFigure(LiveValue which, int raw);

// A recording's first line, and one row per live frame: the time in milliseconds since the
// recording's first frame, then every live value as liveFigure() gives it.
QByteArray csvHeader();
void appendCsvRow(QByteArray &out, qint64 timeMs, const LiveSample &sample);
