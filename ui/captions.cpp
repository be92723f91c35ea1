// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>

namespace {

struct Text {
    QWidget *widget;
    const char *text;
};

// Line edits and buttons show a text, group boxes a title, tab pages the caption of their tab.
void show(QWidget *w, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        group->setTitle(text);
    else if (QWidget *stack = w->parentWidget()) // a tab page sits in the tab widget's stack
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setTabText(tabs->indexOf(w), text);
}

// The form's words pass the "MainWindow" lookup as a generated form's do, but stay English in every
// language: not named tr(), so lupdate leaves them out of the catalogues.
QString formText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text, nullptr);
}

} // namespace

void Ui::MainWindow::retranslateUi(QMainWindow *MainWindow)
{
    MainWindow->setWindowTitle(formText("VASK&TIRN-V5.0"));

    // Page by page; each group's title before its row captions, each tab's caption after its page.
    // clang-format off
    const Text texts[] = {
        {toolButton_Read, "READ"}, {toolButton_Load, "LOAD"}, {toolButton_Send, "WRITE"},
        {toolButton_Save, "SAVE"}, {toolButton_Reset, "RESET"}, {openButton, "OPEN"}, {toolButton_led, ""},
        {lineEdit_26, "TX:"}, {lineEdit_27, "EXT:"}, {lineEdit_30, "RSSI:"}, {lineEdit_37, "RX:"},
        {lineEdit_TX, " 0.0V"}, {lineEdit_EXT, " 0.0V"}, {lineEdit_RSSI, "null"}, {lineEdit_RX, " 0.0V"},

        {lineEdit, "0"}, {lineEdit_2, "0"}, {lineEdit_3, "0"}, {lineEdit_4, "0"},
        {lineEdit_5, "0"}, {lineEdit_6, "0"}, {lineEdit_7, "0"}, {lineEdit_8, "0"},
        {lineEdit_9, "CH1"}, {lineEdit_19, "CH2"}, {lineEdit_20, "CH3"}, {lineEdit_21, "CH4"},
        {lineEdit_22, "CH5"}, {lineEdit_23, "CH6"}, {lineEdit_24, "CH7"}, {lineEdit_25, "CH8"},

        {groupBox, "CHANNEL"},
        {lineEdit_28, "CH1:"}, {lineEdit_29, "CH2:"}, {lineEdit_31, "CH3:"}, {lineEdit_32, "CH4:"},
        {lineEdit_33, "CH5:"}, {lineEdit_34, "CH6:"}, {lineEdit_35, "CH7:"}, {lineEdit_36, "CH8:"},
        {groupBox_2, "REVERSE"}, {groupBox_3, "SUB-TRIM"}, {groupBox_4, "END POINT--L---R---"},
        {groupBox_14, "FAIL SAFE"}, {groupBox_5, "DELAY"}, {groupBox_6, "AUX-CH"},
        {tab_2, "BASIC"},

        {groupBox_8, "D/R"},
        {lineEdit_53, "MIX:"}, {lineEdit_54, "CH:"}, {lineEdit_55, "SW:"}, {lineEdit_56, "UP:"}, {lineEdit_57, "DOWN:"},
        {groupBox_7, "ATTITUDE"},
        {lineEdit_45, "CH:"}, {lineEdit_46, "ATTI1:"}, {lineEdit_47, "ATTI2:"}, {lineEdit_48, "ATTI3:"},
        {lineEdit_49, "ATTI4:"}, {lineEdit_50, "ATTI5:"}, {lineEdit_51, "ATTI6:"},
        {groupBox_10, "ELEVON"},
        {lineEdit_73, " MIX:"}, {lineEdit_74, "AILE1:"}, {lineEdit_75, "AILE2:"}, {lineEdit_76, "ELEV2:"},
        {lineEdit_77, "ELEV1:"},
        {groupBox_13, "V-TAIL"},
        {lineEdit_78, "MIX:"}, {lineEdit_95, "ELEV1:"}, {lineEdit_96, "ELEV2:"}, {lineEdit_97, "RUDD2:"},
        {lineEdit_98, "RUDD1:"},
        {tab_3, "ADVANCE1"},

        {groupBox_19, "D/R CURE"},
        {lineEdit_146, "MIX:"}, {lineEdit_142, " CH:"}, {lineEdit_141, "SW:"}, {lineEdit_143, " POSI:"},
        {lineEdit_144, "RATE:"}, {lineEdit_145, "EXP:"},
        {groupBox_18, "TH CURE"},
        {lineEdit_130, "MIX:"}, {lineEdit_126, "POINT1:"}, {lineEdit_125, "POINT2:"}, {lineEdit_127, "POINT3:"},
        {lineEdit_128, "POINT4:"}, {lineEdit_129, "POINT5:"}, {lineEdit_131, "POINT6:"}, {lineEdit_132, "POINT7:"},
        {tab_4, "ADVANCE2"},

        {groupBox_11, "PROG.MIX1"},
        {lineEdit_80, "MIX:"}, {lineEdit_83, "MAS:"}, {lineEdit_79, "SLA:"},
        {lineEdit_84, "OFFSET:"}, {lineEdit_85, "UP:"}, {lineEdit_86, "DOWN:"},
        {groupBox_12, "PROG.MIX2"},
        {lineEdit_94, "MIX:"}, {lineEdit_90, "MAS:"}, {lineEdit_89, "SLA:"},
        {lineEdit_91, "OFFSET:"}, {lineEdit_92, "UP:"}, {lineEdit_93, "DOWN:"},
        {groupBox_15, "PROG.MIX3"},
        {lineEdit_106, "MIX:"}, {lineEdit_102, "MAS:"}, {lineEdit_101, "SLA:"},
        {lineEdit_103, "OFFSET:"}, {lineEdit_104, "UP:"}, {lineEdit_105, "DOWN:"},
        {groupBox_16, "PROG.MIX4"},
        {lineEdit_112, "MIX:"}, {lineEdit_108, "MAS:"}, {lineEdit_107, "SLA:"},
        {lineEdit_109, "OFFSET:"}, {lineEdit_110, "UP:"}, {lineEdit_111, "DOWN:"},
        {tab_7, "PROG.MIX"},

        {groupBox_17, "ALARM"},
        {lineEdit_68, "TX-Alarm:"}, {lineEdit_81, "RX-Alarm:"}, {lineEdit_71, "EXT-Alarm:"},
        {lineEdit_72, "Rssi-Alarm:"},
        {groupBox_23, "VERSION / MODE"},
        {lineEdit_64, "STK-MODE:"}, {lineEdit_65, "TX Version:"}, {lineEdit_69, "PC Version:"},
        {lineEdit_70, "TRIM-1:"}, {lineEdit_Trim_1, "0"}, {lineEdit_88, "TRIM-2:"}, {lineEdit_Trim_2, "0"},
        {lineEdit_82, "TRIM-3:"}, {lineEdit_Trim_3, "0"}, {lineEdit_87, "TRIM-4:"}, {lineEdit_Trim_4, "0"},
        {groupBox_20, "DATA RESET"}, {pushButton_Reset2, "DATA RESET"},
        {tab_6, "SYSTEM"},
    };
    // clang-format on
    for (const Text &t : texts) show(t.widget, formText(t.text));

    // setupUi created the items empty; fill them by index.
    for (const form::Choices &choices : form::choiceTable(*this))
        for (QComboBox *box : choices.boxes)
            for (int i = 0; i < int(choices.items.size()); ++i)
                box->setItemText(i, formText(choices.items[i]));
    comboBox_PRM02_Master_2->setCurrentText(formText("V5.0"));
}
