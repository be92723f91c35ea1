// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/curvegeometry.h"

namespace {

// The labels sit at fixed places whatever the widget's size; each is 7 px below its grid row at 300x300.
constexpr std::array<AxisLabel, 11> kThrottleLabels = {{{{0, 37}, "100"},
                                                        {{0, 61}, " 90"},
                                                        {{0, 85}, " 80"},
                                                        {{0, 109}, " 70"},
                                                        {{0, 133}, " 60"},
                                                        {{0, 157}, " 50"},
                                                        {{0, 181}, " 40"},
                                                        {{0, 205}, " 30"},
                                                        {{0, 229}, " 20"},
                                                        {{0, 253}, " 10"},
                                                        {{0, 277}, "  0"}}};

constexpr int kDashPitch = 15;
constexpr int kDashLength = 8;

// Multiples of the dash pitch from `from` up to `to`, both inclusive.
std::vector<int> dashStarts(int from, int to)
{
    std::vector<int> starts;
    for (int v = from; v <= to; ++v)
        if (v % kDashPitch == 0) starts.push_back(v);
    return starts;
}

void addHorizontalDashes(std::vector<QLine> &dashes, int y, int fromX, int toX)
{
    for (int x : dashStarts(fromX, toX)) dashes.emplace_back(x, y, x + kDashLength, y);
}

void addVerticalDashes(std::vector<QLine> &dashes, int x, int fromY, int toY)
{
    for (int y : dashStarts(fromY, toY)) dashes.emplace_back(x, y, x, y + kDashLength);
}

// Values from the link or a file may be far outside 0..100; keep the products out of int overflow.
int scaled(qint64 a, qint64 b, qint64 divisor)
{
    return int(a * b / divisor);
}

} // namespace

ThrottleCurveGeometry throttleCurveGeometry(int width, int height, const std::array<int, 7> &values)
{
    const int w1 = width - 1;
    const int h1 = height - 1;
    ThrottleCurveGeometry g;
    g.frame = QRect(QPoint(30, 30), QPoint(279, 269));
    g.labels = kThrottleLabels;

    // Rows and columns: the outer ones sit on the frame, the inner ones divide it evenly.
    std::array<int, 11> rows;
    rows[0] = 30;
    for (int k = 1; k <= 9; ++k) rows[k] = (h1 - 59) * k / 10 + 30;
    rows[10] = h1 - 29;
    std::array<int, 6> columns;
    for (int k = 1; k <= 5; ++k) columns[k - 1] = (w1 - 39) * k / 6 + 20;
    columns[5] = w1 - 19;

    if (w1 > 49)
        for (int y : rows) addHorizontalDashes(g.dashes, y, 21, w1 - 30);
    if (h1 > 49)
        for (int x : columns) addVerticalDashes(g.dashes, x, 21, h1 - 30);

    // The first point starts on the frame's left edge rather than on the column formula's x = 20.
    for (int j = 1; j <= 7; ++j) {
        const int x = j == 1 ? 30 : j == 7 ? w1 - 19 : (w1 - 39) * (j - 1) / 6 + 20;
        const int y = scaled(100 - qint64(values[j - 1]), h1 - 59, 100) + 30;
        g.points[j - 1] = QPoint(x, y);
    }
    return g;
}

DualRateCurveGeometry dualRateCurveGeometry(int width, int height, int rate, int exp)
{
    const int w1 = width - 1;
    const int h1 = height - 1;
    DualRateCurveGeometry g;
    g.frame = QRect(QPoint(20, 20), QPoint(259, 259));

    if (w1 - 19 > 20) addHorizontalDashes(g.dashes, (h1 - 39) / 2 + 20, 21, w1 - 20);
    if (h1 - 19 > 20) addVerticalDashes(g.dashes, (w1 - 39) / 2 + 20, 21, h1 - 20);

    // The rate pulls both outer ends toward the centre line; the exponential only moves the second
    // control points, toward the outer ends' horizontals (positive) or the centre's (negative).
    const int hy = (h1 - 39) / 2;
    const QPointF centre((w1 - 39) / 2 + 20, hy + 20);
    const qint64 pull = (100 - qint64(rate)) * hy;
    const int a = int(pull / 100);
    const int h = int(pull / 200);
    const int r = scaled(rate, exp, 100);
    const int xq = (w1 - 39) / 4 + 20;
    const int dx = scaled(xq / 2, r, 100);
    const int dy = scaled(r, (h1 - 39) / 4, 100);

    const QPointF lowerStart(20, h1 - 19 - a);
    g.lower = {lowerStart, lowerStart, QPointF(xq + dx, 3 * (h1 - 39) / 4 + 20 - h + dy), centre};
    const QPointF upperStart(w1 - 19, a + 20);
    g.upper = {upperStart, upperStart, QPointF(3 * (w1 - 39) / 4 - dx + 20, (h1 - 39) / 4 - dy + 20 + h),
               centre};
    return g;
}
