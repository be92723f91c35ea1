// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTimer;

// The throttle curve of the TH CURE group, drawn from THCURE_Data01..07 at every paint.
class cureWidget : public QWidget
{
    Q_OBJECT
public:
    explicit cureWidget(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void creatData();

private:
    QTimer *timer;
};
