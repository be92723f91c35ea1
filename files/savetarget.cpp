// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/savetarget.h"

#include <QFileInfo>

bool needsDirectWrite(const QString &path)
{
    // A missing file has no canonical path, and a new file needs a writable folder anyway.
    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    if (!target.isFile() || !target.isWritable()) return false;
    // isWritable() asks the system (access()), so root, ACLs and read-only mounts are judged as the
    // save itself will be.
    return !QFileInfo(target.absolutePath()).isWritable();
}
