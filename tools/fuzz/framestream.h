// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A model of what the transmitter's line carries, shared by the receiver's fuzz target and its
// property tests: frames of every kind whose payloads hold marker bytes, a port that may open in the
// middle of a frame, notifications cut anywhere, and a brute-force reference of which streams their
// bytes alone can decide.

#include "link/blocks.h"
#include "link/streamreceiver.h"

#include <QByteArray>
#include <QVector>

#include <algorithm>
#include <vector>

namespace framestream {

enum class Kind { Channel, Telemetry, Listed, Block17, OddByte1, Unlisted, Aux };

struct Stream {
    QVector<QByteArray> frames; // what the transmitter sent, the two plain live frames after it included
    QByteArray bytes;           // what the line carried from the moment the port opened
    QVector<int> starts;        // where each frame begins in `bytes`, and the end
    QVector<int> cuts;          // where each notification begins
};

// Which streams their bytes can decide at all, by brute force over every reading of them. A stream
// is decidable when every other reading is contradicted by its own bytes within kDecideSpan bytes:
// at the start of a block or aux block sent, any other frame length; anywhere but a frame's start,
// any live frame or block. (Where two live frames follow each other the receiver settles for them.) It is
// truthful when every notification that is exactly one live frame or block is a frame sent.
class Reference
{
public:
    explicit Reference(const Stream &s) : m_s(s)
    {
        const int n = int(s.bytes.size());
        m_reach.assign(size_t(n) + 1, kNever);
        for (int p = n - 1; p >= 0; --p) {
            int furthest = 0;
            for (int length : kLengths) furthest = std::max(furthest, reach(p, length));
            m_reach[size_t(p)] = furthest;
        }
    }

    bool decidable() const
    {
        const int n = int(m_s.bytes.size());
        int next = 0; // the first frame starting at or after p
        for (int p = 0; p < n; ++p) {
            while (m_s.starts[next] < p) ++next;
            const int at = m_s.starts[next] == p ? next : -1;
            const int trueLength = at >= 0 && at + 1 < m_s.starts.size() ? m_s.starts[at + 1] - p : 0;
            // Two live frames in a row are settled for the live frame anyway.
            if (trueLength == kLiveFrameLength && m_s.starts.value(next + 2) - p == 2 * kLiveFrameLength)
                continue;
            for (int length : kLengths) {
                if (at >= 0 ? length == trueLength : length == kAuxBlockLength) continue;
                if (reach(p, length) >= std::min(n, p + StreamReceiver::kDecideSpan)) return false;
            }
        }
        return true;
    }

    // How far a reading that starts with a frame of `length` at p runs before its bytes contradict it.
    int reach(int p, int length) const
    {
        const int mismatch = firstMismatch(p, length);
        if (mismatch != kNever || p + length >= m_s.bytes.size()) return mismatch;
        return m_reach[size_t(p + length)];
    }

    bool truthful() const
    {
        for (int i = 0; i < m_s.cuts.size(); ++i) {
            const int from = m_s.cuts[i];
            const int end = i + 1 < m_s.cuts.size() ? m_s.cuts[i + 1] : int(m_s.bytes.size());
            if ((end - from != kLiveFrameLength && end - from != kParamBlockLength) ||
                firstMismatch(from, end - from) < end)
                continue;
            const int at = int(m_s.starts.indexOf(from));
            if (at < 0 || m_s.starts.value(at + 1) != end) return false;
        }
        return true;
    }

private:
    static constexpr int kNever = 1 << 30;
    static constexpr int kLengths[] = {kLiveFrameLength, kParamBlockLength, kAuxBlockLength};

    // Where a frame of `length` at p first disagrees with the bytes, or kNever.
    int firstMismatch(int p, int length) const
    {
        const auto *bytes = reinterpret_cast<const quint8 *>(m_s.bytes.constData());
        auto differs = [&](int i, quint8 a, quint8 b) {
            return p + i < m_s.bytes.size() && bytes[p + i] != a && bytes[p + i] != b;
        };
        if (length == kAuxBlockLength) return differs(2, kAuxCode, kAuxCode) ? p + 2 : kNever;
        if (differs(0, kMarker, kMarker)) return p;
        if (length == kLiveFrameLength) return differs(1, kChannelId, kTelemetryId) ? p + 1 : kNever;
        return differs(11, kMarker, kMarker) ? p + 11 : kNever;
    }

