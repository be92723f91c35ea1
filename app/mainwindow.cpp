#include "app/mainwindow.h"
#include "app/portwatcher.h"

#include "ui_mainwindow.h"

#include <QTimer>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    // setupUi connects the on_* slots last, so no handler runs while the form takes its defaults.
    ui->setupUi(this);
    connect(&serialPort, &QSerialPort::readyRead, this, &MainWindow::serialPort_readyRead);
    connect(&serialPort, &QSerialPort::errorOccurred, this, &MainWindow::onPortError);
    portList = new PortWatcher(ui->portNameBox, this);
    fillPortList();
    ui->tabWidget->setCurrentIndex(0);

    refreshTimer = new QTimer(this);
    refreshTimer->start(100);
    connect(refreshTimer, &QTimer::timeout, this, &MainWindow::ui_Display);
}

MainWindow::~MainWindow()
{
    // The form goes first; serialPort then closes the port without sending anything.
    delete ui;
}
