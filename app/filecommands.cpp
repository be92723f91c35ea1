// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compareviews.h"
#include "app/loadquestion.h"
#include "app/modelcommands.h"
#include "files/filedialogs.h"
#include "files/fileslog.h"
#include "files/paramfile.h"
#include "files/savetarget.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "params/trimlock.h"
#include "views/loadpreview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace {
// The box's first line is the one pilots know; the second says which file and why.
void showFileError(QWidget *parent, const QString &why = QString())
{
    QString text = QCoreApplication::translate("Commands", "Cannot read the specified file!");
    //: %1 is the first line (Cannot read the specified file!), %2 which file and why.
    if (!why.isEmpty()) text = QCoreApplication::translate("Commands", "%1\n\n%2").arg(text, why);
    QMessageBox::critical(parent, QCoreApplication::translate("Commands", "ERROR"), text, QMessageBox::Ok);
}

QString fileReason(const QString &path, const QString &reason)
{
    //: %1 is a file's path, %2 why it cannot be read or written.
    return QCoreApplication::translate("Commands", "%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void ModelCommands::save(QAbstractButton *button)
{
    const CommandGuard command(gate);
    holdOff(button);
    const QString path = askSavePath(window);
    qCDebug(lcFiles) << path;
    if (path.isEmpty()) return;

    // The old file stays whole until the new one is complete: the frames take over three seconds to
    // send, and a crash, a closed window or a full disk in that time must not leave an empty file.
    // Only a writable file in a folder that is not writable is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(needsDirectWrite(path));
    if (!file.open(QIODevice::WriteOnly)) {
        showFileError(window, fileReason(path, file.errorString()));
        return;
    }
    // Without a copy kept, when the pilot will not send, the old file stays as it was.
    ReplaceRequest request{QStringLiteral("SAVE"), HistoryEvent::BeforeSave, HistoryEvent::Saved};
    request.store = false; // a SAVE's frames are not followed by "WWW"
    FormUndo::Mark saved;
    bool committed = false;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        saved = document.undo.mark();
        return true;
    };
    hooks.afterSending = [&] {
        QString error;
        if (!commitParameterFile(file, session.framesBytes(), &error)) {
            showFileError(window, fileReason(path, error));
            return false;
        }
        committed = true;
        document.undo.settle(saved);
        return true;
    };
    const ReplaceOutcome done = replace(request, hooks);
    // The frames went to the transmitter too: they were checked there once the file was safe.
    if (committed)
        sayReadBack(done, QCoreApplication::translate(
                              "Commands", "Saved to %1; the transmitter holds every setting sent.")
                              .arg(QFileInfo(path).fileName()));
}

void ModelCommands::load(QAbstractButton *button)
{
    const CommandGuard command(gate);
    const TrimLock trims(set);
    holdOff(button);
    if (!mayReplaceForm(
            QCoreApplication::translate("Commands", "LOAD replaces them with the settings of a file.")))
        return;
    const QString path = askLoadPath(window);
    qCDebug(lcFiles) << path;
    if (path.isEmpty()) {
        selectDualRate(set);
        sanitise(set);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showFileError(window, fileReason(path, file.errorString()));
        return;
    }
    LoadText = readParameterFileText(file);
    file.close();
    // Read aside first: a file that is not a parameter file must change nothing and send nothing.
    ParameterSet fromFile = set;
    const LoadedFrames loaded = readParameterText(LoadText, fromFile);
    if (!loaded.s && !loaded.g && !loaded.h && !loaded.i) {
        showFileError(window,
                      fileReason(path, QCoreApplication::translate(
                                           "Commands", "not a parameter file, none of its S, G, H and I "
                                                       "frames is in place. Nothing was loaded or sent.")));
        return;
    }
    const bool whole = loaded.s && loaded.g && loaded.h && loaded.i;
    if (!whole && !confirmPartialLoad(window, path, loaded)) return;
    FormUndo::Mark loadedAt;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        // Nothing to compare with before the transmitter is known: LOAD goes on as it always has.
        const std::optional<QVector<const NamedField *>> kept =
            document.onTransmitter ? keptOnTransmitter(window, set, fromFile, loaded, *document.onTransmitter,
                                                       QFileInfo(path).fileName())
                                   : QVector<const NamedField *>();
        if (!kept) return false; // the pilot cancelled: nothing sent, the form as it was
        copyLoadedFrames(fromFile, loaded, set);
        if (document.onTransmitter) copySettings(*document.onTransmitter, *kept, set);
        // Correct what the file got wrong before it reaches the transmitter, not after.
        selectDualRate(set);
        sanitise(set);
        //: An undo step: LOAD stays as on its button, %1 is the file's name.
        formChanged(QCoreApplication::translate("Commands", "LOAD %1").arg(QFileInfo(path).fileName()));
        loadedAt = document.undo.mark();
        if (whole && kept->isEmpty()) {
            document.source = FormSource::Model;
            document.undo.settle(loadedAt);
        }
        return true;
    };
    hooks.afterSending = [this] {
        selectDualRate(set);
        sanitise(set);
        return true;
    };
    const ReplaceOutcome done =
        replace({QStringLiteral("LOAD"), HistoryEvent::BeforeLoad, HistoryEvent::Loaded}, hooks);
    // A partial load leaves earlier values beside the file's; the transmitter holding them all settles them.
    if (sayReadBack(done, QCoreApplication::translate("Commands",
                                                      "Loaded %1; the transmitter holds every setting sent.")
                              .arg(QFileInfo(path).fileName())))
        document.undo.settle(loadedAt);
}
