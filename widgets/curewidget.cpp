// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/curewidget.h"

#include "params/parameterset.h"
#include "widgets/curvegeometry.h"

#include <QPainter>
#include <QTimer>

cureWidget::cureWidget(QWidget *parent) : QWidget(parent), timer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &cureWidget::creatData);
    timer->start(100);
}

// Repainting on a timer lets the curve follow the spin boxes, a read or a loaded file without signals.
void cureWidget::creatData()
{
    update();
}

void cureWidget::paintEvent(QPaintEvent *)
{
    std::array<int, 7> values;
    for (int j = 0; j < 7; ++j) values[j] = params.*fields::THCURE_Data[j];
    const ThrottleCurveGeometry g = throttleCurveGeometry(width(), height(), values);

    QPainter painter(this);
    painter.setPen(QPen(Qt::green, 4));
    painter.fillRect(0, 0, 300, 300, Qt::white);
    painter.drawRect(g.frame);

    painter.setPen(QPen(Qt::green, 1));
    for (const QLine &dash : g.dashes) painter.drawLine(dash);

    painter.setPen(QPen(Qt::black, 4));
    for (const AxisLabel &label : g.labels) painter.drawText(label.baseline, QString::fromLatin1(label.text));

    // The point numbers belong to this pen, but their places lie outside the widget, so none is drawn.
    painter.setPen(QPen(Qt::blue, 4));

    painter.setPen(QPen(Qt::red, 4));
    for (std::size_t j = 1; j < g.points.size(); ++j) painter.drawLine(g.points[j - 1], g.points[j]);
}
