// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include <QEventLoop>
#include <QTimer>

void delayMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
