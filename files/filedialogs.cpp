// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filedialogs.h"
#include "files/usersettings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString parameterFileFilter()
{
    //: The file dialogs' view of parameter files; the patterns after it stay as they are.
    return QCoreApplication::translate("FileDialogs", "file", "view of parameter files") +
           QStringLiteral(" (*.txt *.dat)");
}

QString saveFilters()
{
    //: SAVE's file-dialog view of every file; the pattern after it stays as it is.
    return parameterFileFilter() + QStringLiteral(";;") +
           QCoreApplication::translate("FileDialogs", "allfile", "view of every file") +
           QStringLiteral(" (*.*)");
}

QString loadFilters()
{
#ifdef Q_OS_WIN
    const QString every = QStringLiteral(" (*.*)");
#else
    const QString every = QStringLiteral(" (*.* *)");
#endif
    //: LOAD's file-dialog view of every file; the patterns after it stay as they are.
    return QCoreApplication::translate("FileDialogs", "All file", "view of every file") + every +
           QStringLiteral(";;") + parameterFileFilter();
}

QString withParameterFileSuffix(const QString &path, const QString &selectedFilter)
{
    if (path.isEmpty() || selectedFilter != parameterFileFilter() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("txt") : QStringLiteral(".txt"));
}

QString askSavePath(QWidget *parent)
{
    QString filter;
    // The captions name the command by its button, which stays SAVE in every language.
    const QString typed = QFileDialog::getSaveFileName(parent, QStringLiteral("SAVE"), fileDialogFolder(),
                                                       saveFilters(), &filter);
    // A name that exists already (a file the dialog asked about replacing, or a folder) is taken as
    // it stands.
    const QString path = QFileInfo::exists(typed) ? typed : withParameterFileSuffix(typed, filter);
    // The dialog asked about replacing the name as typed; the suffixed name is asked about here.
    if (path != typed && QFileInfo::exists(path) &&
        QMessageBox::warning(
            parent, QStringLiteral("SAVE"),
            //: %1 is the file's name.
            QCoreApplication::translate("FileDialogs", "%1 already exists.\nDo you want to replace it?")
                .arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return QString();
    rememberFileFolder(path);
    return path;
}

QString askLoadPath(QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("FileDialogs", "Open file"), fileDialogFolder(), loadFilters());
    rememberFileFolder(path);
    return path;
}
