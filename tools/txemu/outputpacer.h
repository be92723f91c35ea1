// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

// How the emulator cuts what it sends into writes. A write that goes out alone reaches the other end
// as a notification of its own, so the mode decides what the tool's receive path gets to see.
enum class Chunking {
    Whole,  // one frame per write
    Split,  // each frame in two writes
    Merged, // two frames per write (a lone frame goes alone after kHoldMs)
    Random, // the byte stream cut at random points, 1..kMaxRandomCut bytes per write
};

bool parseChunking(const QString &name, Chunking *mode);
QString chunkingName(Chunking mode);

// Queue of frames waiting to be written; take() hands out the next write that is due. The owner calls
// take() once per pacing tick, so consecutive writes are a tick apart.
class OutputPacer
{
public:
    static constexpr int kHoldMs = 20;
    static constexpr int kMaxRandomCut = 45;

    void setMode(Chunking mode, quint32 seed = 1);
    Chunking mode() const { return m_mode; }

    void enqueue(const QByteArray &frame, qint64 nowMs);
    // The next write, or an empty array when nothing is due yet.
    QByteArray take(qint64 nowMs);
    bool isEmpty() const { return m_pieces.isEmpty(); }
    void clear() { m_pieces.clear(); }

private:
    struct Piece {
        QByteArray bytes;
        qint64 since;
    };
    QByteArray takeRandom(qint64 nowMs);

    QVector<Piece> m_pieces;
    Chunking m_mode = Chunking::Whole;
    QRandomGenerator m_random{1};
};
