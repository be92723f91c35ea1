#include "app/mainwindow.h"

// Placeholder bodies until the form lands.
void MainWindow::on_openButton_clicked() {}
void MainWindow::on_toolButton_Read_clicked() {}
void MainWindow::on_toolButton_Send_clicked() {}
void MainWindow::on_toolButton_Reset_clicked() {}
void MainWindow::on_pushButton_Reset2_clicked() {}
