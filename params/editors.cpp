// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "params/editorbindings.h"
#include "params/rules.h"

// The slots of the STORES rows: each stores what its editor reports, unchecked (the editor's range
// bounds it), and notes the edit.
#define TX_STORE_SLOT(group, prefix, name, field) TX_STORE_SLOT_##prefix(name, field)
#define TX_STORE_SLOT_spinBox(name, field)                                                                   \
    void MainWindow::on_spinBox_##name##_valueChanged(int value)                                             \
    {                                                                                                        \
        params.field = value;                                                                                \
        noteEdit(&ParameterSet::field);                                                                      \
    }
#define TX_STORE_SLOT_doubleSpinBox(name, field)                                                             \
    void MainWindow::on_doubleSpinBox_##name##_valueChanged(double value)                                    \
    {                                                                                                        \
        params.field = value;                                                                                \
        noteEdit(&ParameterSet::field);                                                                      \
    }
#define TX_STORE_SLOT_comboBox(name, field)                                                                  \
    void MainWindow::on_comboBox_##name##_currentIndexChanged(int value)                                     \
    {                                                                                                        \
        params.field = value;                                                                                \
        noteEdit(&ParameterSet::field);                                                                      \
    }
#define TX_NO_GENERATED_SLOT(...)
TX_EDITOR_BINDINGS(TX_STORE_SLOT, TX_NO_GENERATED_SLOT, TX_NO_GENERATED_SLOT, TX_NO_GENERATED_SLOT)
#undef TX_NO_GENERATED_SLOT
#undef TX_STORE_SLOT_comboBox
#undef TX_STORE_SLOT_doubleSpinBox
#undef TX_STORE_SLOT_spinBox
#undef TX_STORE_SLOT

// The EDITS rows: the D/R channel and position select, the D/R values also write the selected storage.
void MainWindow::on_comboBox_DR_CH1_currentIndexChanged(int index)
{
    params.DR_CH = index;
    selectDualRate(params);
    noteEdit();
}

void MainWindow::on_comboBox_DR_POSI_currentIndexChanged(int index)
{
    params.DR_POSI = index;
    selectDualRate(params);
    noteEdit();
}

void MainWindow::on_spinBox_DR_UP1_valueChanged(int arg1)
{
    editDrUp(params, arg1);
    noteEdit();
}
void MainWindow::on_spinBox_DR_DOWN1_valueChanged(int arg1)
{
    editDrDown(params, arg1);
    noteEdit();
}
void MainWindow::on_spinBox_DR_RATE_valueChanged(int arg1)
{
    editDrRate(params, arg1);
    noteEdit();
}
void MainWindow::on_spinBox_DR_EXP_valueChanged(int arg1)
{
    editDrExp(params, arg1);
    noteEdit();
}

void MainWindow::Dr_DataSelet()
{
    selectDualRate(params);
}
void MainWindow::RestData()
{
    resetFirstHalf(params);
}
void MainWindow::RestData2()
{
    resetSecondHalf(params);
}
void MainWindow::FalseSaveData()
{
    sanitise(params);
}
