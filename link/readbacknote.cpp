// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readbacknote.h"

#include <QCoreApplication>
#include <QStringList>

QString readBackNote(const TransmitterSession::SendCheck &check, const ReadAnswer &answer)
{
    if (check.unchecked.size() == ReadAnswer::kFrameNumbers)
        return QCoreApplication::translate("ReadBack", "The settings were sent, but the transmitter did not "
                                                       "answer the read-back, so they could not be checked.");
    const QVector<SettingDifference> &differences = check.differences;
    QStringList paragraphs;
    if (!differences.isEmpty())
        //: Followed by one line per setting that differs.
        paragraphs << QCoreApplication::translate(
                          "ReadBack",
                          "The transmitter does not hold what was sent. %n setting(s) differ(s):", nullptr,
                          int(differences.size()))
                   << differenceLines(differences);
    if (!answer.complete())
        //: %1 says what the read-back lacks ("frame 5 did not arrive").
        paragraphs
            << QCoreApplication::translate(
                   "ReadBack",
                   "The read-back was incomplete (%1), so the settings of those frames could not be checked.")
                   .arg(answerGaps(answer));
    //: WRITE is the button's name and stays as it is.
    paragraphs << QCoreApplication::translate("ReadBack",
                                              "The form keeps your values; WRITE sends them again.");
    return paragraphs.join(QStringLiteral("\n\n"));
}
