#include "app/mainwindow.h"
#include "files/filedialogs.h"
#include "files/paramfile.h"
#include "files/savetarget.h"
#include "link/framebuffers.h"
#include "params/trimlock.h"

#include "ui_mainwindow.h"

#include <QDebug>
#include <QFile>
#include <QMessageBox>
#include <QSaveFile>

namespace {
void showFileError(QWidget *parent)
{
    QMessageBox::critical(parent, QStringLiteral("ERROR"), QStringLiteral("Cannot read the specified file!"),
                          QMessageBox::Ok);
}
} // namespace

void MainWindow::on_toolButton_Save_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Save);
    const QString path = askSavePath(this);
    qDebug() << path;
    if (path.isEmpty()) return;

    // The old file stays whole until the new one is complete: the frames take over three seconds to
    // send, and a crash, a closed window or a full disk in that time must not leave an empty file.
    // Only a writable file in a folder that is not writable is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(needsDirectWrite(path));
    if (!file.open(QIODevice::WriteOnly)) {
        showFileError(this);
        return;
    }
    SendData1();
    SendData2();
    SendData3();
    SendData4();
    QString error;
    if (!commitParameterFile(file, (Str1 + Str2 + Str3 + Str4).toLatin1(), &error)) showFileError(this);
}

void MainWindow::on_toolButton_Load_clicked()
{
    const CommandGuard command(commandGate);
    const TrimLock trims(params);
    holdOff(ui->toolButton_Load);
    const QString path = askLoadPath(this);
    qDebug() << path;
    if (path.isEmpty()) {
        Dr_DataSelet();
        FalseSaveData();
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showFileError(this);
        return;
    }
    LoadText = readParameterFileText(file);
    file.close();
    readParameterText(LoadText, params);

    // Correct what the file got wrong before it reaches the transmitter, not after.
    Dr_DataSelet();
    FalseSaveData();
    SendData1();
    SendData2();
    SendData3();
    SendData4();
    if (serialPort.isOpen()) serialPort.write("WWW");
    Dr_DataSelet();
    FalseSaveData();
}
