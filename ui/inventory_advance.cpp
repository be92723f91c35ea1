// SPDX-License-Identifier: GPL-3.0-or-later
#include "inventory.h"

namespace form {
namespace {

void smallerFont(QWidget *frame)
{
    QFont font;
    font.setPointSize(10);
    frame->setFont(font);
}

} // namespace

void buildAdvance1Page(Ui::MainWindow &f)
{
    build({
        widget(NAMED_WIDGET(tab_3), Where(), Look::RedPage),
        tuned(widget(NAMED_WIDGET(frame_4), at(f.tab_3, 10, 5, 1060, 490), Look::PageFrame), smallerFont),

        widget(NAMED_WIDGET(groupBox_8), at(f.frame_4, 5, 10, 220, 351), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget8), NAMED_LAYOUT(verticalLayout_9),
               at(f.groupBox_8, 10, 30, 111, 321), 0),
        caption(NAMED_WIDGET(lineEdit_53), f.layoutWidget8),
        caption(NAMED_WIDGET(lineEdit_54), f.layoutWidget8),
        caption(NAMED_WIDGET(lineEdit_55), f.layoutWidget8),
        caption(NAMED_WIDGET(lineEdit_56), f.layoutWidget8),
        caption(NAMED_WIDGET(lineEdit_57), f.layoutWidget8),
        column(NAMED_WIDGET(layoutWidget9), NAMED_LAYOUT(verticalLayout_10),
               at(f.groupBox_8, 120, 30, 91, 311), 0),
        combo(NAMED_WIDGET(comboBox_DR_MIX1), f.layoutWidget9, E20),
        combo(NAMED_WIDGET(comboBox_DR_CH1), f.layoutWidget9, E20),
        combo(NAMED_WIDGET(comboBox_DR_SW1), f.layoutWidget9, E20),
        spin(NAMED_WIDGET(spinBox_DR_UP1), f.layoutWidget9, 0, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_DR_DOWN1), f.layoutWidget9, 0, 100, 100, E20),

        widget(NAMED_WIDGET(groupBox_7), at(f.frame_4, 240, 10, 221, 470), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget11), NAMED_LAYOUT(verticalLayout_11),
               at(f.groupBox_7, 11, 31, 111, 431)),
        caption(NAMED_WIDGET(lineEdit_45), f.layoutWidget11),
        caption(NAMED_WIDGET(lineEdit_46), f.layoutWidget11, Look::CaptionLarge),
        caption(NAMED_WIDGET(lineEdit_47), f.layoutWidget11),
        caption(NAMED_WIDGET(lineEdit_48), f.layoutWidget11),
        caption(NAMED_WIDGET(lineEdit_49), f.layoutWidget11),
        caption(NAMED_WIDGET(lineEdit_50), f.layoutWidget11),
        caption(NAMED_WIDGET(lineEdit_51), f.layoutWidget11, Look::CaptionLarge),
        column(NAMED_WIDGET(layoutWidget10), NAMED_LAYOUT(verticalLayout_12),
               at(f.groupBox_7, 120, 30, 91, 431)),
        combo(NAMED_WIDGET(comboBox_AttiM), f.layoutWidget10, E22),
        spin(NAMED_WIDGET(spinBox_Atti1), f.layoutWidget10, 0, 100, 14, E22),
        spin(NAMED_WIDGET(spinBox_Atti2), f.layoutWidget10, 0, 100, 29, E22),
        spin(NAMED_WIDGET(spinBox_Atti3), f.layoutWidget10, 0, 100, 44, E22),
        spin(NAMED_WIDGET(spinBox_Atti4), f.layoutWidget10, 0, 100, 56, E22),
        spin(NAMED_WIDGET(spinBox_Atti5), f.layoutWidget10, 0, 100, 69, E22),
        spin(NAMED_WIDGET(spinBox_Atti6), f.layoutWidget10, 0, 100, 88, E22),

