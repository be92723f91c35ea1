// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "files/filedialogs.h"
#include "files/fileslog.h"
#include "files/loadquestion.h"
#include "files/paramfile.h"
#include "files/savetarget.h"
#include "params/trimlock.h"

#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace {
// The box's first line is the one pilots know; the second says which file and why.
void showFileError(QWidget *parent, const QString &why = QString())
{
    QString text = QStringLiteral("Cannot read the specified file!");
    if (!why.isEmpty()) text += QStringLiteral("\n\n") + why;
    QMessageBox::critical(parent, QStringLiteral("ERROR"), text, QMessageBox::Ok);
}

QString fileReason(const QString &path, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void MainWindow::on_toolButton_Save_clicked()
{
    const CommandGuard command(commandGate);
    holdOff(ui->toolButton_Save);
    const QString path = askSavePath(this);
    qCDebug(lcFiles) << path;
    if (path.isEmpty()) return;

    // The old file stays whole until the new one is complete: the frames take over three seconds to
    // send, and a crash, a closed window or a full disk in that time must not leave an empty file.
    // Only a writable file in a folder that is not writable is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(needsDirectWrite(path));
    if (!file.open(QIODevice::WriteOnly)) {
        showFileError(this, fileReason(path, file.errorString()));
        return;
    }
    if (!backUpBefore(HistoryEvent::BeforeSave)) return; // the old file stays as it was
    const FormEdits::Mark saved = document.edits.mark();
    SendData1();
    SendData2();
    SendData3();
    SendData4();
    QString error;
    if (!commitParameterFile(file, transmitter.framesBytes(), &error)) {
        showFileError(this, fileReason(path, error));
        return;
    }
    settleEdits(saved);
    // The frames went to the transmitter too: check them there, now that the file is safe.
    checkSend(QStringLiteral("Saved to %1; the transmitter holds every setting sent.")
                  .arg(QFileInfo(path).fileName()),
              HistoryEvent::Saved);
}

void MainWindow::on_toolButton_Load_clicked()
{
    const CommandGuard command(commandGate);
    const TrimLock trims(params);
    holdOff(ui->toolButton_Load);
    if (!mayReplaceForm(QStringLiteral("LOAD replaces them with the settings of a file."))) return;
    const QString path = askLoadPath(this);
    qCDebug(lcFiles) << path;
    if (path.isEmpty()) {
        Dr_DataSelet();
        FalseSaveData();
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showFileError(this, fileReason(path, file.errorString()));
        return;
    }
    LoadText = readParameterFileText(file);
    file.close();
    // Read aside first: a file that is not a parameter file must change nothing and send nothing.
    ParameterSet fromFile = params;
    const LoadedFrames loaded = readParameterText(LoadText, fromFile);
    if (!loaded.s && !loaded.g && !loaded.h && !loaded.i) {
        showFileError(this,
                      fileReason(path, QStringLiteral("not a parameter file, none of its S, G, H and I "
                                                      "frames is in place. Nothing was loaded or sent.")));
        return;
    }
    const bool whole = loaded.s && loaded.g && loaded.h && loaded.i;
    if (!whole && !confirmPartialLoad(this, path, loaded)) return;
    if (!backUpBefore(HistoryEvent::BeforeLoad)) return;
    const FormEdits::Mark loadedAt = document.edits.mark();
    copyLoadedFrames(fromFile, loaded, params);
    if (whole) {
        document.source = FormSource::Model;
        settleEdits(loadedAt);
    }

    // Correct what the file got wrong before it reaches the transmitter, not after.
    Dr_DataSelet();
    FalseSaveData();
    sendForm();
    Dr_DataSelet();
    FalseSaveData();
    // A partial load leaves earlier values beside the file's; the transmitter holding them all settles them.
    if (checkSend(QStringLiteral("Loaded %1; the transmitter holds every setting sent.")
                      .arg(QFileInfo(path).fileName()),
                  HistoryEvent::Loaded))
        settleEdits(loadedAt);
}
