// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loadquestion.h"

#include "app/askfirst.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

QString frameLetters(const LoadedFrames &loaded, bool read)
{
    QStringList letters;
    for (TextFrame frame : kSendOrder)
        if (loaded.contains(frame) == read) letters << frameTemplate(frame).left(1);
    if (letters.size() < 2) return letters.join(QString());
    const QString last = letters.takeLast();
    //: A list of frame letters: %1 is "S" or "S, G", %2 the last letter ("S, G and H").
    return QCoreApplication::translate("Questions", "%1 and %2")
        .arg(letters.join(QStringLiteral(", ")), last);
}

bool confirmPartialLoad(QWidget *parent, const QString &path, const LoadedFrames &loaded)
{
    int damaged = 0;
    for (TextFrame frame : kSendOrder) damaged += loaded.contains(frame) ? 0 : 1;
    const int whole = int(std::size(kSendOrder)) - damaged;
    //: %1 is the file, %2 the letters of its damaged frames (S, G, H, I); the count picks "frame(s)".
    const QString what = QCoreApplication::translate(
                             "Questions", "%1 is damaged: its %2 frame(s) cannot be read.", nullptr, damaged)
                             .arg(QDir::toNativeSeparators(path), frameLetters(loaded, false));
    //: %1 is the letters of the frames that can be read.
    const QString ask =
        QCoreApplication::translate("Questions",
                                    "Load the %1 frame(s) and send them to the transmitter? The "
                                    "settings of the damaged frames keep the form's values.",
                                    nullptr, whole)
            .arg(frameLetters(loaded, true));
    return askFirst(parent, what + QStringLiteral("\n\n") + ask,
                    QCoreApplication::translate("Questions", "Load"), QMessageBox::AcceptRole);
}
