#include "widgets/curewidget.h"

#include <QTimer>

cureWidget::cureWidget(QWidget *parent) : QWidget(parent), timer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &cureWidget::creatData);
    timer->start(100);
}

void cureWidget::creatData() { update(); }

void cureWidget::paintEvent(QPaintEvent *) {}
