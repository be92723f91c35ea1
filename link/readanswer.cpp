// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readanswer.h"

#include <QString>
#include <QStringList>

void ReadAnswer::begin()
{
    m_frames.fill(QByteArray());
    m_conflicts.clear();
    m_awaiting = true;
}

ReadAnswer::Offer ReadAnswer::offer(const QByteArray &frame, int number)
{
    if (!m_awaiting) return Offer::Unasked;
    // An unlisted code carries nothing to store; it is taken as the display always took it.
    if (number <= 0 || number > kFrameNumbers) return Offer::Take;
    QByteArray &had = m_frames[size_t(number)];
    if (had.isNull()) {
        had = frame;
        if (complete()) m_awaiting = false;
        return Offer::Take;
    }
    if (had == frame) return Offer::Repeat;
    if (!m_conflicts.contains(number)) m_conflicts.append(number);
    return Offer::Conflict;
}

int ReadAnswer::received() const
{
    int n = 0;
    for (int number = 1; number <= kFrameNumbers; ++number) n += !m_frames[size_t(number)].isNull();
    return n;
}

QVector<int> ReadAnswer::missing() const
{
    QVector<int> numbers;
    for (int number = 1; number <= kFrameNumbers; ++number)
        if (m_frames[size_t(number)].isNull()) numbers.append(number);
    return numbers;
}

QVector<int> ReadAnswer::lacking() const
{
    QVector<int> numbers;
    for (int number = 1; number <= kFrameNumbers; ++number)
        if (m_frames[size_t(number)].isNull() || m_conflicts.contains(number)) numbers.append(number);
    return numbers;
}

quint32 ReadAnswer::awaitedNumbers() const
{
    if (!m_awaiting) return 0;
    quint32 mask = 0;
    for (int number : missing()) mask |= 1u << number;
    return mask;
}

QString frameNumberList(const QVector<int> &numbers)
{
    QStringList texts;
    for (int n : numbers) texts << QString::number(n);
    if (texts.size() < 2) return texts.join(QString());
    const QString last = texts.takeLast();
    return texts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString answerGaps(const ReadAnswer &answer)
{
    QStringList parts;
    const QVector<int> missing = answer.missing();
    if (!missing.isEmpty())
        parts << QStringLiteral("frame%1 %2 did not arrive")
                     .arg(missing.size() == 1 ? "" : "s", frameNumberList(missing));
    const QVector<int> conflicts = answer.conflicts();
    if (!conflicts.isEmpty())
        parts << QStringLiteral("frame%1 %2 came twice with different values")
                     .arg(conflicts.size() == 1 ? "" : "s", frameNumberList(conflicts));
    return parts.join(QStringLiteral(" and "));
}

QString incompleteReadText(const ReadAnswer &answer)
{
    if (answer.received() == 0)
        return QStringLiteral("The transmitter did not answer the read request (asked %1 times). The form "
                              "still holds the values it had; WRITE will ask before sending them.")
            .arg(ReadAnswer::kAsks);
    return QStringLiteral("The transmitter's answer was incomplete: %1 (asked %2 times).\n\nThe form now "
                          "holds a mix: the settings of the frames that came are the transmitter's, the "
                          "others are what the form held before. WRITE will ask before sending them.")
        .arg(answerGaps(answer))
        .arg(ReadAnswer::kAsks);
}
