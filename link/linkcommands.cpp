// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/askfirst.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "app/portwatcher.h"
#include "app/usersettings.h"
#include "link/linklog.h"
#include "link/porterrors.h"
#include "link/resetquestion.h"
#include "link/serialline.h"

#include "params/trimlock.h"
#include "ui/drawnicon.h"
#include "ui_mainwindow.h"

#include <QMessageBox>

namespace {
const QString kOpenCaption = QStringLiteral("OPEN");
const QString kCloseCaption = QStringLiteral("CLOSE");

void askToOpen()
{
    note(QStringLiteral("Please open the serial port!"));
}
} // namespace

// The caption of the OPEN/CLOSE button is the link state.
bool MainWindow::portIsClosed() const
{
    return ui->openButton->text() == kOpenCaption;
}

void MainWindow::holdOff(QAbstractButton *button)
{
    button->setEnabled(false);
    delayMs(200);
    // Inside a command its guard gives the button back when the command has ended, not here.
    if (!commandGate.isBusy()) button->setEnabled(true);
}

void MainWindow::showLinkState(bool open)
{
    ui->portNameBox->setEnabled(!open);
    portList->setWatching(!open);
    ui->openButton->setText(open ? kCloseCaption : kOpenCaption);
    ui->toolButton_led->setIcon(form::drawnIcon(open ? QStringLiteral(":/myImage/images/green.png")
                                                     : QStringLiteral(":/myImage/images/red.png")));
}

void MainWindow::on_openButton_clicked()
{
    if (portIsClosed())
        openPort();
    else
        closePort(true);
}

void MainWindow::openPort()
{
    serialPort.setPortName(ui->portNameBox->currentText());
    applyTransmitterLineSettings(serialPort);
    if (!serialPort.open(QIODevice::ReadWrite)) {
        note(describeOpenFailure(serialPort, ui->portNameBox->currentText()));
        return;
    }
    rememberPortName(ui->portNameBox->currentText());
    receiver.clear();
    if (notice) notice->dismiss(); // an earlier "link lost" no longer holds
    showLinkState(true);
    pump.start(serialPort);
    pump.write("OK");
}

// A user's CLOSE says goodbye with "DIS"; a port that vanished under us (cable pulled) cannot hear it.
void MainWindow::closePort(bool sayGoodbye)
{
    if (sayGoodbye) pump.write("DIS");
    pump.stop(sayGoodbye); // before close(), which would drop what is still queued
    serialPort.close();
    receiver.clear();
    for (IntField f : fields::servoOut) params.*f = 1000;
    Servo_Display();
    showLinkState(false);
    fillPortList();
}

// A pulled adapter reports ResourceError; a hung-up pseudo-terminal reports ReadError endlessly while
// the port stays open. Either way the link is gone: fall back to Closed once, and stop listening.
void MainWindow::onPortError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !serialPort.isOpen() || portIsClosed()) return;
    loseLink(serialPort.errorString());
}

// The pump's reader thread found the line gone. A report that comes after the port has been closed
// (and perhaps opened again) finds no failure and is ignored.
void MainWindow::onLinkFailed()
{
    const QString reason = pump.failure();
    if (reason.isEmpty() || portIsClosed()) return;
    loseLink(reason);
}

void MainWindow::loseLink(const QString &reason)
{
    qCWarning(lcLink, "Serial port lost: %s", qPrintable(reason));
    const QString name = ui->portNameBox->currentText(); // the path the pilot chose, not Qt's short name
    closePort(false);
    // Said once, and it stays: a pilot looking away from the screen must still find out.
    noticeBar()->post(
        QStringLiteral("The link to %1 was lost (%2). Check the cable, then press OPEN.").arg(name, reason),
        NoticeBar::Tone::Warning, 0);
}

void MainWindow::on_toolButton_Read_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Read);
    if (portIsClosed()) {
        askToOpen();
        return;
    }
    if (!mayReplaceForm(QStringLiteral("READ replaces them with the transmitter's settings.")) ||
        portIsClosed())
        return;
    const FormEdits::Mark before = edits.mark();
    readModel(params, 500, {});
    if (portIsClosed()) return; // the lost link has its own notice
    if (answer.complete()) {
        formSource = FormSource::Model;
        settleEdits(before);
        return;
    }
    // The form now holds no model the transmitter has; WRITE asks before sending it.
    formSource = FormSource::PartialRead;
    note(incompleteReadText(answer));
}

void MainWindow::on_toolButton_Send_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Send);
    if (portIsClosed()) {
        askToOpen();
        return;
    }
    // Values that came from nowhere must not replace the model by accident.
    if (formSource != FormSource::Model) {
        const bool confirmed = confirmWrite(this, formSource);
        if (!confirmed || portIsClosed()) {
            if (confirmed) askToOpen();
            return;
        }
    }
    const FormEdits::Mark sent = edits.mark();
    SendData1();
    SendData2();
    SendData3();
    SendData4();
    if (serialPort.isOpen()) pump.write("WWW"); // the device may have gone during the waits
    if (checkSend(QStringLiteral("WRITE checked: the transmitter holds every setting sent."))) {
        formSource = FormSource::Model;
        settleEdits(sent);
    }
}

void MainWindow::on_toolButton_Reset_clicked()
{
    resetTransmitter(ui->toolButton_Reset, true);
}

void MainWindow::on_pushButton_Reset2_clicked()
{
    resetTransmitter(ui->pushButton_Reset2, false);
}

// RESET keeps telemetry off the trims for its whole run; DATA RESET only centres them again right
// before the I frame is built.
void MainWindow::resetTransmitter(QAbstractButton *button, bool lockTrims)
{
    const CommandGuard command(commandGate);
    const TrimLock trims(params, lockTrims);
    holdOff(button);
    if (portIsClosed()) {
        askToOpen();
        return;
    }
    // The cable may go while the question is open: then nothing is reset, as if it had been closed.
    const bool confirmed = confirmFactoryReset(this);
    if (!confirmed || portIsClosed()) {
        if (confirmed) askToOpen();
        return;
    }
    const FormEdits::Mark sent = edits.mark();
    RestData();
    RestData2();
    SendData1();
    SendData2();
    SendData3();
    for (IntField f : fields::StkTrim) params.*f = 120;
    SendData4();
    if (serialPort.isOpen()) pump.write("WWW"); // the device may have gone during the waits
    formSource = FormSource::Model;             // the factory set, on the form and sent
    if (checkSend(QStringLiteral("%1 checked: the transmitter holds the factory settings.")
                      .arg(lockTrims ? QStringLiteral("RESET") : QStringLiteral("DATA RESET"))))
        settleEdits(sent);
}
