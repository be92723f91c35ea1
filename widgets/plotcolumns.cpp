// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/plotcolumns.h"

#include <algorithm>

qint64 columnStartUs(int column, qint64 fromUs, qint64 toUs, int columns)
{
    return fromUs + (toUs - fromUs) * column / columns;
}

int columnAt(qint64 atUs, qint64 fromUs, qint64 toUs, int columns)
{
    const qint64 span = toUs - fromUs;
    if (span <= 0 || columns <= 0) return 0;
    // The inverse of columnStartUs: the largest c whose start is at or before atUs.
    const qint64 offset = atUs - fromUs;
    qint64 c = (offset * columns) / span;
    if (offset < 0 && (offset * columns) % span != 0) --c; // floor, not truncation, left of the plot
    while (c + 1 <= columns && columnStartUs(int(c + 1), fromUs, toUs, columns) <= atUs) ++c;
    while (c > 0 && columnStartUs(int(c), fromUs, toUs, columns) > atUs) --c;
    return int(std::clamp<qint64>(c, -1, columns));
}

QVector<ColumnSpan> plotColumns(const SampleRing &ring, qint64 fromUs, qint64 toUs, int columns)
{
    const int width = ring.width();
    QVector<ColumnSpan> spans(std::max(columns, 0) * width);
    if (ring.isEmpty() || columns <= 0 || toUs <= fromUs) return spans;
    const qint64 newestUs = ring.time(ring.size() - 1);
    int next = ring.firstAtOrAfter(fromUs);
    int held = next - 1; // the sample in force at the column's start, -1 if none
    for (int c = 0; c < columns; ++c) {
        const qint64 startUs = columnStartUs(c, fromUs, toUs, columns);
        if (startUs > newestUs) break;
        const qint64 endUs = columnStartUs(c + 1, fromUs, toUs, columns);
        ColumnSpan *out = &spans[c * width];
        auto take = [&](int i) {
            for (int k = 0; k < width; ++k) {
                const int v = ring.value(i, k);
                ColumnSpan &s = out[k];
                if (!s.drawn) {
                    s = {v, v, true};
                } else {
                    s.low = std::min(s.low, v);
                    s.high = std::max(s.high, v);
                }
            }
        };
        if (held >= 0 && startUs - ring.time(held) <= kHoldUs) take(held);
        for (; next < ring.size() && ring.time(next) < endUs; ++next) take(next);
        held = next - 1;
    }
    return spans;
}
