// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/draftkeeper.h"
#include "app/editsquestion.h"
#include "app/portwatcher.h"
#include "display/barpaint.h"
#include "display/opaquepaint.h"
#include "display/readoutfit.h"
#include "display/readoutpaint.h"
#include "ui/drawnicon.h"
#include "views/livemonitor.h"
#include "views/monitorviews.h"

#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QTimer>

#include <utility>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // Only now, so no handler runs while the form takes its defaults.
    connectForm();
    shownSettings.watch(*ui);
    // "*" after the title while the form holds edits that are neither on the transmitter nor in a file.
    setWindowTitle(windowTitle() + QStringLiteral("[*]"));
    // For the task bar and title bar. On the window alone: set on the application it would also stand
    // in the "Note" boxes. Its image is decoded when the platform first asks for it.
    setWindowIcon(form::drawnIcon(QStringLiteral(":/myImage/images/app.png")));
    makeServoFrameOpaque(*ui);
    paintChannelBarsDirectly(*ui);
    fitServoReadouts(*ui);
    paintServoReadoutsDirectly(*ui);
    commandGate.setControls({ui->openButton, ui->toolButton_Read, ui->toolButton_Send, ui->toolButton_Reset,
                             ui->pushButton_Reset2, ui->toolButton_Save, ui->toolButton_Load});
    setUpCommandKeys(this, ui);
    setUpViews();
    setUpToolTips();
    setUpDrafts();
    transmitter.setModel(&params);
    // The display pass below (and the Monitor's repaint) take what the line brought: the reader need not
    // wake the window in between.
    transmitter.setPromptReads(false);
    transmitter.stopRequested = [this] { return commandGate.closeRequested(); };
    connect(&transmitter, &TransmitterSession::stateChanged, this, &MainWindow::showLinkState);
    connect(&transmitter, &TransmitterSession::linkLost, this, &MainWindow::onLinkLost);
    // The rules after every read of the line, and every tab at once as READ's blocks come in.
    connect(&transmitter, &TransmitterSession::readTaken, this, [this] {
        Dr_DataSelet();
        FalseSaveData();
        // What the transmitter sent is no step of the pilot's: the next edit's step starts here.
        if (std::exchange(settingsReceived, false)) document.undo.rebase();
    });
    connect(&transmitter, &TransmitterSession::modelBlockDecoded, this, [this] {
        settingsReceived = true;
        ui_Display();
    });
    portList = new PortWatcher(ui->portNameBox, this); // lists the ports as the box is first drawn
    ui->tabWidget->setCurrentIndex(0);

    refreshTimer = new QTimer(this);
    refreshTimer->start(100);
    // What the link has read so far first, so each pass shows the values of the latest frames.
    connect(refreshTimer, &QTimer::timeout, this, &MainWindow::serialPort_readyRead);
    connect(refreshTimer, &QTimer::timeout, this, &MainWindow::ui_Display);
}

MainWindow::~MainWindow()
{
    if (monitor) monitor->live()->finishRecording(); // with what the line brought up to the close
    // The stack says "clean" as it goes: nothing of the window may hear it once its members go.
    QObject::disconnect(&document.undo.stack(), nullptr, this, nullptr);
    delete drafts;
    // The form goes first; the session then closes the port without sending anything.
    delete ui;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing in the middle of a command would leave the transmitter with half a new set.
    if (commandGate.deferClose()) {
        event->ignore();
        return;
    }
    if (document.undo.pending()) {
        const EditsChoice choice = askAboutEdits(this, tr("Closing the window loses them."), true);
        if (choice != EditsChoice::Discard) {
            event->ignore();
            // SAVE runs once this event is done with; the window closes if the file took the edits.
            if (choice == EditsChoice::Save)
                QTimer::singleShot(0, this, [this] {
                    on_toolButton_Save_clicked();
                    if (!document.undo.pending()) close();
                });
            return;
        }
        drafts->discard(); // nothing to offer at the next start
    }
    QMainWindow::closeEvent(event);
}
