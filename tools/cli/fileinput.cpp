// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinput.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Why LOAD skips a frame: a file too short to reach it, or letters out of place.
QString whyLeftOut(const QString &text, TextFrame frame)
{
    const QString letters = frameTemplate(frame);
    const int start = frameOffset(frame);
    if (text.size() <= start + 80 || hasFrameMarkers(text, frame))
        //: %1 is the frame's letter (S, G, H or I), %n how many characters the file has.
        return QCoreApplication::translate("CompanionMessages",
                                           "%1 frame left out: the file ends after %n characters", nullptr,
                                           int(text.size()))
            .arg(letters.left(1));
    //: %1 is the frame's letter (S, G, H or I), which is also its first marker and belongs at character %2;
    //: %3 is its last marker, which belongs at character %4.
    return QCoreApplication::translate(
               "CompanionMessages",
               "%1 frame left out: its markers are not in place ('%1' at character %2, '%3' at %4)")
        .arg(letters.left(1))
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
        input.failure = QCoreApplication::translate("CompanionMessages", "no such file");
        return input;
    }
    if (info.isDir()) {
        input.failure =
            QCoreApplication::translate("CompanionMessages", "not a parameter file (it is a folder)");
        return input;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        input.failure = file.error() == QFileDevice::PermissionsError || !info.isReadable()
                            ? QCoreApplication::translate("CompanionMessages", "permission denied")
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
        //: S, G, H and I are the frames' letters.
        input.failure = QCoreApplication::translate("CompanionMessages",
                                                    "not a parameter file (no S, G, H or I frame in place)");
        input.leftOut.clear();
    }
    return input;
}
