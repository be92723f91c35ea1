#include "inventory.h"

#include <QPalette>

namespace form {
namespace {

// comboBox_rev1 alone carries a palette of its own (white on blue in every colour group); its style
// sheet paints over it, so it only shows where the sheet does not reach.
void paintReverseBox(QComboBox *box)
{
    const QBrush white(QColor(255, 255, 255, 255));
    const QBrush blue(QColor(85, 170, 255, 255));
    QBrush placeholder(QColor(255, 255, 255, 128));
    placeholder.setStyle(Qt::NoBrush);
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setBrush(group, role, white);
        for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
            palette.setBrush(group, role, blue);
        palette.setBrush(group, QPalette::PlaceholderText, placeholder);
    }
    box->setPalette(palette);
}

} // namespace

void buildBasicPage(Ui::MainWindow &f)
{
    build({
        widget(W(tab_2), Where(), Look::RosePage),
        widget(W(frame_2), at(f.tab_2, 10, 10, 1060, 490), Look::PageFrame),

        widget(W(groupBox), at(f.frame_2, 10, 10, 110, 470), Look::GroupTitle),
        column(W(layoutWidget), L(verticalLayout), at(f.groupBox, 10, 30, 91, 431), 5),
        caption(W(lineEdit_28), f.layoutWidget),
        caption(W(lineEdit_29), f.layoutWidget),
        caption(W(lineEdit_31), f.layoutWidget),
        caption(W(lineEdit_32), f.layoutWidget),
        caption(W(lineEdit_33), f.layoutWidget),
        caption(W(lineEdit_34), f.layoutWidget),
        caption(W(lineEdit_35), f.layoutWidget),
        entry(W(lineEdit_36), f.layoutWidget, Look::CaptionLarge),

        widget(W(groupBox_2), at(f.frame_2, 130, 10, 120, 470), Look::GroupTitle),
        column(W(layoutWidget1), L(verticalLayout_2), at(f.groupBox_2, 15, 30, 91, 431), 5),
        combo(W(comboBox_rev1), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev2), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev3), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev4), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev5), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev6), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev7), f.layoutWidget1, E20, Pref),
        combo(W(comboBox_rev8), f.layoutWidget1, E22, Pref),

        widget(W(groupBox_3), at(f.frame_2, 265, 10, 120, 470), Look::SubTrimTitle),
        column(W(layoutWidget2), L(verticalLayout_3), at(f.groupBox_3, 15, 30, 91, 431), 5),
        spin(W(spinBox_sub1), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub2), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub3), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub4), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub5), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub6), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub7), f.layoutWidget2, -100, 100, 0, E20, Min),
        spin(W(spinBox_sub8), f.layoutWidget2, -100, 100, 0, E22, Min),

        widget(W(groupBox_4), at(f.frame_2, 405, 10, 215, 470), Look::GroupTitle),
        column(W(layoutWidget3), L(verticalLayout_4), at(f.groupBox_4, 15, 30, 91, 431), 5),
        spin(W(spinBox_Lepa1), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa2), f.layoutWidget3, 0, 120, 96, E22, Min),
        spin(W(spinBox_Lepa3), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa4), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa5), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa6), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa7), f.layoutWidget3, 0, 120, 96, E20, Min),
        spin(W(spinBox_Lepa8), f.layoutWidget3, 0, 120, 96, E22, Min),
        column(W(layoutWidget4), L(verticalLayout_5), at(f.groupBox_4, 110, 30, 91, 431), 5),
        spin(W(spinBox_Repa1), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa2), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa3), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa4), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa5), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa6), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa7), f.layoutWidget4, 0, 120, 96, E20, Min),
        spin(W(spinBox_Repa8), f.layoutWidget4, 0, 120, 96, E22, Min),

        widget(W(groupBox_14), at(f.frame_2, 640, 10, 120, 470), Look::GroupTitle),
        column(W(layoutWidget7), L(verticalLayout_6), at(f.groupBox_14, 15, 30, 91, 431), 5),
        spin(W(spinBox_FS1), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS2), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS3), f.layoutWidget7, 0, 100, 0, E20, Min),
        spin(W(spinBox_FS4), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS5), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS6), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS7), f.layoutWidget7, 0, 100, 50, E20, Min),
        spin(W(spinBox_FS8), f.layoutWidget7, 0, 100, 50, E22, Min),

        widget(W(groupBox_5), at(f.frame_2, 780, 10, 120, 470), Look::GroupTitle),
        column(W(layoutWidget5), L(verticalLayout_7), at(f.groupBox_5, 15, 30, 91, 431), 5),
        spin(W(spinBox_delay1), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay2), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay3), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay4), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay5), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay6), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay7), f.layoutWidget5, 0, 100, 100, E20, Min),
        spin(W(spinBox_delay8), f.layoutWidget5, 0, 100, 100, E22, Min),

        widget(W(groupBox_6), at(f.frame_2, 915, 9, 140, 471), Look::GroupTitle),
        column(W(layoutWidget6), L(verticalLayout_8), at(f.groupBox_6, 15, 30, 121, 431), 5),
        combo(W(comboBox_AUX1), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX2), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX3), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX4), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX5), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX6), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX7), f.layoutWidget6, E20, Pref),
        combo(W(comboBox_AUX8), f.layoutWidget6, E22, Pref),
    });
    paintReverseBox(f.comboBox_rev1);
}

} // namespace form
