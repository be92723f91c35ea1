// SPDX-License-Identifier: GPL-3.0-or-later
#include "inventory.h"

namespace form {

void buildBasicPage(Ui::MainWindow &f)
{
    build({
        widget(NAMED_WIDGET(tab_2), Where(), Look::RosePage),
        widget(NAMED_WIDGET(frame_2), at(f.tab_2, 10, 10, 1060, 490), Look::PageFrame),

        widget(NAMED_WIDGET(groupBox), at(f.frame_2, 10, 10, 110, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget), NAMED_LAYOUT(verticalLayout), at(f.groupBox, 10, 30, 91, 431), 5),
        caption(NAMED_WIDGET(lineEdit_28), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_29), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_31), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_32), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_33), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_34), f.layoutWidget),
        caption(NAMED_WIDGET(lineEdit_35), f.layoutWidget),
        entry(NAMED_WIDGET(lineEdit_36), f.layoutWidget, Look::CaptionLarge),

        widget(NAMED_WIDGET(groupBox_2), at(f.frame_2, 130, 10, 120, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget1), NAMED_LAYOUT(verticalLayout_2), at(f.groupBox_2, 15, 30, 91, 431),
               5),
        tuned(combo(NAMED_WIDGET(comboBox_rev1), f.layoutWidget1, E20, Pref),
              [](QWidget *box) { box->setPalette(reverseBoxPalette()); }),
        combo(NAMED_WIDGET(comboBox_rev2), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev3), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev4), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev5), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev6), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev7), f.layoutWidget1, E20, Pref),
        combo(NAMED_WIDGET(comboBox_rev8), f.layoutWidget1, E22, Pref),

        widget(NAMED_WIDGET(groupBox_3), at(f.frame_2, 265, 10, 120, 470), Look::SubTrimTitle),
        column(NAMED_WIDGET(layoutWidget2), NAMED_LAYOUT(verticalLayout_3), at(f.groupBox_3, 15, 30, 91, 431),
               5),
        spin(NAMED_WIDGET(spinBox_sub1), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub2), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub3), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub4), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub5), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub6), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub7), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_sub8), f.layoutWidget2, -100, 100, 0, E22, Min),

        widget(NAMED_WIDGET(groupBox_4), at(f.frame_2, 405, 10, 215, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget3), NAMED_LAYOUT(verticalLayout_4), at(f.groupBox_4, 15, 30, 91, 431),
               5),
        spin(NAMED_WIDGET(spinBox_Lepa1), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa2), f.layoutWidget3, 0, 120, 96, E22, Min),
        spin(NAMED_WIDGET(spinBox_Lepa3), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa4), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa5), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa6), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa7), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Lepa8), f.layoutWidget3, 0, 120, 96, E22, Min),
        column(NAMED_WIDGET(layoutWidget4), NAMED_LAYOUT(verticalLayout_5),
               at(f.groupBox_4, 110, 30, 91, 431), 5),
        spin(NAMED_WIDGET(spinBox_Repa1), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa2), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa3), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa4), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa5), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa6), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa7), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(NAMED_WIDGET(spinBox_Repa8), f.layoutWidget4, 0, 120, 96, E22, Min),

        widget(NAMED_WIDGET(groupBox_14), at(f.frame_2, 640, 10, 120, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget7), NAMED_LAYOUT(verticalLayout_6),
               at(f.groupBox_14, 15, 30, 91, 431), 5),
        spin(NAMED_WIDGET(spinBox_FS1), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS2), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS3), f.layoutWidget7, 0, 100, 0, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS4), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS5), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS6), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS7), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(NAMED_WIDGET(spinBox_FS8), f.layoutWidget7, 0, 100, 50, E22, Min),

        widget(NAMED_WIDGET(groupBox_5), at(f.frame_2, 780, 10, 120, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget5), NAMED_LAYOUT(verticalLayout_7), at(f.groupBox_5, 15, 30, 91, 431),
               5),
        spin(NAMED_WIDGET(spinBox_delay1), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay2), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay3), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay4), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay5), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay6), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay7), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(NAMED_WIDGET(spinBox_delay8), f.layoutWidget5, 0, 100, 100, E22, Min),

        widget(NAMED_WIDGET(groupBox_6), at(f.frame_2, 915, 9, 140, 471), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget6), NAMED_LAYOUT(verticalLayout_8),
               at(f.groupBox_6, 15, 30, 121, 431), 5),
        combo(NAMED_WIDGET(comboBox_AUX1), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX2), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX3), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX4), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX5), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX6), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX7), f.layoutWidget6, E20, Pref),
        combo(NAMED_WIDGET(comboBox_AUX8), f.layoutWidget6, E22, Pref),
    });
}

} // namespace form

#undef NAMED_LAYOUT
#undef NAMED_WIDGET
