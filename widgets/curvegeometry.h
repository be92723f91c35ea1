// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>
#include <vector>

// What the two curve widgets draw, computed from the widget size and the parameters alone, so the
// numbers can be checked without painting. All arithmetic is on integers with divisions truncating
// toward zero, which pins every line and point to an exact pixel.

struct AxisLabel {
    QPoint baseline; // left end of the text baseline
    const char *text;
};

struct ThrottleCurveGeometry {
    QRect frame;               // outline, pen width 4
    std::vector<QLine> dashes; // grid dashes, pen width 1, one line call each
    std::array<AxisLabel, 11> labels;
    std::array<QPoint, 7> points; // curve P1..P7, drawn as six lines
};

struct BezierHalf {
    QPointF start, control1, control2, end;
};

struct DualRateCurveGeometry {
    QRect frame;               // outline, pen width 4
    std::vector<QLine> dashes; // centre lines, pen width 2
    BezierHalf lower;          // input -100 % .. centre
    BezierHalf upper;          // centre .. +100 %
};

// The throttle curve: values are the seven curve points in percent, drawn unclamped.
ThrottleCurveGeometry throttleCurveGeometry(int width, int height, const std::array<int, 7> &values);

// The dual-rate / exponential response: rate 0..100 and exp -100..100 through the form, drawn unclamped.
DualRateCurveGeometry dualRateCurveGeometry(int width, int height, int rate, int exp);
