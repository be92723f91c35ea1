// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/mwidget.h"

#include "params/parameterset.h"
#include "widgets/curvegeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

QPainterPath bezierPath(const BezierHalf &half)
{
    QPainterPath path(half.start);
    path.cubicTo(half.control1, half.control2, half.end);
    return path;
}

} // namespace

mWidget::mWidget(QWidget *parent) : QWidget(parent), timer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &mWidget::creatData);
    timer->start(100);
}

// Repainting on a timer lets the curve follow the selected channel and position without signals.
void mWidget::creatData()
{
    update();
}

void mWidget::paintEvent(QPaintEvent *)
{
    const DualRateCurveGeometry g = dualRateCurveGeometry(width(), height(), params.DR_RATE, params.DR_EXP);

    QPainter painter(this);
    painter.setPen(QPen(Qt::green, 4));
    painter.fillRect(0, 0, 300, 300, Qt::white);
    painter.drawRect(g.frame);

    painter.setPen(QPen(Qt::green, 2));
    for (const QLine &dash : g.dashes) painter.drawLine(dash);

    painter.setPen(QPen(Qt::red, 4));
    painter.drawPath(bezierPath(g.lower));
    painter.setPen(QPen(Qt::red, 4));
    painter.drawPath(bezierPath(g.upper));
}
