// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTimer;

// The dual-rate / exponential curve of the D/R CURE group, drawn from DR_RATE and DR_EXP at every paint.
class mWidget : public QWidget
{
    Q_OBJECT
public:
    explicit mWidget(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void creatData();

private:
    QTimer *timer;
};
