#include <QIcon>

#include "inventory.h" // last: it defines the row shorthands

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
        tuned(widget(W(frame), at(f.centralwidget, 0, 0, 1200, 110), Look::None), trackMouse),
        widget(W(toolButton_Read), at(f.frame, 20, 5, 110, 90), Look::Button20),
        widget(W(toolButton_Load), at(f.frame, 140, 5, 110, 90), Look::Button20),
        widget(W(toolButton_Send), at(f.frame, 260, 5, 110, 90), Look::Button20),
        widget(W(toolButton_Save), at(f.frame, 380, 5, 110, 91), Look::Button20),
        widget(W(toolButton_Reset), at(f.frame, 500, 5, 110, 90), Look::ResetButton),
        widget(W(openButton), at(f.frame, 630, 5, 100, 90), Look::Button22),
        widget(W(portNameBox), at(f.frame, 740, 30, 120, 40), Look::PortBox),
        widget(W(toolButton_led), at(f.frame, 870, 30, 40, 40), Look::Lamp),
        caption(W(lineEdit_26), at(f.frame, 920, 4, 85, 25), Look::TopCaption),
        caption(W(lineEdit_27), at(f.frame, 920, 30, 85, 25), Look::TopCaption),
        caption(W(lineEdit_30), at(f.frame, 920, 56, 85, 25), Look::TopCaption),
        caption(W(lineEdit_37), at(f.frame, 920, 82, 85, 25), Look::TopCaption),
        entry(W(lineEdit_TX), at(f.frame, 1010, 4, 85, 25), Look::TopReadout),
        entry(W(lineEdit_EXT), at(f.frame, 1010, 30, 85, 25), Look::TopReadout),
        entry(W(lineEdit_RSSI), at(f.frame, 1010, 56, 85, 25), Look::TopReadout),
        entry(W(lineEdit_RX), at(f.frame, 1010, 82, 85, 25), Look::TopReadout),
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
        QIcon image;
        image.addFile(QString::fromLatin1(icon.path), QSize(), QIcon::Normal, QIcon::Off);
        icon.button->setIcon(image);
        icon.button->setIconSize(QSize(icon.size, icon.size));
        if (icon.textUnderIcon) icon.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
}

void buildServoPage(Ui::MainWindow &f)
{
    build({
        widget(W(tab), Where(), Look::RedPage),
        widget(W(frame_3), at(f.tab, 10, 10, 1060, 490), Look::ServoFrame),
    });

    // One column per channel, 135 px apart: value, caption, and two bars that meet at y = 285 so
    // together they draw one bar growing up or down from the centre line.
    struct Channel {
        Slot value, caption, upper, lower;
    };
    const Channel channels[] = {
        {W(lineEdit), W(lineEdit_9), W(progressBar_10), W(progressBar_11)},
        {W(lineEdit_2), W(lineEdit_19), W(progressBar_20), W(progressBar_21)},
        {W(lineEdit_3), W(lineEdit_20), W(progressBar_30), W(progressBar_31)},
        {W(lineEdit_4), W(lineEdit_21), W(progressBar_40), W(progressBar_41)},
        {W(lineEdit_5), W(lineEdit_22), W(progressBar_50), W(progressBar_51)},
        {W(lineEdit_6), W(lineEdit_23), W(progressBar_60), W(progressBar_61)},
        {W(lineEdit_7), W(lineEdit_24), W(progressBar_70), W(progressBar_71)},
        {W(lineEdit_8), W(lineEdit_25), W(progressBar_80), W(progressBar_81)},
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
