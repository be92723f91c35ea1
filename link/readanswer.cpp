// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readanswer.h"

#include <QCoreApplication>
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
    //: A list of frame numbers: %1 is "4" or "4, 7", %2 the last number ("4, 7 and 17").
    return QCoreApplication::translate("ReadAnswer", "%1 and %2", "frame numbers")
        .arg(texts.join(QStringLiteral(", ")), last);
}

QString answerGaps(const ReadAnswer &answer)
{
    QStringList parts;
    const QVector<int> missing = answer.missing();
    if (!missing.isEmpty())
        //: %1 lists the frame numbers ("17 and 18"); their count picks the word.
        parts << QCoreApplication::translate("ReadAnswer", "frame(s) %1 did not arrive", nullptr,
                                             int(missing.size()))
                     .arg(frameNumberList(missing));
    const QVector<int> conflicts = answer.conflicts();
    if (!conflicts.isEmpty())
        //: %1 lists the frame numbers ("5" or "5 and 9"); their count picks the word.
        parts << QCoreApplication::translate("ReadAnswer", "frame(s) %1 came twice with different values",
                                             nullptr, int(conflicts.size()))
                     .arg(frameNumberList(conflicts));
    if (parts.size() < 2) return parts.join(QString());
    //: Both things a read's answer lacks: %1 the frames that did not arrive, %2 those that came twice.
    return QCoreApplication::translate("ReadAnswer", "%1 and %2", "two gaps of an answer")
        .arg(parts[0], parts[1]);
}

QString incompleteReadText(const ReadAnswer &answer)
{
    const int asks = ReadAnswer::kAsks;
    if (answer.received() == 0)
        //: %n is how many times the read request went out. WRITE is the button's name and stays as it is.
        return QCoreApplication::translate(
            "ReadAnswer",
            "The transmitter did not answer the read request (asked %n times). The form still holds the "
            "values it had; WRITE will ask before sending them.",
            nullptr, asks);
    //: %1 says what is missing ("frames 17 and 18 did not arrive"), %n how many times the read request went
    //: out. WRITE is the button's name and stays as it is.
    return QCoreApplication::translate(
               "ReadAnswer",
               "The transmitter's answer was incomplete: %1 (asked %n times).\n\nThe form now holds a mix: "
               "the settings of the frames that came are the transmitter's, the others are what the form "
               "held before. WRITE will ask before sending them.",
               nullptr, asks)
        .arg(answerGaps(answer));
}
