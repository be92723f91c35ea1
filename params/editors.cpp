#include "app/mainwindow.h"
#include "params/rules.h"

// Editors whose handler only stores what the editor reports into the field of the same name.
#define TX_PLAIN_EDITORS(X)                                                                                  \
    X(spinBox, sub1, valueChanged, int)                                                                      \
    X(spinBox, sub2, valueChanged, int)                                                                      \
    X(spinBox, sub3, valueChanged, int)                                                                      \
    X(spinBox, sub4, valueChanged, int)                                                                      \
    X(spinBox, sub5, valueChanged, int)                                                                      \
    X(spinBox, sub6, valueChanged, int)                                                                      \
    X(spinBox, sub7, valueChanged, int)                                                                      \
    X(spinBox, sub8, valueChanged, int)                                                                      \
    X(spinBox, Lepa1, valueChanged, int)                                                                     \
    X(spinBox, Lepa2, valueChanged, int)                                                                     \
    X(spinBox, Lepa3, valueChanged, int)                                                                     \
    X(spinBox, Lepa4, valueChanged, int)                                                                     \
    X(spinBox, Lepa5, valueChanged, int)                                                                     \
    X(spinBox, Lepa6, valueChanged, int)                                                                     \
    X(spinBox, Lepa7, valueChanged, int)                                                                     \
    X(spinBox, Lepa8, valueChanged, int)                                                                     \
    X(spinBox, Repa1, valueChanged, int)                                                                     \
    X(spinBox, Repa2, valueChanged, int)                                                                     \
    X(spinBox, Repa3, valueChanged, int)                                                                     \
    X(spinBox, Repa4, valueChanged, int)                                                                     \
    X(spinBox, Repa5, valueChanged, int)                                                                     \
    X(spinBox, Repa6, valueChanged, int)                                                                     \
    X(spinBox, Repa7, valueChanged, int)                                                                     \
    X(spinBox, Repa8, valueChanged, int)                                                                     \
    X(spinBox, FS1, valueChanged, int)                                                                       \
    X(spinBox, FS2, valueChanged, int)                                                                       \
    X(spinBox, FS3, valueChanged, int)                                                                       \
    X(spinBox, FS4, valueChanged, int)                                                                       \
    X(spinBox, FS5, valueChanged, int)                                                                       \
    X(spinBox, FS6, valueChanged, int)                                                                       \
    X(spinBox, FS7, valueChanged, int)                                                                       \
    X(spinBox, FS8, valueChanged, int)                                                                       \
    X(spinBox, delay1, valueChanged, int)                                                                    \
    X(spinBox, delay2, valueChanged, int)                                                                    \
    X(spinBox, delay3, valueChanged, int)                                                                    \
    X(spinBox, delay4, valueChanged, int)                                                                    \
    X(spinBox, delay5, valueChanged, int)                                                                    \
    X(spinBox, delay6, valueChanged, int)                                                                    \
    X(spinBox, delay7, valueChanged, int)                                                                    \
    X(comboBox, rev1, currentIndexChanged, int)                                                              \
    X(comboBox, rev2, currentIndexChanged, int)                                                              \
    X(comboBox, rev3, currentIndexChanged, int)                                                              \
    X(comboBox, rev4, currentIndexChanged, int)                                                              \
    X(comboBox, rev5, currentIndexChanged, int)                                                              \
    X(comboBox, rev6, currentIndexChanged, int)                                                              \
    X(comboBox, rev7, currentIndexChanged, int)                                                              \
    X(comboBox, rev8, currentIndexChanged, int)                                                              \
    X(comboBox, AUX5, currentIndexChanged, int)                                                              \
    X(comboBox, AUX6, currentIndexChanged, int)                                                              \
    X(comboBox, AUX7, currentIndexChanged, int)                                                              \
    X(comboBox, AUX8, currentIndexChanged, int)                                                              \
    X(doubleSpinBox, Volt, valueChanged, double)                                                             \
    X(spinBox, Mode, valueChanged, int)                                                                      \
    X(spinBox, Vertion, valueChanged, int)                                                                   \
    X(comboBox, AttiM, currentIndexChanged, int)                                                             \
    X(spinBox, Atti1, valueChanged, int)                                                                     \
    X(spinBox, Atti2, valueChanged, int)                                                                     \
    X(spinBox, Atti3, valueChanged, int)                                                                     \
    X(spinBox, Atti4, valueChanged, int)                                                                     \
    X(spinBox, Atti5, valueChanged, int)                                                                     \
    X(spinBox, Atti6, valueChanged, int)                                                                     \
    X(comboBox, EleMix, currentIndexChanged, int)                                                            \
    X(spinBox, Elev01, valueChanged, int)                                                                    \
    X(spinBox, Elev02, valueChanged, int)                                                                    \
    X(spinBox, Elev03, valueChanged, int)                                                                    \
    X(spinBox, Elev04, valueChanged, int)                                                                    \
    X(spinBox, Elev05, valueChanged, int)                                                                    \
    X(spinBox, Elev06, valueChanged, int)                                                                    \
    X(comboBox, RuMix, currentIndexChanged, int)                                                             \
    X(spinBox, Ru1, valueChanged, int)                                                                       \
    X(spinBox, Ru2, valueChanged, int)                                                                       \
    X(spinBox, Ru3, valueChanged, int)                                                                       \
    X(spinBox, Ru4, valueChanged, int)                                                                       \
    X(comboBox, PRM01_Mix, currentIndexChanged, int)                                                         \
    X(comboBox, PRM01_Master, currentIndexChanged, int)                                                      \
    X(comboBox, PRM01_Slave, currentIndexChanged, int)                                                       \
    X(spinBox, PRM01_Data1, valueChanged, int)                                                               \
    X(spinBox, PRM01_Data2, valueChanged, int)                                                               \
    X(spinBox, PRM01_Data3, valueChanged, int)                                                               \
    X(comboBox, PRM02_Mix, currentIndexChanged, int)                                                         \
    X(comboBox, PRM02_Master, currentIndexChanged, int)                                                      \
    X(comboBox, PRM02_Slave, currentIndexChanged, int)                                                       \
    X(spinBox, PRM02_Data1, valueChanged, int)                                                               \
    X(spinBox, PRM02_Data2, valueChanged, int)                                                               \
    X(spinBox, PRM02_Data3, valueChanged, int)                                                               \
    X(comboBox, PRM03_Mix, currentIndexChanged, int)                                                         \
    X(comboBox, PRM03_Master, currentIndexChanged, int)                                                      \
    X(comboBox, PRM03_Slave, currentIndexChanged, int)                                                       \
    X(spinBox, PRM03_Data1, valueChanged, int)                                                               \
    X(spinBox, PRM03_Data2, valueChanged, int)                                                               \
    X(spinBox, PRM03_Data3, valueChanged, int)                                                               \
    X(comboBox, PRM04_Mix, currentIndexChanged, int)                                                         \
    X(comboBox, PRM04_Master, currentIndexChanged, int)                                                      \
    X(comboBox, PRM04_Slave, currentIndexChanged, int)                                                       \
    X(spinBox, PRM04_Data1, valueChanged, int)                                                               \
    X(spinBox, PRM04_Data2, valueChanged, int)                                                               \
    X(spinBox, PRM04_Data3, valueChanged, int)                                                               \
    X(comboBox, THCURE_MIX, currentIndexChanged, int)                                                        \
    X(spinBox, THCURE_Data01, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data02, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data03, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data04, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data05, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data06, valueChanged, int)                                                             \
    X(spinBox, THCURE_Data07, valueChanged, int)                                                             \
    X(spinBox, delay8, valueChanged, int)                                                                    \
    X(doubleSpinBox, extVolt, valueChanged, double)                                                          \
    X(spinBox, Rssi, valueChanged, int)                                                                      \
    X(doubleSpinBox, rxVolt, valueChanged, double)