        widget(NAMED_WIDGET(groupBox_10), at(f.frame_4, 470, 10, 330, 350), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget12), NAMED_LAYOUT(verticalLayout_13),
               at(f.groupBox_10, 10, 26, 131, 321), 0),
        caption(NAMED_WIDGET(lineEdit_73), f.layoutWidget12),
        caption(NAMED_WIDGET(lineEdit_74), f.layoutWidget12),
        caption(NAMED_WIDGET(lineEdit_75), f.layoutWidget12),
        caption(NAMED_WIDGET(lineEdit_76), f.layoutWidget12),
        caption(NAMED_WIDGET(lineEdit_77), f.layoutWidget12),
        column(NAMED_WIDGET(layoutWidget13), NAMED_LAYOUT(verticalLayout_14),
               at(f.groupBox_10, 140, 25, 101, 321), 0),
        combo(NAMED_WIDGET(comboBox_EleMix), f.layoutWidget13, E22),
        spin(NAMED_WIDGET(spinBox_Elev01), f.layoutWidget13, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_Elev02), f.layoutWidget13, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_Elev03), f.layoutWidget13, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_Elev04), f.layoutWidget13, -100, 100, -100, E22),
        // the two uncaptioned elevon values stand level with the AILE1 and AILE2 rows
        column(NAMED_WIDGET(layoutWidget14), NAMED_LAYOUT(verticalLayout_15),
               at(f.groupBox_10, 240, 90, 91, 131), 0),
        spin(NAMED_WIDGET(spinBox_Elev05), f.layoutWidget14, -100, 100, 100, E22),
        spin(NAMED_WIDGET(spinBox_Elev06), f.layoutWidget14, -100, 100, 100, E22),

        widget(NAMED_WIDGET(groupBox_13), at(f.frame_4, 810, 10, 240, 350), Look::GroupTitle),
        column(NAMED_WIDGET(layoutWidget15), NAMED_LAYOUT(verticalLayout_16),
               at(f.groupBox_13, 10, 30, 121, 321), 0),
        caption(NAMED_WIDGET(lineEdit_78), f.layoutWidget15),
        caption(NAMED_WIDGET(lineEdit_95), f.layoutWidget15),
        caption(NAMED_WIDGET(lineEdit_96), f.layoutWidget15),
        caption(NAMED_WIDGET(lineEdit_97), f.layoutWidget15),
        caption(NAMED_WIDGET(lineEdit_98), f.layoutWidget15),
        column(NAMED_WIDGET(layoutWidget16), NAMED_LAYOUT(verticalLayout_17),
               at(f.groupBox_13, 130, 30, 101, 321), 0),
        combo(NAMED_WIDGET(comboBox_RuMix), f.layoutWidget16, E20),
        spin(NAMED_WIDGET(spinBox_Ru1), f.layoutWidget16, -100, 100, 50, E20),
        spin(NAMED_WIDGET(spinBox_Ru2), f.layoutWidget16, -100, 100, -50, E20),
        spin(NAMED_WIDGET(spinBox_Ru3), f.layoutWidget16, -100, 100, 50, E20),
        spin(NAMED_WIDGET(spinBox_Ru4), f.layoutWidget16, -100, 100, 50, E20, Min),
    });
}

void buildAdvance2Page(Ui::MainWindow &f)
{
    build({
        widget(NAMED_WIDGET(tab_4), Where(), Look::RedPage),
        widget(NAMED_WIDGET(frame_5), at(f.tab_4, 10, 10, 1060, 490), Look::PageFrame),

        widget(NAMED_WIDGET(groupBox_19), at(f.frame_5, 10, 10, 510, 470), Look::GroupTitle),
        widget(NAMED_WIDGET(widget_3), at(f.groupBox_19, 220, 90, 280, 280), Look::Curve),
        column(NAMED_WIDGET(layoutWidget17), NAMED_LAYOUT(verticalLayout_18),
               at(f.groupBox_19, 10, 30, 101, 441)),
        caption(NAMED_WIDGET(lineEdit_146), f.layoutWidget17),
        caption(NAMED_WIDGET(lineEdit_142), f.layoutWidget17),
        caption(NAMED_WIDGET(lineEdit_141), f.layoutWidget17),
        caption(NAMED_WIDGET(lineEdit_143), f.layoutWidget17),
        caption(NAMED_WIDGET(lineEdit_144), f.layoutWidget17),
        caption(NAMED_WIDGET(lineEdit_145), f.layoutWidget17),
        column(NAMED_WIDGET(layoutWidget18), NAMED_LAYOUT(verticalLayout_19),
               at(f.groupBox_19, 110, 30, 101, 441)),
        combo(NAMED_WIDGET(comboBox_DR_MIX2), f.layoutWidget18, E20),
        combo(NAMED_WIDGET(comboBox_DR_CH2), f.layoutWidget18, E20),
        combo(NAMED_WIDGET(comboBox_DR_SW2), f.layoutWidget18, E20),
        combo(NAMED_WIDGET(comboBox_DR_POSI), f.layoutWidget18, E20),
        spin(NAMED_WIDGET(spinBox_DR_RATE), f.layoutWidget18, 0, 100, 100, E20),
        spin(NAMED_WIDGET(spinBox_DR_EXP), f.layoutWidget18, -100, 100, 100, E20),

        widget(NAMED_WIDGET(groupBox_18), at(f.frame_5, 530, 10, 521, 470), Look::GroupTitle),
        widget(NAMED_WIDGET(widget_4), at(f.groupBox_18, 210, 80, 300, 300), Look::Curve),
        column(NAMED_WIDGET(layoutWidget_12), NAMED_LAYOUT(verticalLayout_20),
               at(f.groupBox_18, 10, 29, 101, 441)),
        caption(NAMED_WIDGET(lineEdit_130), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_126), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_125), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_127), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_128), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_129), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_131), f.layoutWidget_12),
        caption(NAMED_WIDGET(lineEdit_132), f.layoutWidget_12),
        column(NAMED_WIDGET(layoutWidget_13), NAMED_LAYOUT(verticalLayout_21),
               at(f.groupBox_18, 110, 30, 91, 441)),
        combo(NAMED_WIDGET(comboBox_THCURE_MIX), f.layoutWidget_13, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data01), f.layoutWidget_13, 0, 100, 0, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data02), f.layoutWidget_13, 0, 100, 16, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data03), f.layoutWidget_13, 0, 100, 33, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data04), f.layoutWidget_13, 0, 100, 50, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data05), f.layoutWidget_13, 0, 100, 67, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data06), f.layoutWidget_13, 0, 100, 84, E20),
        spin(NAMED_WIDGET(spinBox_THCURE_Data07), f.layoutWidget_13, 0, 100, 100, E20),
    });
}

} // namespace form

#undef NAMED_LAYOUT
#undef NAMED_WIDGET
