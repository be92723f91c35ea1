// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/samplering.h"

#include <QVector>

// What the monitor's plots draw in each pixel column, computed from a ring alone so it can be checked
// without painting.

struct ColumnSpan {
    int low = 0, high = 0; // raw values, as the ring holds them
    bool drawn = false;
};

// A value is held this long after its sample; a longer silence (the link closed) leaves a gap.
constexpr qint64 kHoldUs = 1000000;

// The span of each of the ring's values in each of `columns` pixel columns from `fromUs` to `toUs`:
// column c covers [fromUs + (toUs - fromUs) * c / columns, the next column's start). A span takes
// the lowest and highest of the samples in its column and of the value held at the column's start
// (the last sample before it, at most kHoldUs old), so neighbouring columns join up and a column
// between two samples shows the held value. Columns that start after the newest sample are not
// drawn. Result index: column * ring.width() + value. One pass over the samples in view.
QVector<ColumnSpan> plotColumns(const SampleRing &ring, qint64 fromUs, qint64 toUs, int columns);

// The pixel column that time `atUs` falls in (may be outside 0..columns-1), and a column's start.
int columnAt(qint64 atUs, qint64 fromUs, qint64 toUs, int columns);
qint64 columnStartUs(int column, qint64 fromUs, qint64 toUs, int columns);