#define TX_DEFINE_STORE(prefix, field, signal, type)                                                         \
    void MainWindow::on_##prefix##_##field##_##signal(type value)                                            \
    {                                                                                                        \
        params.field = value;                                                                                \
    }
TX_PLAIN_EDITORS(TX_DEFINE_STORE)
#undef TX_DEFINE_STORE

// The two D/R groups share their fields; the editors on both tabs write the same ones.
void MainWindow::on_comboBox_DR_MIX1_currentIndexChanged(int index)
{
    params.DR_MIX = index;
}
void MainWindow::on_comboBox_DR_MIX2_currentIndexChanged(int index)
{
    params.DR_MIX = index;
}
void MainWindow::on_comboBox_DR_SW2_currentIndexChanged(int index)
{
    params.DR_SW = index;
}

void MainWindow::on_comboBox_DR_CH1_currentIndexChanged(int index)
{
    params.DR_CH = index;
    selectDualRate(params);
}

// The ADVANCE2 channel box follows one display pass later, through comboBox_DR_CH1.
void MainWindow::on_comboBox_DR_CH2_currentIndexChanged(int index)
{
    params.DR_CH = index;
}

void MainWindow::on_comboBox_DR_POSI_currentIndexChanged(int index)
{
    params.DR_POSI = index;
    selectDualRate(params);
}

void MainWindow::on_spinBox_DR_UP1_valueChanged(int arg1)
{
    editDrUp(params, arg1);
}
void MainWindow::on_spinBox_DR_DOWN1_valueChanged(int arg1)
{
    editDrDown(params, arg1);
}
void MainWindow::on_spinBox_DR_RATE_valueChanged(int arg1)
{
    editDrRate(params, arg1);
}
void MainWindow::on_spinBox_DR_EXP_valueChanged(int arg1)
{
    editDrExp(params, arg1);
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
