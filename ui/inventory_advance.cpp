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
        widget(W(tab_3), Where(), Look::RedPage),
        tuned(widget(W(frame_4), at(f.tab_3, 10, 5, 1060, 490), Look::PageFrame), smallerFont),

        widget(W(groupBox_8), at(f.frame_4, 5, 10, 220, 351), Look::GroupTitle),
        column(W(layoutWidget8), L(verticalLayout_9), at(f.groupBox_8, 10, 30, 111, 321), 0),
        caption(W(lineEdit_53), f.layoutWidget8),
        caption(W(lineEdit_54), f.layoutWidget8),
        caption(W(lineEdit_55), f.layoutWidget8),
        caption(W(lineEdit_56), f.layoutWidget8),
        caption(W(lineEdit_57), f.layoutWidget8),
        column(W(layoutWidget9), L(verticalLayout_10), at(f.groupBox_8, 120, 30, 91, 311), 0),
        combo(W(comboBox_DR_MIX1), f.layoutWidget9, E20),
        combo(W(comboBox_DR_CH1), f.layoutWidget9, E20),
        combo(W(comboBox_DR_SW1), f.layoutWidget9, E20),
        spin(W(spinBox_DR_UP1), f.layoutWidget9, 0, 100, 100, E20),
        spin(W(spinBox_DR_DOWN1), f.layoutWidget9, 0, 100, 100, E20),

        widget(W(groupBox_7), at(f.frame_4, 240, 10, 221, 470), Look::GroupTitle),
        column(W(layoutWidget11), L(verticalLayout_11), at(f.groupBox_7, 11, 31, 111, 431)),
        caption(W(lineEdit_45), f.layoutWidget11),
        caption(W(lineEdit_46), f.layoutWidget11, Look::CaptionLarge),
        caption(W(lineEdit_47), f.layoutWidget11),
        caption(W(lineEdit_48), f.layoutWidget11),
        caption(W(lineEdit_49), f.layoutWidget11),
        caption(W(lineEdit_50), f.layoutWidget11),
        caption(W(lineEdit_51), f.layoutWidget11, Look::CaptionLarge),
        column(W(layoutWidget10), L(verticalLayout_12), at(f.groupBox_7, 120, 30, 91, 431)),
        combo(W(comboBox_AttiM), f.layoutWidget10, E22),
        spin(W(spinBox_Atti1), f.layoutWidget10, 0, 100, 14, E22),
        spin(W(spinBox_Atti2), f.layoutWidget10, 0, 100, 29, E22),
        spin(W(spinBox_Atti3), f.layoutWidget10, 0, 100, 44, E22),
        spin(W(spinBox_Atti4), f.layoutWidget10, 0, 100, 56, E22),
        spin(W(spinBox_Atti5), f.layoutWidget10, 0, 100, 69, E22),
        spin(W(spinBox_Atti6), f.layoutWidget10, 0, 100, 88, E22),

        widget(W(groupBox_10), at(f.frame_4, 470, 10, 330, 350), Look::GroupTitle),
        column(W(layoutWidget12), L(verticalLayout_13), at(f.groupBox_10, 10, 26, 131, 321), 0),
        caption(W(lineEdit_73), f.layoutWidget12),
        caption(W(lineEdit_74), f.layoutWidget12),
        caption(W(lineEdit_75), f.layoutWidget12),
        caption(W(lineEdit_76), f.layoutWidget12),
        caption(W(lineEdit_77), f.layoutWidget12),
        column(W(layoutWidget13), L(verticalLayout_14), at(f.groupBox_10, 140, 25, 101, 321), 0),
        combo(W(comboBox_EleMix), f.layoutWidget13, E22),
        spin(W(spinBox_Elev01), f.layoutWidget13, -100, 100, 100, E22),
        spin(W(spinBox_Elev02), f.layoutWidget13, -100, 100, 100, E22),
        spin(W(spinBox_Elev03), f.layoutWidget13, -100, 100, 100, E22),
        spin(W(spinBox_Elev04), f.layoutWidget13, -100, 100, -100, E22),
        // the two uncaptioned elevon values stand level with the AILE1 and AILE2 rows
        column(W(layoutWidget14), L(verticalLayout_15), at(f.groupBox_10, 240, 90, 91, 131), 0),
        spin(W(spinBox_Elev05), f.layoutWidget14, -100, 100, 100, E22),
        spin(W(spinBox_Elev06), f.layoutWidget14, -100, 100, 100, E22),

        widget(W(groupBox_13), at(f.frame_4, 810, 10, 240, 350), Look::GroupTitle),
        column(W(layoutWidget15), L(verticalLayout_16), at(f.groupBox_13, 10, 30, 121, 321), 0),
        caption(W(lineEdit_78), f.layoutWidget15),
        caption(W(lineEdit_95), f.layoutWidget15),
        caption(W(lineEdit_96), f.layoutWidget15),
        caption(W(lineEdit_97), f.layoutWidget15),
        caption(W(lineEdit_98), f.layoutWidget15),
        column(W(layoutWidget16), L(verticalLayout_17), at(f.groupBox_13, 130, 30, 101, 321), 0),
        combo(W(comboBox_RuMix), f.layoutWidget16, E20),
        spin(W(spinBox_Ru1), f.layoutWidget16, -100, 100, 50, E20),
        spin(W(spinBox_Ru2), f.layoutWidget16, -100, 100, -50, E20),
        spin(W(spinBox_Ru3), f.layoutWidget16, -100, 100, 50, E20),
        spin(W(spinBox_Ru4), f.layoutWidget16, -100, 100, 50, E20, Min),
    });
}