    const Stream &m_s;
    std::vector<int> m_reach;
};

// Draws everything from pick(n), which returns 0..n-1: a random generator in the tests, the fuzzer's
// input in the fuzz target.
template <typename Pick> class Generator
{
public:
    explicit Generator(Pick pick) : m_pick(pick) {}

    // One payload byte in eight is a marker or a block code.
    char payloadByte()
    {
        static const QVector<quint8> special = [] {
            QVector<quint8> s{kMarker, kAuxCode, kChannelId, kTelemetryId};
            return s + paramBlockCodes();
        }();
        if (m_pick(8) == 0) return char(special[m_pick(int(special.size()))]);
        return char(m_pick(256));
    }

    QByteArray frame(Kind kind)
    {
        const bool live = kind == Kind::Channel || kind == Kind::Telemetry;
        QByteArray f(live ? kLiveFrameLength : kind == Kind::Aux ? kAuxBlockLength : kParamBlockLength, '\0');
        for (char &b : f) b = payloadByte();
        if (live) {
            f[0] = char(kMarker);
            f[1] = char(kind == Kind::Channel ? kChannelId : kTelemetryId);
        } else if (kind == Kind::Aux) {
            f[2] = char(kAuxCode);
            if (m_pick(3) == 0) f[0] = char(kMarker); // the head of block 17 to look at
        } else {
            static const QVector<quint8> codes = paramBlockCodes();
            quint8 code = kind == Kind::Block17 ? kAuxCode : codes[m_pick(int(codes.size()))];
            while (kind == Kind::Unlisted && paramBlockNumber(code) != 0) code = quint8(m_pick(256));
            f[0] = f[11] = char(kMarker);
            f[2] = char(code);
            if (kind == Kind::OddByte1) f[1] = char(m_pick(2) ? kChannelId : kTelemetryId);
        }
        return f;
    }

    // `count` frames of every kind, live frames the most common as on a real line, starting with a
    // live frame.
    QVector<QByteArray> frames(int count)
    {
        static constexpr Kind kinds[] = {Kind::Channel, Kind::Channel, Kind::Telemetry, Kind::Listed,
                                         Kind::Listed,  Kind::Block17, Kind::OddByte1,  Kind::Unlisted,
                                         Kind::Aux,     Kind::Aux};
        QVector<QByteArray> out{frame(Kind::Channel)};
        while (out.size() < count) out.append(frame(kinds[m_pick(int(std::size(kinds)))]));
        return out;
    }

    // Frames after `prefix` (the tail of a frame in flight when the port opened, or junk), then two
    // live frames without a marker in their payload, each a notification of its own: the line goes
    // on, so the last frames sent can be decided. The rest is cut every 1 to maxCut bytes.
    Stream stream(const QVector<QByteArray> &frames, const QByteArray &prefix, int maxCut = 45)
    {
        Stream s;
        s.frames = frames;
        for (int i = 0; i < 2; ++i) {
            QByteArray plain = frame(Kind::Channel);
            for (int b = 2; b < kLiveFrameLength; ++b) plain[b] = char(m_pick(kChannelId));
            s.frames.append(plain);
        }
        s.bytes = prefix;
        for (const QByteArray &f : s.frames) {
            s.starts.append(int(s.bytes.size()));
            s.bytes += f;
        }
        s.starts.append(int(s.bytes.size()));
        // A block or aux block that starts FE 18 (or FE 19) with a live frame's reading holding after
        // it is a live frame byte for byte, and is read as one: not a stream to judge the receiver by.
        const Reference reference(s);
        for (int i = 0; i + 2 < s.starts.size(); ++i) {
            const int at = s.starts[i];
            if (s.frames[i].size() != kLiveFrameLength &&
                reference.reach(at, kLiveFrameLength) >= at + StreamReceiver::kDecideSpan)
                s.frames[i][1] = s.bytes[at + 1] = 0;
        }
        const int plainFrom = int(s.bytes.size()) - 2 * kLiveFrameLength;
        for (int p = 0; p < plainFrom; p += maxCut - m_pick(maxCut)) s.cuts.append(p);
        s.cuts << plainFrom << plainFrom + kLiveFrameLength;
        return s;
    }

private:
    Pick m_pick;
};

inline QVector<QByteArray> notifications(const Stream &s)
{
    QVector<QByteArray> chunks;
    for (int i = 0; i < s.cuts.size(); ++i) {
        const int end = i + 1 < s.cuts.size() ? s.cuts[i + 1] : int(s.bytes.size());
        chunks.append(s.bytes.mid(s.cuts[i], end - s.cuts[i]));
    }
    return chunks;
}

// Whether every block and aux block in `out` is one sent, in the order sent.
inline bool inventsNoBlock(const QVector<QByteArray> &out, const QVector<QByteArray> &sent)
{
    int at = 0;
    for (const QByteArray &f : out) {
        const int found = int(sent.indexOf(f, at));
        if (found >= 0)
            at = found + 1;
        else if (f.size() != kLiveFrameLength)
            return false;
    }
    return true;
}

// Whether `out` is the frames sent from some point on, with nothing missing after that point.
inline bool isTailOf(const QVector<QByteArray> &out, const QVector<QByteArray> &sent)
{
    return out.size() <= sent.size() && out == sent.mid(sent.size() - out.size());
}

} // namespace framestream
