// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/portwatcher.h"

void MainWindow::fillPortList()
{
    portList->refill();
}
