// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/curewidget.h"
#include "widgets/mwidget.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace Ui {

// The form of the main window. One non-owning pointer per widget, named after its objectName; the
// widgets themselves belong to their Qt parents. setupUi builds everything from the inventory tables
// under ui/; the window then wires its on_* slots to them (app/formwiring.cpp).
class MainWindow
{
public:
    // clang-format off
    QWidget *centralwidget = nullptr;

    // top bar
    QFrame *frame = nullptr;
    QToolButton *toolButton_Read = nullptr, *toolButton_Load = nullptr, *toolButton_Send = nullptr,
        *toolButton_Save = nullptr, *toolButton_Reset = nullptr, *toolButton_led = nullptr;
    QPushButton *openButton = nullptr;
    QComboBox *portNameBox = nullptr;
    QLineEdit *lineEdit_26 = nullptr, *lineEdit_27 = nullptr, *lineEdit_30 = nullptr, *lineEdit_37 = nullptr;
    QLineEdit *lineEdit_TX = nullptr, *lineEdit_EXT = nullptr, *lineEdit_RSSI = nullptr, *lineEdit_RX = nullptr;

    // tabs and their full-page frames
    QTabWidget *tabWidget = nullptr;
    QWidget *tab = nullptr, *tab_2 = nullptr, *tab_3 = nullptr, *tab_4 = nullptr, *tab_7 = nullptr, *tab_6 = nullptr;
    QFrame *frame_3 = nullptr, *frame_2 = nullptr, *frame_4 = nullptr, *frame_5 = nullptr, *frame_8 = nullptr,
        *frame_7 = nullptr;

    // SERVO
    QLineEdit *lineEdit = nullptr, *lineEdit_2 = nullptr, *lineEdit_3 = nullptr, *lineEdit_4 = nullptr,
        *lineEdit_5 = nullptr, *lineEdit_6 = nullptr, *lineEdit_7 = nullptr, *lineEdit_8 = nullptr;
    QLineEdit *lineEdit_9 = nullptr, *lineEdit_19 = nullptr, *lineEdit_20 = nullptr, *lineEdit_21 = nullptr,
        *lineEdit_22 = nullptr, *lineEdit_23 = nullptr, *lineEdit_24 = nullptr, *lineEdit_25 = nullptr;
    QProgressBar *progressBar_10 = nullptr, *progressBar_20 = nullptr, *progressBar_30 = nullptr,
        *progressBar_40 = nullptr, *progressBar_50 = nullptr, *progressBar_60 = nullptr, *progressBar_70 = nullptr,
        *progressBar_80 = nullptr;
    QProgressBar *progressBar_11 = nullptr, *progressBar_21 = nullptr, *progressBar_31 = nullptr,
        *progressBar_41 = nullptr, *progressBar_51 = nullptr, *progressBar_61 = nullptr, *progressBar_71 = nullptr,
        *progressBar_81 = nullptr;

