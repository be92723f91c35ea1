#include "widgets/mwidget.h"

#include <QTimer>

mWidget::mWidget(QWidget *parent) : QWidget(parent), timer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &mWidget::creatData);
    timer->start(100);
}

void mWidget::creatData() { update(); }

void mWidget::paintEvent(QPaintEvent *) {}
