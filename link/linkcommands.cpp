#include "app/mainwindow.h"

// Placeholder bodies until the link commands land.
void MainWindow::on_openButton_clicked() {}
void MainWindow::serialPort_readyRead() {}
void MainWindow::on_toolButton_Read_clicked() {}
void MainWindow::on_toolButton_Send_clicked() {}
void MainWindow::on_toolButton_Reset_clicked() {}
void MainWindow::on_pushButton_Reset2_clicked() {}
