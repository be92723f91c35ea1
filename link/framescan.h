// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/blocks.h"

#include <QByteArray>
#include <QVector>

#include <vector>

// How the bytes a StreamReceiver keeps read as frames: the frame shapes each position allows, which of
// them go on into a chain of frames that holds up to the last byte, what a boundary reads as, and
// where a lost step can be found again. The words and the rule are set out in streamreceiver.cpp.
namespace framescan {

enum Shape { Live = 1, Block = 2, Aux = 4 };
constexpr int kStrong = Live | Block;
constexpr char kEnd = 8; // marks the last byte, where every chain may end

// A byte that a shape requires at an offset from its start (either of two values).
struct Marker {
    int offset;
    quint8 value, orValue;
};

// The three shapes a frame on the line can have: its length and the marker bytes that tell it.
struct ShapeRow {
    Shape shape;
    int length;
    Marker markers[2];
    int markerCount;
};
constexpr ShapeRow kShapes[] = {
    {Live, kLiveFrameLength, {{0, kMarker, kMarker}, {1, kChannelId, kTelemetryId}}, 2},
    {Block, kParamBlockLength, {{0, kMarker, kMarker}, {kParamBlockLength - 1, kMarker, kMarker}}, 2},
    {Aux, kAuxBlockLength, {{2, kAuxCode, kAuxCode}}, 1},
};

constexpr int lengthOf(int shape)
{
    for (const ShapeRow &s : kShapes)
        if (s.shape == shape) return s.length;
    return 0;
}

// Where a block carries its code, which gives its frame number.
constexpr int kBlockCodeOffset = 2;
// The bytes of a frame's head that every shape's first markers fall in (the aux marker is byte 2):
// fewer past a frame's end cannot tell the next frame from garbage.
constexpr int kHeadLength = 3;
// How far past a place the bytes are read to settle it: two live frames.
constexpr int kDecideSpan = 2 * kLiveFrameLength;

enum class Verdict { Wait, Dead, Take, Skip };
constexpr int kUndecided = -2;

struct Reading {
    Verdict verdict = Verdict::Dead;
    int shape = 0;
    int length = 0;
};

// The bytes kept and the notifications they came in (`cuts`: where each began). `viable` is scratch
// that the caller keeps between notifications.
class Scan
{
public:
    Scan(const QByteArray &bytes, const QVector<int> &cuts, std::vector<char> &viable);
    // The frame numbers a read still awaits (bit n for number n), which settle readings that meet
    // again; none outside a read.
    void setAwaited(const quint32 *numbers) { m_awaited = numbers; }
    int size() const { return m_n; }
    const QVector<int> &cuts() const { return m_cuts; }

    // The shapes whose markers agree with the bytes at p; a marker not received yet agrees.
    int shapesAt(int p) const;

    // The shapes at p whose frame is followed by a chain that holds to the last byte.
    int viableShapes(int p) const { return m_viable[size_t(p)] & ~kEnd; }

    // What a boundary at p reads as.
    Reading readAt(int p) const;

    // The first position after p that every reading from p runs through, or -1.
    int meetingPoint(int p) const;

    // Where the notification holding p ends, if one starts exactly at p; otherwise -1.
    int notificationFrom(int p) const;

    // The frame a notification starting at p forms on its own: a live frame (taken as such even
    // when its payload reads otherwise too) or an unambiguous block; 0 if none.
    int wholeFrameAt(int p) const;

    // Whether the head of the next frame has arrived after a frame at p and fits.
    bool followed(int p, int length) const
    {
        return p + length + kHeadLength <= m_n && m_viable[size_t(p + length)];
    }

    // A notification starting strictly inside [from, to) that begins three notifications in a row
    // which are each exactly one live frame or listed block: its start, kUndecided while the run has
    // not all arrived, or -1.
    int wholeRunAcross(int from, int to) const;

    // Whether the notification at p is exactly one live frame or listed block.
    bool wholeStrongAt(int p) const;

    // Whether a block at p has a code of the table.
    bool listedAt(int p) const;

    // Whether p starts the only reading of the bytes around it: no chain that starts with a live
    // frame or block in the kDecideSpan bytes before p runs across p, and none starting in the
    // kDecideSpan bytes after it lies off p's chain.
    bool onePhase(int p) const;

private:
    // Among readings from p that meet again at `meet`, the first shape of those whose blocks are all
    // awaited, listed and once (and the aux block at most once); 0 if none or they disagree.
    int awaitedReading(int p, int meet) const;

    const quint8 *m_b;
    int m_n;
    const QVector<int> &m_cuts;
    std::vector<char> &m_viable;
    const quint32 *m_awaited = nullptr;
};

struct Sync {
    int at = -1; // where the step was found, or -1
    bool whole = false;
    int resumeAt = 0; // when not found: the first place still undecided
    int keepFrom = 0; // ... and the first byte kept to judge it by
};

// The first place at or after `from` where the step can be found again; `consumed` is how many bytes
// came before the first one kept since the port opened.
Sync findStep(const Scan &scan, int from, qint64 consumed);

} // namespace framescan
