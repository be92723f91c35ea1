// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filedialogs.h"
#include "files/usersettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

const QString kSaveFilters = QStringLiteral("file (*.txt *.dat);;allfile (*.*)");
const QString kParameterFileFilter = QStringLiteral("file (*.txt *.dat)");

QString loadFilters()
{
#ifdef Q_OS_WIN
    return QStringLiteral("All file (*.*);;file (*.txt *.dat)");
#else
    return QStringLiteral("All file (*.* *);;file (*.txt *.dat)");
#endif
}

QString withParameterFileSuffix(const QString &path, const QString &selectedFilter)
{
    if (path.isEmpty() || selectedFilter != kParameterFileFilter || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("txt") : QStringLiteral(".txt"));
}

QString askSavePath(QWidget *parent)
{
    QString filter;
    const QString typed = QFileDialog::getSaveFileName(parent, QStringLiteral("SAVE"), fileDialogFolder(),
                                                       kSaveFilters, &filter);
    // A name that exists already (a file the dialog asked about replacing, or a folder) is taken as
    // it stands.
    const QString path = QFileInfo::exists(typed) ? typed : withParameterFileSuffix(typed, filter);
    // The dialog asked about replacing the name as typed; the suffixed name is asked about here.
    if (path != typed && QFileInfo::exists(path) &&
        QMessageBox::warning(
            parent, QStringLiteral("SAVE"),
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return QString();
    rememberFileFolder(path);
    return path;
}

QString askLoadPath(QWidget *parent)
{
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("Open file"), fileDialogFolder(), loadFilters());
    rememberFileFolder(path);
    return path;
}
