// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "params/editorbindings.h"
#include "ui_mainwindow.h"

// The editors from the binding list, the command buttons written out: a slot renamed or a widget
// gone fails to compile, where connecting by name would only warn at start-up.
void MainWindow::connectForm()
{
#define TX_CONNECT(group, prefix, name, field) TX_CONNECT_##prefix(name)
#define TX_CONNECT_spinBox(name)                                                                             \
    connect(ui->spinBox_##name, qOverload<int>(&QSpinBox::valueChanged), this,                               \
            &MainWindow::on_spinBox_##name##_valueChanged);
#define TX_CONNECT_doubleSpinBox(name)                                                                       \
    connect(ui->doubleSpinBox_##name, qOverload<double>(&QDoubleSpinBox::valueChanged), this,                \
            &MainWindow::on_doubleSpinBox_##name##_valueChanged);
#define TX_CONNECT_comboBox(name)                                                                            \
    connect(ui->comboBox_##name, qOverload<int>(&QComboBox::currentIndexChanged), this,                      \
            &MainWindow::on_comboBox_##name##_currentIndexChanged);
#define TX_NO_SLOT(...)
    TX_EDITOR_BINDINGS(TX_CONNECT, TX_CONNECT, TX_NO_SLOT, TX_NO_SLOT)
#undef TX_NO_SLOT
#undef TX_CONNECT_comboBox
#undef TX_CONNECT_doubleSpinBox
#undef TX_CONNECT_spinBox
#undef TX_CONNECT

    connect(ui->openButton, &QAbstractButton::clicked, this, &MainWindow::on_openButton_clicked);
    connect(ui->toolButton_Read, &QAbstractButton::clicked, this, &MainWindow::on_toolButton_Read_clicked);
    connect(ui->toolButton_Send, &QAbstractButton::clicked, this, &MainWindow::on_toolButton_Send_clicked);
    connect(ui->toolButton_Reset, &QAbstractButton::clicked, this, &MainWindow::on_toolButton_Reset_clicked);
    connect(ui->pushButton_Reset2, &QAbstractButton::clicked, this,
            &MainWindow::on_pushButton_Reset2_clicked);
    connect(ui->toolButton_Save, &QAbstractButton::clicked, this, &MainWindow::on_toolButton_Save_clicked);
    connect(ui->toolButton_Load, &QAbstractButton::clicked, this, &MainWindow::on_toolButton_Load_clicked);
}
