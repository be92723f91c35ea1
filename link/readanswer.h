// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

#include <array>

// The transmitter sends its parameter blocks and the aux block only in answer to "RR", so a block is
// believed only while a read awaits it: from the "RR" until every frame number of the answer has come
// once, or until the read gives up. A read may ask again for what is missing; what it already has is
// kept, and a number that comes again with other bytes makes the answer doubtful (not complete).
class ReadAnswer
{
public:
    // What becomes of a block or aux block offered to the answer.
    enum class Offer {
        Take,     // awaited: decode it into the answer's target
        Unasked,  // no read awaits it: drop it
        Repeat,   // the answer already had these bytes: drop it
        Conflict, // the answer already had this number with other bytes: drop it, doubt the answer
    };

    static constexpr int kFrameNumbers = 19;
    // "RR" goes out at most this often for one read: once, then twice more for what is missing.
    static constexpr int kAsks = 3;

    // A new read: nothing received yet, blocks awaited.
    void begin();
    // The read asks again: blocks are awaited again until complete.
    void askAgain() { m_awaiting = !complete(); }
    // The read has given up: later blocks are unasked.
    void end() { m_awaiting = false; }
    bool awaiting() const { return m_awaiting; }

    // `number` is the frame number (1..19) of a parameter or aux block, 0 for an unlisted code.
    Offer offer(const QByteArray &frame, int number);

    bool complete() const { return missing().isEmpty() && m_conflicts.isEmpty(); }
    int received() const;
    QVector<int> missing() const;
    QVector<int> conflicts() const { return m_conflicts; }
    // The frame numbers whose settings the answer does not hold for sure: missing or conflicting,
    // ascending.
    QVector<int> lacking() const;
    // Bit n set for each frame number still awaited (none when no read awaits): the receiver reads an
    // ambiguous run of bytes as the frames the answer still lacks.
    quint32 awaitedNumbers() const;

private:
    std::array<QByteArray, kFrameNumbers + 1> m_frames; // indexed by frame number
    QVector<int> m_conflicts;
    bool m_awaiting = false;
};

// "1, 2 and 17": frame numbers as a sentence names them.
QString frameNumberList(const QVector<int> &numbers);
// What the answer lacks: "frames 17 and 18 did not arrive", "frame 5 came twice with different values".
QString answerGaps(const ReadAnswer &answer);
// The Note after a READ that stayed incomplete: what is missing and what the form now holds.
QString incompleteReadText(const ReadAnswer &answer);
