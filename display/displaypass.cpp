#include "app/mainwindow.h"

// Placeholder bodies until the display pass lands.
void MainWindow::Servo_Display() {}
void MainWindow::Recieve_Display() {}
void MainWindow::Rev_Display() {}
void MainWindow::EPA_Display() {}
void MainWindow::SubTrim_Display() {}
void MainWindow::FS_Display() {}
void MainWindow::Delay_Display() {}
void MainWindow::Aux_Display() {}
void MainWindow::DR_Display() {}
void MainWindow::Parameter_Display() {}
void MainWindow::Atti_Display() {}
void MainWindow::Elev_Display() {}
void MainWindow::Vtype_Display() {}
void MainWindow::Prm_Display() {}
void MainWindow::DRCure_Display() {}
void MainWindow::THcure_Display() {}
void MainWindow::ui_Display() {}
void MainWindow::StkTrim_Display() {}
