// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/statefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString stateFolder()
{
    const QString over = qEnvironmentVariable("TXCONFIG_STATE_DIR");
    if (!over.isEmpty()) return over;
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative value is invalid by the XDG rules and is ignored, as the desktop's own tools do.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/txconfig");
}

bool makeStateFolder(const QString &folder, QString *error)
{
    const QFileInfo info(folder);
    if (info.isDir()) return true;
    if (info.exists()) {
        //: %1 is a path.
        *error = QCoreApplication::translate("FileErrors", "%1 is a file, not a folder")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        //: %1 is a path.
        *error = QCoreApplication::translate("FileErrors", "cannot make the folder %1")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // Models and edits are the pilot's own: nobody else on the machine needs to read them.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}
