// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/askfirst.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "app/portwatcher.h"
#include "app/resetquestion.h"
#include "app/writequestion.h"
#include "files/fileslog.h"
#include "files/usersettings.h"
#include "link/blocks.h"
#include "params/trimlock.h"
#include "ui/drawnicon.h"
#include "ui_mainwindow.h"

namespace {

// READ's own waits: the whole first 500 ms, as it always has.
constexpr TransmitterSession::ReadWaits kReadWaits{};

} // namespace

void MainWindow::holdOff(QAbstractButton *button)
{
    button->setEnabled(false);
    transmitter.holdOff();
    // Inside a command its guard gives the button back when the command has ended, not here.
    if (!commandGate.isBusy()) button->setEnabled(true);
}

bool MainWindow::linkIsOpenOrAsk()
{
    if (!transmitter.isOpen()) note(QStringLiteral("Please open the serial port!"));
    return transmitter.isOpen();
}

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
    noticeBar()->post(QStringLiteral("The link to %1 was lost (%2). Check the cable, then press OPEN.")
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
    if (notice) notice->dismiss(); // an earlier "link lost" no longer holds
    // Another transmitter may be on the cable now: nothing is known of it until it answers.
    document.onTransmitter.reset();
    refreshMarks();
    offerRecovery(); // a command cut off before: asked before anything else is sent
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

void MainWindow::keepInHistory(const ParameterSet &set, HistoryEvent event)
{
    QString error;
    if (history.keep(set, event, transmitter.portName(), &error) == HistoryStore::Kept::Failed)
        warnOnce(QStringLiteral("History not kept"), error);
}

NoticeBar *MainWindow::noticeBar()
{
    if (!notice) notice = new NoticeBar(this);
    return notice;
}

void MainWindow::on_toolButton_Read_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Read);
    if (!linkIsOpenOrAsk()) return;
    if (!mayReplaceForm(QStringLiteral("READ replaces them with the transmitter's settings.")) ||
        !transmitter.isOpen())
        return;
    const FormUndo::Mark before = document.undo.mark();
    transmitter.read(params, kReadWaits);
    formReplaced();
    if (!transmitter.isOpen()) return; // the lost link has its own notice
    if (transmitter.answer().complete()) {
        document.source = FormSource::Model;
        settleEdits(before);
        keepInHistory(params, HistoryEvent::Read);
        knowTransmitter(params);
        return;
    }
    // The form now holds no model the transmitter has; WRITE asks before sending it.
    document.source = FormSource::PartialRead;
    note(incompleteReadText(transmitter.answer()));
}

void MainWindow::on_toolButton_Send_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Send);
    if (!linkIsOpenOrAsk()) return;
    // Values that came from nowhere must not replace the model by accident.
    if (document.source != FormSource::Model) {
        const bool confirmed = confirmWrite(this, document.source);
        if (!confirmed || !linkIsOpenOrAsk()) return;
    }
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        sent = document.undo.mark();
        return true;
    };
    const ReplaceOutcome done = replaceOnTransmitter(
        {QStringLiteral("WRITE"), HistoryEvent::BeforeWrite, HistoryEvent::Written}, hooks);
    if (sayReadBack(done, QStringLiteral("WRITE checked: the transmitter holds every setting sent."))) {
        document.source = FormSource::Model;
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
    if (!linkIsOpenOrAsk()) return;
    // The cable may go while the question is open: then nothing is reset, as if it had been closed.
    if (!confirmFactoryReset(this) || !linkIsOpenOrAsk()) return;
    const QString name = lockTrims ? QStringLiteral("RESET") : QStringLiteral("DATA RESET");
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        RestData();
        RestData2();
        // One step, so Ctrl+Z brings the form's settings back to WRITE them again.
        document.undo.changed(name);
        refreshMarks();
        sent = document.undo.mark();
        return true;
    };
    hooks.beforeFrame = [&](TextFrame frame, int, int) {
        if (frame == TextFrame::I)
            for (IntField f : fields::StkTrim) params.*f = 120;
    };
    const ReplaceOutcome done =
        replaceOnTransmitter({name, lockTrims ? HistoryEvent::BeforeReset : HistoryEvent::BeforeDataReset,
                              lockTrims ? HistoryEvent::Reset : HistoryEvent::DataReset},
                             hooks);
    if (done.stage != ReplaceOutcome::Stage::Sent) return;
    document.source = FormSource::Model; // the factory set, on the form and sent
    if (sayReadBack(done,
                    QStringLiteral("%1 checked: the transmitter holds the factory settings.").arg(name)))
        settleEdits(sent);
}
