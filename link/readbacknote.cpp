// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readbacknote.h"

#include <QStringList>

QString readBackNote(const TransmitterSession::SendCheck &check, const ReadAnswer &answer)
{
    if (check.unchecked.size() == ReadAnswer::kFrameNumbers)
        return QStringLiteral("The settings were sent, but the transmitter did not answer the read-back, so "
                              "they could not be checked.");
    const QVector<SettingDifference> &differences = check.differences;
    QStringList paragraphs;
    if (!differences.isEmpty())
        paragraphs << QStringLiteral("The transmitter does not hold what was sent. %1 setting%2 differ%3:")
                          .arg(differences.size())
                          .arg(differences.size() == 1 ? "" : "s", differences.size() == 1 ? "s" : "")
                   << differenceLines(differences);
    if (!answer.complete())
        paragraphs << QStringLiteral("The read-back was incomplete (%1), so the settings of those frames "
                                     "could not be checked.")
                          .arg(answerGaps(answer));
    paragraphs << QStringLiteral("The form keeps your values; WRITE sends them again.");
    return paragraphs.join(QStringLiteral("\n\n"));
}
