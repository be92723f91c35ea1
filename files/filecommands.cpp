#include "app/mainwindow.h"

// Placeholder bodies until Save and Load land.
void MainWindow::on_toolButton_Save_clicked() {}
void MainWindow::on_toolButton_Load_clicked() {}
