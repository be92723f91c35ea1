// SPDX-License-Identifier: GPL-3.0-or-later

#include "inventory.h"
#include "ui/drawnicon.h"

namespace form {
namespace {

void trackMouse(QWidget *w)
{
    w->setMouseTracking(true);
}

} // namespace

void buildTopBar(Ui::MainWindow &f)
{
    build({
        tuned(widget(NAMED_WIDGET(frame), at(f.centralwidget, 0, 0, 1200, 110), Look::None), trackMouse),
        widget(NAMED_WIDGET(toolButton_Read), at(f.frame, 20, 5, 110, 90), Look::Button20),
        widget(NAMED_WIDGET(toolButton_Load), at(f.frame, 140, 5, 110, 90), Look::Button20),
        widget(NAMED_WIDGET(toolButton_Send), at(f.frame, 260, 5, 110, 90), Look::Button20),
        widget(NAMED_WIDGET(toolButton_Save), at(f.frame, 380, 5, 110, 91), Look::Button20),
        widget(NAMED_WIDGET(toolButton_Reset), at(f.frame, 500, 5, 110, 90), Look::ResetButton),
        widget(NAMED_WIDGET(openButton), at(f.frame, 630, 5, 100, 90), Look::Button22),
        widget(NAMED_WIDGET(portNameBox), at(f.frame, 740, 30, 120, 40), Look::PortBox),
        widget(NAMED_WIDGET(toolButton_led), at(f.frame, 870, 30, 40, 40), Look::Lamp),
        caption(NAMED_WIDGET(lineEdit_26), at(f.frame, 920, 4, 85, 25), Look::TopCaption),
        caption(NAMED_WIDGET(lineEdit_27), at(f.frame, 920, 30, 85, 25), Look::TopCaption),
        caption(NAMED_WIDGET(lineEdit_30), at(f.frame, 920, 56, 85, 25), Look::TopCaption),
        caption(NAMED_WIDGET(lineEdit_37), at(f.frame, 920, 82, 85, 25), Look::TopCaption),
        entry(NAMED_WIDGET(lineEdit_TX), at(f.frame, 1010, 4, 85, 25), Look::TopReadout),
        entry(NAMED_WIDGET(lineEdit_EXT), at(f.frame, 1010, 30, 85, 25), Look::TopReadout),
        entry(NAMED_WIDGET(lineEdit_RSSI), at(f.frame, 1010, 56, 85, 25), Look::TopReadout),
        entry(NAMED_WIDGET(lineEdit_RX), at(f.frame, 1010, 82, 85, 25), Look::TopReadout),
    });

    struct Icon {
        QToolButton *button;
        const char *path;
        int size;
        bool textUnderIcon;
    };
    const Icon icons[] = {
        {f.toolButton_Read, ":/myImage/images/Receive.png", 60, true},
        {f.toolButton_Load, ":/myImage/images/open.png", 60, true},
        {f.toolButton_Send, ":/myImage/images/Send.png", 60, true},
        {f.toolButton_Save, ":/myImage/images/save.png", 60, true},
        {f.toolButton_Reset, ":/myImage/images/Reset.png", 60, true},
        {f.toolButton_led, ":/myImage/images/red.png", 40, false}, // the port lamp: a bare icon
    };
    for (const Icon &icon : icons) {
        icon.button->setIcon(drawnIcon(QString::fromLatin1(icon.path)));
        icon.button->setIconSize(QSize(icon.size, icon.size));
        if (icon.textUnderIcon) icon.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
}

void buildServoPage(Ui::MainWindow &f)
{
    build({
        widget(NAMED_WIDGET(tab), Where(), Look::RedPage),
        widget(NAMED_WIDGET(frame_3), at(f.tab, 10, 10, 1060, 490), Look::ServoFrame),
    });

    // One column per channel, 135 px apart: value, caption, and two bars that meet at y = 285 so
    // together they draw one bar growing up or down from the centre line.
    struct Channel {
        Slot value, caption, upper, lower;
    };
    const Channel channels[] = {
        {NAMED_WIDGET(lineEdit), NAMED_WIDGET(lineEdit_9), NAMED_WIDGET(progressBar_10),
         NAMED_WIDGET(progressBar_11)},
        {NAMED_WIDGET(lineEdit_2), NAMED_WIDGET(lineEdit_19), NAMED_WIDGET(progressBar_20),
         NAMED_WIDGET(progressBar_21)},
        {NAMED_WIDGET(lineEdit_3), NAMED_WIDGET(lineEdit_20), NAMED_WIDGET(progressBar_30),
         NAMED_WIDGET(progressBar_31)},
        {NAMED_WIDGET(lineEdit_4), NAMED_WIDGET(lineEdit_21), NAMED_WIDGET(progressBar_40),
         NAMED_WIDGET(progressBar_41)},
        {NAMED_WIDGET(lineEdit_5), NAMED_WIDGET(lineEdit_22), NAMED_WIDGET(progressBar_50),
         NAMED_WIDGET(progressBar_51)},
        {NAMED_WIDGET(lineEdit_6), NAMED_WIDGET(lineEdit_23), NAMED_WIDGET(progressBar_60),
         NAMED_WIDGET(progressBar_61)},
        {NAMED_WIDGET(lineEdit_7), NAMED_WIDGET(lineEdit_24), NAMED_WIDGET(progressBar_70),
         NAMED_WIDGET(progressBar_71)},
        {NAMED_WIDGET(lineEdit_8), NAMED_WIDGET(lineEdit_25), NAMED_WIDGET(progressBar_80),
         NAMED_WIDGET(progressBar_81)},
    };
    int x = 0;
    for (const Channel &ch : channels) {
        build({
            entry(ch.value, at(f.frame_3, 20 + x, 10, 80, 50), Look::ServoValue),
            caption(ch.caption, at(f.frame_3, 30 + x, 60, 60, 31), Look::ServoCaption),
            bar(ch.upper, at(f.frame_3, 35 + x, 105, 50, 180), 1010, 10, Look::UpperBar),
            bar(ch.lower, at(f.frame_3, 35 + x, 285, 50, 180), 1000, 1000, Look::LowerBar),
        });
        x += 135;
    }
}

} // namespace form

#undef NAMED_LAYOUT
#undef NAMED_WIDGET