    // BASIC
    QGroupBox *groupBox = nullptr, *groupBox_2 = nullptr, *groupBox_3 = nullptr, *groupBox_4 = nullptr,
        *groupBox_14 = nullptr, *groupBox_5 = nullptr, *groupBox_6 = nullptr;
    QWidget *layoutWidget = nullptr, *layoutWidget1 = nullptr, *layoutWidget2 = nullptr, *layoutWidget3 = nullptr,
        *layoutWidget4 = nullptr, *layoutWidget7 = nullptr, *layoutWidget5 = nullptr, *layoutWidget6 = nullptr;
    QVBoxLayout *verticalLayout = nullptr, *verticalLayout_2 = nullptr, *verticalLayout_3 = nullptr,
        *verticalLayout_4 = nullptr, *verticalLayout_5 = nullptr, *verticalLayout_6 = nullptr,
        *verticalLayout_7 = nullptr, *verticalLayout_8 = nullptr;
    QLineEdit *lineEdit_28 = nullptr, *lineEdit_29 = nullptr, *lineEdit_31 = nullptr, *lineEdit_32 = nullptr,
        *lineEdit_33 = nullptr, *lineEdit_34 = nullptr, *lineEdit_35 = nullptr, *lineEdit_36 = nullptr;
    QComboBox *comboBox_rev1 = nullptr, *comboBox_rev2 = nullptr, *comboBox_rev3 = nullptr, *comboBox_rev4 = nullptr,
        *comboBox_rev5 = nullptr, *comboBox_rev6 = nullptr, *comboBox_rev7 = nullptr, *comboBox_rev8 = nullptr;
    QSpinBox *spinBox_sub1 = nullptr, *spinBox_sub2 = nullptr, *spinBox_sub3 = nullptr, *spinBox_sub4 = nullptr,
        *spinBox_sub5 = nullptr, *spinBox_sub6 = nullptr, *spinBox_sub7 = nullptr, *spinBox_sub8 = nullptr;
    QSpinBox *spinBox_Lepa1 = nullptr, *spinBox_Lepa2 = nullptr, *spinBox_Lepa3 = nullptr, *spinBox_Lepa4 = nullptr,
        *spinBox_Lepa5 = nullptr, *spinBox_Lepa6 = nullptr, *spinBox_Lepa7 = nullptr, *spinBox_Lepa8 = nullptr;
    QSpinBox *spinBox_Repa1 = nullptr, *spinBox_Repa2 = nullptr, *spinBox_Repa3 = nullptr, *spinBox_Repa4 = nullptr,
        *spinBox_Repa5 = nullptr, *spinBox_Repa6 = nullptr, *spinBox_Repa7 = nullptr, *spinBox_Repa8 = nullptr;
    QSpinBox *spinBox_FS1 = nullptr, *spinBox_FS2 = nullptr, *spinBox_FS3 = nullptr, *spinBox_FS4 = nullptr,
        *spinBox_FS5 = nullptr, *spinBox_FS6 = nullptr, *spinBox_FS7 = nullptr, *spinBox_FS8 = nullptr;
    QSpinBox *spinBox_delay1 = nullptr, *spinBox_delay2 = nullptr, *spinBox_delay3 = nullptr,
        *spinBox_delay4 = nullptr, *spinBox_delay5 = nullptr, *spinBox_delay6 = nullptr, *spinBox_delay7 = nullptr,
        *spinBox_delay8 = nullptr;
    QComboBox *comboBox_AUX1 = nullptr, *comboBox_AUX2 = nullptr, *comboBox_AUX3 = nullptr, *comboBox_AUX4 = nullptr,
        *comboBox_AUX5 = nullptr, *comboBox_AUX6 = nullptr, *comboBox_AUX7 = nullptr, *comboBox_AUX8 = nullptr;

    // ADVANCE1
    QGroupBox *groupBox_8 = nullptr, *groupBox_7 = nullptr, *groupBox_10 = nullptr, *groupBox_13 = nullptr;
    QWidget *layoutWidget8 = nullptr, *layoutWidget9 = nullptr, *layoutWidget11 = nullptr, *layoutWidget10 = nullptr,
        *layoutWidget12 = nullptr, *layoutWidget13 = nullptr, *layoutWidget14 = nullptr, *layoutWidget15 = nullptr,
        *layoutWidget16 = nullptr;
    QVBoxLayout *verticalLayout_9 = nullptr, *verticalLayout_10 = nullptr, *verticalLayout_11 = nullptr,
        *verticalLayout_12 = nullptr, *verticalLayout_13 = nullptr, *verticalLayout_14 = nullptr,
        *verticalLayout_15 = nullptr, *verticalLayout_16 = nullptr, *verticalLayout_17 = nullptr;
    QLineEdit *lineEdit_53 = nullptr, *lineEdit_54 = nullptr, *lineEdit_55 = nullptr, *lineEdit_56 = nullptr,
        *lineEdit_57 = nullptr;
    QComboBox *comboBox_DR_MIX1 = nullptr, *comboBox_DR_CH1 = nullptr, *comboBox_DR_SW1 = nullptr;
    QSpinBox *spinBox_DR_UP1 = nullptr, *spinBox_DR_DOWN1 = nullptr;
    QLineEdit *lineEdit_45 = nullptr, *lineEdit_46 = nullptr, *lineEdit_47 = nullptr, *lineEdit_48 = nullptr,
        *lineEdit_49 = nullptr, *lineEdit_50 = nullptr, *lineEdit_51 = nullptr;
    QComboBox *comboBox_AttiM = nullptr;
    QSpinBox *spinBox_Atti1 = nullptr, *spinBox_Atti2 = nullptr, *spinBox_Atti3 = nullptr, *spinBox_Atti4 = nullptr,
        *spinBox_Atti5 = nullptr, *spinBox_Atti6 = nullptr;
    QLineEdit *lineEdit_73 = nullptr, *lineEdit_74 = nullptr, *lineEdit_75 = nullptr, *lineEdit_76 = nullptr,
        *lineEdit_77 = nullptr;
    QComboBox *comboBox_EleMix = nullptr;
    QSpinBox *spinBox_Elev01 = nullptr, *spinBox_Elev02 = nullptr, *spinBox_Elev03 = nullptr,
        *spinBox_Elev04 = nullptr, *spinBox_Elev05 = nullptr, *spinBox_Elev06 = nullptr;
    QLineEdit *lineEdit_78 = nullptr, *lineEdit_95 = nullptr, *lineEdit_96 = nullptr, *lineEdit_97 = nullptr,
        *lineEdit_98 = nullptr;
    QComboBox *comboBox_RuMix = nullptr;
    QSpinBox *spinBox_Ru1 = nullptr, *spinBox_Ru2 = nullptr, *spinBox_Ru3 = nullptr, *spinBox_Ru4 = nullptr;

