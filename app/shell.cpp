#include "app/mainwindow.h"
#include "app/portwatcher.h"

void MainWindow::fillPortList()
{
    portList->refill();
}
