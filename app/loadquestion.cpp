// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loadquestion.h"

#include "app/askfirst.h"

#include <QDir>
#include <QStringList>

QString frameLetters(const LoadedFrames &loaded, bool read)
{
    QStringList letters;
    for (TextFrame frame : kSendOrder)
        if (loaded.contains(frame) == read) letters << frameTemplate(frame).left(1);
    if (letters.size() < 2) return letters.join(QString());
    const QString last = letters.takeLast();
    return letters.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

bool confirmPartialLoad(QWidget *parent, const QString &path, const LoadedFrames &loaded)
{
    return askFirst(parent,
                    QStringLiteral("%1 is damaged: its %2 frame%3 cannot be read.\n\nLoad the %4 frame%5 "
                                   "and send them to the transmitter? The settings of the damaged frames "
                                   "keep the form's values.")
                        .arg(QDir::toNativeSeparators(path), frameLetters(loaded, false))
                        .arg(frameLetters(loaded, false).size() > 1 ? "s" : "")
                        .arg(frameLetters(loaded, true))
                        .arg(frameLetters(loaded, true).size() > 1 ? "s" : ""),
                    QStringLiteral("Load"), QMessageBox::AcceptRole);
}
