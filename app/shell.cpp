#include "app/mainwindow.h"
#include "app/portlist.h"

#include "ui_mainwindow.h"

void MainWindow::fillPortList()
{
    ui->portNameBox->clear();
    for (const QString &name : availablePortNames()) ui->portNameBox->addItem(name);
}
