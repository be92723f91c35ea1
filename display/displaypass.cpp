// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "display/displaytables.h"
#include "display/livetext.h"

#include "ui_mainwindow.h"

#include <QScopedValueRollback>

namespace {

using U = Ui::MainWindow;

struct ChannelWidgets {
    QLineEdit *U::*value;
    QProgressBar *U::*upper;
    QProgressBar *U::*lower;
};

constexpr ChannelWidgets kChannels[8] = {
    {&U::lineEdit, &U::progressBar_10, &U::progressBar_11},
    {&U::lineEdit_2, &U::progressBar_20, &U::progressBar_21},
    {&U::lineEdit_3, &U::progressBar_30, &U::progressBar_31},
    {&U::lineEdit_4, &U::progressBar_40, &U::progressBar_41},
    {&U::lineEdit_5, &U::progressBar_50, &U::progressBar_51},
    {&U::lineEdit_6, &U::progressBar_60, &U::progressBar_61},
    {&U::lineEdit_7, &U::progressBar_70, &U::progressBar_71},
    {&U::lineEdit_8, &U::progressBar_80, &U::progressBar_81},
};

constexpr QLineEdit *U::*kTrimReadouts[4] = {&U::lineEdit_Trim_1, &U::lineEdit_Trim_2, &U::lineEdit_Trim_3,
                                             &U::lineEdit_Trim_4};

// Setting an unchanged text would only cost a repaint ten times a second.
void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) edit->setText(text);
}

// A progress bar repaints itself at once when its value moves, which under a window system means a
// paint and a flush of the window per bar: sixteen of them per pass while the sticks move. With its
// updates held off it only asks for an update, and the pass's changes are painted together.
void setBarValue(QProgressBar *bar, int value)
{
    if (bar->value() == value) return;
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(true);
}

} // namespace

void MainWindow::ui_Display()
{
    // The editors' slots run again as their values are set here; what they store back is no edit.
    const QScopedValueRollback<bool> showing(showingForm, true);
    Servo_Display();
    Recieve_Display();
    Rev_Display();
    EPA_Display();
    SubTrim_Display();
    FS_Display();
    Delay_Display();
    Aux_Display();
    DR_Display();
    Parameter_Display();
    Atti_Display();
    Elev_Display();
    Vtype_Display();
    Prm_Display();
    DRCure_Display();
    THcure_Display();
    StkTrim_Display();
}

void MainWindow::Rev_Display()
{
    showGroup(Group::Rev, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::EPA_Display()
{
    showGroup(Group::EPA, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::SubTrim_Display()
{
    showGroup(Group::SubTrim, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::FS_Display()
{
    showGroup(Group::FS, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Delay_Display()
{
    showGroup(Group::Delay, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Aux_Display()
{
    showGroup(Group::Aux, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::DR_Display()
{
    showGroup(Group::DR, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Parameter_Display()
{
    showGroup(Group::Parameter, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Atti_Display()
{
    showGroup(Group::Atti, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Elev_Display()
{
    showGroup(Group::Elev, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Vtype_Display()
{
    showGroup(Group::Vtype, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::Prm_Display()
{
    showGroup(Group::Prm, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::DRCure_Display()
{
    showGroup(Group::DRCure, *ui, params, hoverCounters, shownSettings);
}
void MainWindow::THcure_Display()
{
    showGroup(Group::THcure, *ui, params, hoverCounters, shownSettings);
}

void MainWindow::Servo_Display()
{
    for (int i = 0; i < 8; ++i) {
        const int output = params.*fields::servoOut[i];
        const ChannelWidgets &c = kChannels[i];
        setText(ui->*c.value, QString::number(output));
        const ChannelBars bars = channelBars(output);
        setBarValue(ui->*c.upper, bars.upper);
        setBarValue(ui->*c.lower, bars.lower);
    }
    setText(ui->lineEdit_TX, hundredthsVoltageText(params.txVoltage));
}

void MainWindow::Recieve_Display()
{
    setText(ui->lineEdit_RSSI, rssiText(params.rssiRaw));
    setText(ui->lineEdit_EXT, tenthsVoltageText(params.extVoltage));
    setText(ui->lineEdit_RX, tenthsVoltageText(params.rxVoltage));
}

void MainWindow::StkTrim_Display()
{
    const TrimOrder order = trimOrder(params.Mode);
    for (int i = 0; i < 4; ++i)
        setText(ui->*kTrimReadouts[i], trimText(params.*fields::StkTrim[order.trim[i]]));
}
