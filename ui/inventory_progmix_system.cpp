// SPDX-License-Identifier: GPL-3.0-or-later
#include "inventory.h"

namespace form {

void buildProgMixPage(Ui::MainWindow &f)
{
    constexpr Look Small = Look::CaptionSmall;
    build({
        widget(NAMED_WIDGET(tab_7), Where(), Look::RedPage),
        widget(NAMED_WIDGET(frame_8), at(f.tab_7, 10, 10, 1060, 490), Look::PageFrame),

        widget(NAMED_WIDGET(groupBox_11), at(f.frame_8, 10, 5, 250, 480), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_10), NAMED_LAYOUT(verticalLayout_22),
               at(f.groupBox_11, 10, 30, 111, 441), 0),
        caption(NAMED_WIDGET(lineEdit_80), f.layoutWidget_10),
        caption(NAMED_WIDGET(lineEdit_83), f.layoutWidget_10),
        caption(NAMED_WIDGET(lineEdit_79), f.layoutWidget_10),
        caption(NAMED_WIDGET(lineEdit_84), f.layoutWidget_10, Small),
        caption(NAMED_WIDGET(lineEdit_85), f.layoutWidget_10),
        caption(NAMED_WIDGET(lineEdit_86), f.layoutWidget_10, Small),
        column(NAMED_WIDGET(layoutWidget_11), NAMED_LAYOUT(verticalLayout_23),
               at(f.groupBox_11, 120, 30, 101, 441), 0),
        combo(NAMED_WIDGET(comboBox_PRM01_Mix), f.layoutWidget_11, E20),
        combo(NAMED_WIDGET(comboBox_PRM01_Master), f.layoutWidget_11, E20),
        combo(NAMED_WIDGET(comboBox_PRM01_Slave), f.layoutWidget_11, E20),
        spin(NAMED_WIDGET(spinBox_PRM01_Data1), f.layoutWidget_11, -100, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM01_Data2), f.layoutWidget_11, -100, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM01_Data3), f.layoutWidget_11, -100, 100, 100, E20),

        widget(NAMED_WIDGET(groupBox_12), at(f.frame_8, 300, 5, 250, 480), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_14), NAMED_LAYOUT(verticalLayout_24),
               at(f.groupBox_12, 10, 30, 121, 441), 0),
        caption(NAMED_WIDGET(lineEdit_94), f.layoutWidget_14),
        caption(NAMED_WIDGET(lineEdit_90), f.layoutWidget_14),
        caption(NAMED_WIDGET(lineEdit_89), f.layoutWidget_14),
        caption(NAMED_WIDGET(lineEdit_91), f.layoutWidget_14, Small),
        caption(NAMED_WIDGET(lineEdit_92), f.layoutWidget_14),
        caption(NAMED_WIDGET(lineEdit_93), f.layoutWidget_14, Small),
        column(NAMED_WIDGET(layoutWidget_15), NAMED_LAYOUT(verticalLayout_25),
               at(f.groupBox_12, 130, 30, 101, 441), 0),
        combo(NAMED_WIDGET(comboBox_PRM02_Mix), f.layoutWidget_15, E20),
        combo(NAMED_WIDGET(comboBox_PRM02_Master), f.layoutWidget_15, E22),
        combo(NAMED_WIDGET(comboBox_PRM02_Slave), f.layoutWidget_15, E22),
        spin(NAMED_WIDGET(spinBox_PRM02_Data1), f.layoutWidget_15, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_PRM02_Data2), f.layoutWidget_15, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_PRM02_Data3), f.layoutWidget_15, -100, 100, 100, E22),

        widget(NAMED_WIDGET(groupBox_15), at(f.frame_8, 570, 5, 250, 481), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_8), NAMED_LAYOUT(verticalLayout_26),
               at(f.groupBox_15, 10, 30, 111, 441)),
        caption(NAMED_WIDGET(lineEdit_106), f.layoutWidget_8),
        caption(NAMED_WIDGET(lineEdit_102), f.layoutWidget_8),
        caption(NAMED_WIDGET(lineEdit_101), f.layoutWidget_8),
        caption(NAMED_WIDGET(lineEdit_103), f.layoutWidget_8, Small),
        caption(NAMED_WIDGET(lineEdit_104), f.layoutWidget_8),
        caption(NAMED_WIDGET(lineEdit_105), f.layoutWidget_8),
        column(NAMED_WIDGET(layoutWidget_9), NAMED_LAYOUT(verticalLayout_27),
               at(f.groupBox_15, 120, 30, 101, 441)),
        combo(NAMED_WIDGET(comboBox_PRM03_Mix), f.layoutWidget_9, E20),
        combo(NAMED_WIDGET(comboBox_PRM03_Master), f.layoutWidget_9, E20),
        combo(NAMED_WIDGET(comboBox_PRM03_Slave), f.layoutWidget_9, E20),
        spin(NAMED_WIDGET(spinBox_PRM03_Data1), f.layoutWidget_9, -100, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM03_Data2), f.layoutWidget_9, 0, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM03_Data3), f.layoutWidget_9, 0, 100, 100, E20),

        widget(NAMED_WIDGET(groupBox_16), at(f.frame_8, 820, 5, 250, 481), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_6), NAMED_LAYOUT(verticalLayout_28),
               at(f.groupBox_16, 10, 30, 101, 441)),
        caption(NAMED_WIDGET(lineEdit_112), f.layoutWidget_6),
        caption(NAMED_WIDGET(lineEdit_108), f.layoutWidget_6),
        caption(NAMED_WIDGET(lineEdit_107), f.layoutWidget_6),
        caption(NAMED_WIDGET(lineEdit_109), f.layoutWidget_6, Small),
        caption(NAMED_WIDGET(lineEdit_110), f.layoutWidget_6),
        caption(NAMED_WIDGET(lineEdit_111), f.layoutWidget_6),
        column(NAMED_WIDGET(layoutWidget_7), NAMED_LAYOUT(verticalLayout_29),
               at(f.groupBox_16, 110, 30, 101, 441)),
        combo(NAMED_WIDGET(comboBox_PRM04_Mix), f.layoutWidget_7, E20),
        combo(NAMED_WIDGET(comboBox_PRM04_Master), f.layoutWidget_7, E20),
        combo(NAMED_WIDGET(comboBox_PRM04_Slave), f.layoutWidget_7, E20),
        spin(NAMED_WIDGET(spinBox_PRM04_Data1), f.layoutWidget_7, -100, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM04_Data2), f.layoutWidget_7, 0, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_PRM04_Data3), f.layoutWidget_7, 0, 100, 100, E20),
    });
}

