// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputpacer.h"

#include <algorithm>

namespace {

struct ModeName {
    Chunking mode;
    const char *name;
};
constexpr ModeName kModeNames[] = {{Chunking::Whole, "whole"},
                                   {Chunking::Split, "split"},
                                   {Chunking::Merged, "merged"},
                                   {Chunking::Random, "random"}};

} // namespace

bool parseChunking(const QString &name, Chunking *mode)
{
    for (const ModeName &m : kModeNames)
        if (name == QLatin1String(m.name)) {
            *mode = m.mode;
            return true;
        }
    return false;
}

QString chunkingName(Chunking mode)
{
    for (const ModeName &m : kModeNames)
        if (m.mode == mode) return QLatin1String(m.name);
    return QString();
}

void OutputPacer::setMode(Chunking mode, quint32 seed)
{
    m_mode = mode;
    m_random.seed(seed);
}

void OutputPacer::enqueue(const QByteArray &frame, qint64 nowMs)
{
    if (frame.isEmpty()) return;
    if (m_mode == Chunking::Split && frame.size() > 1) {
        const int half = int(frame.size()) / 2;
        m_pieces.append({frame.left(half), nowMs});
        m_pieces.append({frame.mid(half), nowMs});
        return;
    }
    m_pieces.append({frame, nowMs});
}

QByteArray OutputPacer::take(qint64 nowMs)
{
    if (m_pieces.isEmpty()) return {};
    switch (m_mode) {
    case Chunking::Whole:
    case Chunking::Split:
        return m_pieces.takeFirst().bytes;
    case Chunking::Merged:
        if (m_pieces.size() >= 2) {
            QByteArray pair = m_pieces.takeFirst().bytes;
            return pair + m_pieces.takeFirst().bytes;
        }
        return nowMs - m_pieces.first().since >= kHoldMs ? m_pieces.takeFirst().bytes : QByteArray();
    case Chunking::Random:
        return takeRandom(nowMs);
    }
    return {};
}

QByteArray OutputPacer::takeRandom(qint64 nowMs)
{
    const int want = int(m_random.bounded(1, kMaxRandomCut + 1));
    int queued = 0;
    for (const Piece &p : m_pieces) queued += int(p.bytes.size());
    // Wait for the stream to fill the cut, but not so long that a lone frame sits for ever.
    if (queued < want && nowMs - m_pieces.first().since < kHoldMs) return {};
    QByteArray out;
    while (!m_pieces.isEmpty() && out.size() < want) {
        Piece &front = m_pieces.first();
        const int n = std::min(int(front.bytes.size()), want - int(out.size()));
        out.append(front.bytes.left(n));
        front.bytes.remove(0, n);
        if (front.bytes.isEmpty()) m_pieces.removeFirst();
    }
    return out;
}