void buildAdvance2Page(Ui::MainWindow &f)
{
    build({
        widget(W(tab_4), Where(), Look::RedPage),
        widget(W(frame_5), at(f.tab_4, 10, 10, 1060, 490), Look::PageFrame),

        widget(W(groupBox_19), at(f.frame_5, 10, 10, 510, 470), Look::GroupTitle),
        widget(W(widget_3), at(f.groupBox_19, 220, 90, 280, 280), Look::Curve),
        column(W(layoutWidget17), L(verticalLayout_18), at(f.groupBox_19, 10, 30, 101, 441)),
        caption(W(lineEdit_146), f.layoutWidget17),
        caption(W(lineEdit_142), f.layoutWidget17),
        caption(W(lineEdit_141), f.layoutWidget17),
        caption(W(lineEdit_143), f.layoutWidget17),
        caption(W(lineEdit_144), f.layoutWidget17),
        caption(W(lineEdit_145), f.layoutWidget17),
        column(W(layoutWidget18), L(verticalLayout_19), at(f.groupBox_19, 110, 30, 101, 441)),
        combo(W(comboBox_DR_MIX2), f.layoutWidget18, E20),
        combo(W(comboBox_DR_CH2), f.layoutWidget18, E20),
        combo(W(comboBox_DR_SW2), f.layoutWidget18, E20),
        combo(W(comboBox_DR_POSI), f.layoutWidget18, E20),
        spin(W(spinBox_DR_RATE), f.layoutWidget18, 0, 100, 100, E20),
        spin(W(spinBox_DR_EXP), f.layoutWidget18, -100, 100, 100, E20),

        widget(W(groupBox_18), at(f.frame_5, 530, 10, 521, 470), Look::GroupTitle),
        widget(W(widget_4), at(f.groupBox_18, 210, 80, 300, 300), Look::Curve),
        column(W(layoutWidget_12), L(verticalLayout_20), at(f.groupBox_18, 10, 29, 101, 441)),
        caption(W(lineEdit_130), f.layoutWidget_12),
        caption(W(lineEdit_126), f.layoutWidget_12),
        caption(W(lineEdit_125), f.layoutWidget_12),
        caption(W(lineEdit_127), f.layoutWidget_12),
        caption(W(lineEdit_128), f.layoutWidget_12),
        caption(W(lineEdit_129), f.layoutWidget_12),
        caption(W(lineEdit_131), f.layoutWidget_12),
        caption(W(lineEdit_132), f.layoutWidget_12),
        column(W(layoutWidget_13), L(verticalLayout_21), at(f.groupBox_18, 110, 30, 91, 441)),
        combo(W(comboBox_THCURE_MIX), f.layoutWidget_13, E20),
        spin(W(spinBox_THCURE_Data01), f.layoutWidget_13, 0, 100, 0, E20),
        spin(W(spinBox_THCURE_Data02), f.layoutWidget_13, 0, 100, 16, E20),
        spin(W(spinBox_THCURE_Data03), f.layoutWidget_13, 0, 100, 33, E20),
        spin(W(spinBox_THCURE_Data04), f.layoutWidget_13, 0, 100, 50, E20),
        spin(W(spinBox_THCURE_Data05), f.layoutWidget_13, 0, 100, 67, E20),
        spin(W(spinBox_THCURE_Data06), f.layoutWidget_13, 0, 100, 84, E20),
        spin(W(spinBox_THCURE_Data07), f.layoutWidget_13, 0, 100, 100, E20),
    });
}

} // namespace form