void buildSystemPage(Ui::MainWindow &f)
{
    constexpr Look Trim = Look::TrimReadout;
    build({
        widget(NAMED_WIDGET(tab_6), Where(), Look::RosePage),
        widget(NAMED_WIDGET(frame_7), at(f.tab_6, 10, 10, 1060, 490), Look::PageFrame),

        widget(NAMED_WIDGET(groupBox_17), at(f.frame_7, 20, 10, 350, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_2), NAMED_LAYOUT(verticalLayout_30),
               at(f.groupBox_17, 10, 30, 201, 251)),
        caption(NAMED_WIDGET(lineEdit_68), f.layoutWidget_2),
        caption(NAMED_WIDGET(lineEdit_81), f.layoutWidget_2),
        caption(NAMED_WIDGET(lineEdit_71), f.layoutWidget_2),
        caption(NAMED_WIDGET(lineEdit_72), f.layoutWidget_2),
        column(NAMED_WIDGET(layoutWidget_3), NAMED_LAYOUT(verticalLayout_31),
               at(f.groupBox_17, 210, 30, 131, 251)),
        dspin(NAMED_WIDGET(doubleSpinBox_Volt), f.layoutWidget_3, 0, 99.9, 0.1, 1, 11.0, E22),
        dspin(NAMED_WIDGET(doubleSpinBox_rxVolt), f.layoutWidget_3, 0, 99.9, 0.1, 1, 11.0, E22),
        dspin(NAMED_WIDGET(doubleSpinBox_extVolt), f.layoutWidget_3, 0, 99.9, 0.1, 1, 11.0, E22),
        spin(NAMED_WIDGET(spinBox_Rssi), f.layoutWidget_3, -100, 0, -100, E22),

        widget(NAMED_WIDGET(groupBox_23), at(f.frame_7, 380, 10, 350, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget_16), NAMED_LAYOUT(verticalLayout_32),
               at(f.groupBox_23, 10, 30, 201, 191)),
        caption(NAMED_WIDGET(lineEdit_64), f.layoutWidget_16),
        caption(NAMED_WIDGET(lineEdit_65), f.layoutWidget_16),
        caption(NAMED_WIDGET(lineEdit_69), f.layoutWidget_16),
        column(NAMED_WIDGET(layoutWidget_5), NAMED_LAYOUT(verticalLayout_33),
               at(f.groupBox_23, 210, 30, 131, 191)),
        spin(NAMED_WIDGET(spinBox_Mode), f.layoutWidget_5, 1, 4, 2, E22),
        spin(NAMED_WIDGET(spinBox_Vertion), f.layoutWidget_5, 0, 1000, 0, E22),
        combo(NAMED_WIDGET(comboBox_PRM02_Master_2), f.layoutWidget_5, E22),
        // the trim rows sit directly in the group box, 60 px apart
        caption(NAMED_WIDGET(lineEdit_70), at(f.groupBox_23, 10, 230, 199, 56)),
        entry(NAMED_WIDGET(lineEdit_Trim_1), at(f.groupBox_23, 210, 230, 129, 56), Trim),
        caption(NAMED_WIDGET(lineEdit_88), at(f.groupBox_23, 10, 290, 199, 56)),
        entry(NAMED_WIDGET(lineEdit_Trim_2), at(f.groupBox_23, 210, 290, 129, 56), Trim),
        caption(NAMED_WIDGET(lineEdit_82), at(f.groupBox_23, 10, 350, 199, 56)),
        entry(NAMED_WIDGET(lineEdit_Trim_3), at(f.groupBox_23, 210, 350, 129, 56), Trim),
        caption(NAMED_WIDGET(lineEdit_87), at(f.groupBox_23, 10, 410, 199, 56)),
        entry(NAMED_WIDGET(lineEdit_Trim_4), at(f.groupBox_23, 210, 410, 129, 56), Trim),

        widget(NAMED_WIDGET(groupBox_20), at(f.frame_7, 740, 10, 300, 470), Look::GroupTitle),
        widget(NAMED_WIDGET(pushButton_Reset2), at(f.groupBox_20, 10, 130, 281, 61), Look::Button16),
    });
}

} // namespace form

#undef NAMED_LAYOUT
#undef NAMED_WIDGET