    // ADVANCE2
    QGroupBox *groupBox_19 = nullptr, *groupBox_18 = nullptr;
    mWidget *widget_3 = nullptr;
    cureWidget *widget_4 = nullptr;
    QWidget *layoutWidget17 = nullptr, *layoutWidget18 = nullptr, *layoutWidget_12 = nullptr,
        *layoutWidget_13 = nullptr;
    QVBoxLayout *verticalLayout_18 = nullptr, *verticalLayout_19 = nullptr, *verticalLayout_20 = nullptr,
        *verticalLayout_21 = nullptr;
    QLineEdit *lineEdit_146 = nullptr, *lineEdit_142 = nullptr, *lineEdit_141 = nullptr, *lineEdit_143 = nullptr,
        *lineEdit_144 = nullptr, *lineEdit_145 = nullptr;
    QComboBox *comboBox_DR_MIX2 = nullptr, *comboBox_DR_CH2 = nullptr, *comboBox_DR_SW2 = nullptr,
        *comboBox_DR_POSI = nullptr;
    QSpinBox *spinBox_DR_RATE = nullptr, *spinBox_DR_EXP = nullptr;
    QLineEdit *lineEdit_130 = nullptr, *lineEdit_126 = nullptr, *lineEdit_125 = nullptr, *lineEdit_127 = nullptr,
        *lineEdit_128 = nullptr, *lineEdit_129 = nullptr, *lineEdit_131 = nullptr, *lineEdit_132 = nullptr;
    QComboBox *comboBox_THCURE_MIX = nullptr;
    QSpinBox *spinBox_THCURE_Data01 = nullptr, *spinBox_THCURE_Data02 = nullptr, *spinBox_THCURE_Data03 = nullptr,
        *spinBox_THCURE_Data04 = nullptr, *spinBox_THCURE_Data05 = nullptr, *spinBox_THCURE_Data06 = nullptr,
        *spinBox_THCURE_Data07 = nullptr;

