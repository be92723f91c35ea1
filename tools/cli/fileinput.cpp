// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinput.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Why LOAD skips a frame: a file too short to reach it, or letters out of place.
QString whyLeftOut(const QString &text, TextFrame frame)
{
    const QString letters = frameTemplate(frame);
    const QString name = letters.left(1) + QStringLiteral(" frame");
    const int start = frameOffset(frame);
    if (text.size() <= start + 80 || hasFrameMarkers(text, frame))
        return QStringLiteral("%1 left out: the file ends after %2 characters").arg(name).arg(text.size());
    return QStringLiteral("%1 left out: its markers are not in place ('%2' at character %3, '%4' at %5)")
        .arg(name, letters.left(1))
        .arg(start + 1)
        .arg(letters.right(1))
        .arg(start + 81);
}

} // namespace

FileInput readParameterFileInput(const QString &path)
{
    FileInput input;
    const QFileInfo info(path);
    if (!info.exists()) {
        input.failure = QStringLiteral("no such file");
        return input;
    }
    if (info.isDir()) {
        input.failure = QStringLiteral("not a parameter file (it is a folder)");
        return input;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        input.failure = file.error() == QFileDevice::PermissionsError || !info.isReadable()
                            ? QStringLiteral("permission denied")
                            : file.errorString();
        return input;
    }
    const QString text = readParameterFileText(file);
    input.loaded = readParameterText(text, input.set);
    bool any = false;
    for (TextFrame frame : kSendOrder) {
        if (input.loaded.contains(frame))
            any = true;
        else
            input.leftOut << whyLeftOut(text, frame);
    }
    if (!any) {
        input.failure = QStringLiteral("not a parameter file (no S, G, H or I frame in place)");
        input.leftOut.clear();
    }
    return input;
}
