// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/usersettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kLastPort = QStringLiteral("link/lastPort");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kLanguage = QStringLiteral("view/language");

QString stored(const QString &key)
{
    const QSettings settings;
    if (settings.status() != QSettings::NoError) return QString();
    return settings.value(key).toString();
}

void store(const QString &key, const QString &value)
{
    QSettings settings;
    // A file we could not read is not overwritten with our two keys alone.
    if (settings.status() != QSettings::NoError) return;
    settings.setValue(key, value);
}
} // namespace

QString lastPortName()
{
    return stored(kLastPort);
}

void rememberPortName(const QString &name)
{
    store(kLastPort, name);
}

QString fileDialogFolder()
{
    const QString folder = stored(kLastFolder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return QStringLiteral("./");
}

void rememberFileFolder(const QString &filePath)
{
    if (!filePath.isEmpty()) store(kLastFolder, QFileInfo(filePath).absolutePath());
}

QString savedLanguage()
{
    return stored(kLanguage);
}

void rememberLanguage(const QString &code)
{
    store(kLanguage, code);
}