    // PROG.MIX
    QGroupBox *groupBox_11 = nullptr, *groupBox_12 = nullptr, *groupBox_15 = nullptr, *groupBox_16 = nullptr;
    QWidget *layoutWidget_10 = nullptr, *layoutWidget_11 = nullptr, *layoutWidget_14 = nullptr,
        *layoutWidget_15 = nullptr, *layoutWidget_8 = nullptr, *layoutWidget_9 = nullptr, *layoutWidget_6 = nullptr,
        *layoutWidget_7 = nullptr;
    QVBoxLayout *verticalLayout_22 = nullptr, *verticalLayout_23 = nullptr, *verticalLayout_24 = nullptr,
        *verticalLayout_25 = nullptr, *verticalLayout_26 = nullptr, *verticalLayout_27 = nullptr,
        *verticalLayout_28 = nullptr, *verticalLayout_29 = nullptr;
    QLineEdit *lineEdit_80 = nullptr, *lineEdit_83 = nullptr, *lineEdit_79 = nullptr, *lineEdit_84 = nullptr,
        *lineEdit_85 = nullptr, *lineEdit_86 = nullptr;
    QLineEdit *lineEdit_94 = nullptr, *lineEdit_90 = nullptr, *lineEdit_89 = nullptr, *lineEdit_91 = nullptr,
        *lineEdit_92 = nullptr, *lineEdit_93 = nullptr;
    QLineEdit *lineEdit_106 = nullptr, *lineEdit_102 = nullptr, *lineEdit_101 = nullptr, *lineEdit_103 = nullptr,
        *lineEdit_104 = nullptr, *lineEdit_105 = nullptr;
    QLineEdit *lineEdit_112 = nullptr, *lineEdit_108 = nullptr, *lineEdit_107 = nullptr, *lineEdit_109 = nullptr,
        *lineEdit_110 = nullptr, *lineEdit_111 = nullptr;
    QComboBox *comboBox_PRM01_Mix = nullptr, *comboBox_PRM01_Master = nullptr, *comboBox_PRM01_Slave = nullptr;
    QSpinBox *spinBox_PRM01_Data1 = nullptr, *spinBox_PRM01_Data2 = nullptr, *spinBox_PRM01_Data3 = nullptr;
    QComboBox *comboBox_PRM02_Mix = nullptr, *comboBox_PRM02_Master = nullptr, *comboBox_PRM02_Slave = nullptr;
    QSpinBox *spinBox_PRM02_Data1 = nullptr, *spinBox_PRM02_Data2 = nullptr, *spinBox_PRM02_Data3 = nullptr;
    QComboBox *comboBox_PRM03_Mix = nullptr, *comboBox_PRM03_Master = nullptr, *comboBox_PRM03_Slave = nullptr;
    QSpinBox *spinBox_PRM03_Data1 = nullptr, *spinBox_PRM03_Data2 = nullptr, *spinBox_PRM03_Data3 = nullptr;
    QComboBox *comboBox_PRM04_Mix = nullptr, *comboBox_PRM04_Master = nullptr, *comboBox_PRM04_Slave = nullptr;
    QSpinBox *spinBox_PRM04_Data1 = nullptr, *spinBox_PRM04_Data2 = nullptr, *spinBox_PRM04_Data3 = nullptr;

    // SYSTEM
    QGroupBox *groupBox_17 = nullptr, *groupBox_23 = nullptr, *groupBox_20 = nullptr;
    QWidget *layoutWidget_2 = nullptr, *layoutWidget_3 = nullptr, *layoutWidget_16 = nullptr,
        *layoutWidget_5 = nullptr;
    QVBoxLayout *verticalLayout_30 = nullptr, *verticalLayout_31 = nullptr, *verticalLayout_32 = nullptr,
        *verticalLayout_33 = nullptr;
    QLineEdit *lineEdit_68 = nullptr, *lineEdit_81 = nullptr, *lineEdit_71 = nullptr, *lineEdit_72 = nullptr;
    QDoubleSpinBox *doubleSpinBox_Volt = nullptr, *doubleSpinBox_rxVolt = nullptr, *doubleSpinBox_extVolt = nullptr;
    QSpinBox *spinBox_Rssi = nullptr;
    QLineEdit *lineEdit_64 = nullptr, *lineEdit_65 = nullptr, *lineEdit_69 = nullptr;
    QSpinBox *spinBox_Mode = nullptr, *spinBox_Vertion = nullptr;
    QComboBox *comboBox_PRM02_Master_2 = nullptr;
    QLineEdit *lineEdit_70 = nullptr, *lineEdit_88 = nullptr, *lineEdit_82 = nullptr, *lineEdit_87 = nullptr;
    QLineEdit *lineEdit_Trim_1 = nullptr, *lineEdit_Trim_2 = nullptr, *lineEdit_Trim_3 = nullptr,
        *lineEdit_Trim_4 = nullptr;
    QPushButton *pushButton_Reset2 = nullptr;
    // clang-format on

    void setupUi(QMainWindow *MainWindow);
    void retranslateUi(QMainWindow *MainWindow);
};

} // namespace Ui
