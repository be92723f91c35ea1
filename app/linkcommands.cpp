// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/askfirst.h"
#include "app/compareviews.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "app/portwatcher.h"
#include "files/usersettings.h"
#include "link/blocks.h"
#include "link/porterrors.h"
#include "ui/drawnicon.h"
#include "ui_mainwindow.h"

void MainWindow::showLinkState(bool open)
{
    ui->portNameBox->setEnabled(!open);
    portList->setWatching(!open);
    ui->openButton->setText(open ? QStringLiteral("CLOSE") : QStringLiteral("OPEN"));
    ui->toolButton_led->setIcon(form::drawnIcon(open ? QStringLiteral(":/myImage/images/green.png")
                                                     : QStringLiteral(":/myImage/images/red.png")));
    if (open) return;
    for (IntField f : fields::servoOut) params.*f = 1000;
    Servo_Display();
    fillPortList();
}

void MainWindow::onLinkLost(const QString &reason)
{
    // Said once, and it stays: a pilot looking away from the screen must still find out.
    commands.notices()->post(tr("The link to %1 was lost (%2). Check the cable, then press OPEN.")
                                 .arg(transmitter.portName(), reason),
                             NoticeBar::Tone::Warning, 0);
}

void MainWindow::on_openButton_clicked()
{
    if (transmitter.isOpen()) {
        transmitter.close(); // with "DIS"
        return;
    }
    const QString name = ui->portNameBox->currentText();
    if (!transmitter.open(name)) {
        note(describeOpenFailure(transmitter.openFailure()));
        return;
    }
    rememberPortName(name);
    commands.dismissNotice(); // an earlier "link lost" no longer holds
    // Another transmitter may be on the cable now: nothing is known of it until it answers.
    document.onTransmitter.reset();
    compare->refresh();
    commands.offerRecovery();
}

void MainWindow::serialPort_readyRead()
{
    transmitter.takeReceived();
}

int MainWindow::byteArrayToInt(QByteArray b, int a)
{
    return be16(b, a);
}

void MainWindow::SendData1()
{
    transmitter.sendFrame(TextFrame::S, params);
}
void MainWindow::SendData2()
{
    transmitter.sendFrame(TextFrame::G, params);
}
void MainWindow::SendData3()
{
    transmitter.sendFrame(TextFrame::H, params);
}
void MainWindow::SendData4()
{
    transmitter.sendFrame(TextFrame::I, params);
}

void MainWindow::on_toolButton_Read_clicked()
{
    commands.read(ui->toolButton_Read);
}

void MainWindow::on_toolButton_Send_clicked()
{
    commands.write(ui->toolButton_Send);
}

void MainWindow::on_toolButton_Reset_clicked()
{
    commands.reset(ui->toolButton_Reset, true);
}

void MainWindow::on_pushButton_Reset2_clicked()
{
    commands.reset(ui->pushButton_Reset2, false);
}

void MainWindow::on_toolButton_Save_clicked()
{
    commands.save(ui->toolButton_Save);
}

void MainWindow::on_toolButton_Load_clicked()
{
    commands.load(ui->toolButton_Load);
}
