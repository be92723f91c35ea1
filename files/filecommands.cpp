#include "app/mainwindow.h"
#include "files/filedialogs.h"
#include "files/paramfile.h"
#include "link/framebuffers.h"

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
    holdOff(ui->toolButton_Save);
    const QString path = askSavePath(this);
    qDebug() << path;
    if (path.isEmpty()) return;

    // The old file stays whole until the new one is complete: the frames take over three seconds to
    // send, and a crash, a closed window or a full disk in that time must not leave an empty file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return showFileError(this);
    SendData1();
    SendData2();
    SendData3();
    SendData4();
    const QByteArray bytes = (Str1 + Str2 + Str3 + Str4).toLatin1();
    // commit() does not see a short write left in the buffer (a full disk), so flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit(); // drops the temporary file and keeps the old one
        return showFileError(this);
    }
    if (!file.commit()) showFileError(this);
}

void MainWindow::on_toolButton_Load_clicked()
{
    params.StkTrimLock = 1;
    holdOff(ui->toolButton_Load);
    const QString path = askLoadPath(this);
    qDebug() << path;
    if (path.isEmpty()) {
        Dr_DataSelet();
        FalseSaveData();
        params.StkTrimLock = 0;
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        params.StkTrimLock = 0;
        return showFileError(this);
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
    params.StkTrimLock = 0;
    Dr_DataSelet();
    FalseSaveData();
}
