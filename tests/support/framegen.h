#pragma once

// Streams of transmitter frames for the receiver's property tests and its fuzz target: frames of
// every kind whose payloads carry marker bytes, cut into notifications, and a brute-force reference
// of which streams their bytes alone can decide.

#include "link/blocks.h"
#include "link/streamreceiver.h"

#include <QByteArray>
#include <QVector>

#include <vector>

namespace support {

enum class FrameMix { Channel, Telemetry, Listed, Block17, OddByte1, Unlisted, Aux, Count };

// Frames and notifications drawn from any source of numbers: pick(n) returns 0..n-1.
template <typename Pick> class FrameGen
{
public:
    explicit FrameGen(Pick pick) : m_pick(pick) {}

    // A payload byte: one in eight a marker or block code, otherwise any byte.
    char payloadByte()
    {
        static const QVector<quint8> special = [] {
            QVector<quint8> s{kMarker, kAuxCode, kChannelId, kTelemetryId};
            s += paramBlockCodes();
            return s;
        }();
        if (m_pick(8) == 0) return char(special[m_pick(int(special.size()))]);
        return char(m_pick(256));
    }

    QByteArray frame(FrameMix kind)
    {
        const int length = kind == FrameMix::Aux                                      ? kAuxBlockLength
                           : kind == FrameMix::Channel || kind == FrameMix::Telemetry ? kLiveFrameLength
                                                                                      : kParamBlockLength;
        QByteArray f(length, '\0');
        for (int i = 0; i < length; ++i) f[i] = payloadByte();
        switch (kind) {
        case FrameMix::Channel:
        case FrameMix::Telemetry:
            f[0] = char(kMarker);
            f[1] = char(kind == FrameMix::Channel ? kChannelId : kTelemetryId);
            break;
        case FrameMix::Aux:
            f[2] = char(kAuxCode);
            if (m_pick(3) == 0) f[0] = char(kMarker); // looks like the head of block 17
            if (f[0] == char(kMarker) && (f[1] == char(kChannelId) || f[1] == char(kTelemetryId)))
                f[1] = 0; // with a block after it, a live frame byte for byte
            break;
        default: {
            const QVector<quint8> codes = paramBlockCodes();
            quint8 code = codes[m_pick(int(codes.size()))];
            if (kind == FrameMix::Block17) code = kAuxCode;
            while (kind == FrameMix::Unlisted && (code = quint8(m_pick(256)), paramBlockNumber(code) != 0)) {
            }
            f[0] = f[11] = char(kMarker);
            f[2] = char(code);
            if (kind == FrameMix::OddByte1) f[1] = char(m_pick(2) ? kChannelId : kTelemetryId);
        }
        }
        return f;
    }

    // Frames of every kind, live frames the most common as on a real line, starting with a live
    // frame. Never a block whose byte 1 is 0x18 or 0x19 followed by an aux block: those 20 bytes
    // are a live frame byte for byte, and nothing can tell them apart.
    QVector<QByteArray> frames(int count)
    {
        static constexpr FrameMix kinds[] = {
            FrameMix::Channel, FrameMix::Channel,  FrameMix::Telemetry, FrameMix::Listed, FrameMix::Listed,
            FrameMix::Block17, FrameMix::OddByte1, FrameMix::Unlisted,  FrameMix::Aux,    FrameMix::Aux};
        QVector<QByteArray> out{frame(FrameMix::Channel)};
        while (out.size() < count) {
            const QByteArray f = frame(kinds[m_pick(int(sizeof kinds / sizeof kinds[0]))]);
            const QByteArray &last = out.last();
            const bool liveLookalike = last.size() == kParamBlockLength &&
                                       (last[1] == char(kChannelId) || last[1] == char(kTelemetryId));
            if (!(liveLookalike && f.size() == kAuxBlockLength)) out.append(f);
        }
        return out;
    }

    // A live frame whose payload holds no marker byte: something that follows a stream so that its
    // last frames can be decided.
    QByteArray plainLiveFrame()
    {
        QByteArray f = frame(FrameMix::Channel);
        for (int i = 2; i < kLiveFrameLength; ++i) f[i] = char(m_pick(0x18));
        return f;
    }

    // Where the stream is cut into notifications (the start of each), 1 to 45 bytes apart.
    QVector<int> cuts(int size)
    {
        QVector<int> at;
        for (int p = 0; p < size; p += 1 + m_pick(45)) at.append(p);
        return at;
    }

private:
    Pick m_pick;
};

inline QVector<QByteArray> notifications(const QByteArray &bytes, const QVector<int> &cuts)
{
    QVector<QByteArray> chunks;
    for (int i = 0; i < cuts.size(); ++i)
        chunks.append(bytes.mid(cuts[i], (i + 1 < cuts.size() ? cuts[i + 1] : int(bytes.size())) - cuts[i]));
    return chunks;
}

// Which streams the bytes can decide at all, by brute force over every reading of them. `starts`
// are the positions where the frames sent begin, and the end (the first frame may lie past a tail of
// junk). A stream is decidable when every other reading is contradicted by its own bytes within
// kDecideSpan bytes: at the start of a block or aux block, any other frame length; anywhere else, any
// live frame or block. It is truthful when every notification that is exactly one live
// frame or block is a frame sent.
class Reference
{
public:
    Reference(const QByteArray &bytes, const QVector<int> &starts) : m_bytes(bytes), m_starts(starts)
    {
        const int n = int(bytes.size());
        m_reach.assign(size_t(n) + 1, kNever);
        for (int p = n - 1; p >= 0; --p) {
            int best = 0;
            for (int length : kLengths) best = std::max(best, reach(p, length));
            m_reach[size_t(p)] = best;
        }
    }

    bool decidable() const
    {
        const int n = int(m_bytes.size());
        for (int p = 0; p < n; ++p) {
            const int at = m_starts.indexOf(p);
            const int trueLength = at >= 0 && at + 1 < m_starts.size() ? m_starts[at + 1] - p : 0;
            // At a live frame's start an undecided reading is settled for the live frame anyway.
            if (trueLength == kLiveFrameLength) continue;
            const int horizon = std::min(n, p + StreamReceiver::kDecideSpan);
            for (int length : kLengths) {
                if (at >= 0 ? length == trueLength : length == kAuxBlockLength) continue;
                if (reach(p, length) >= horizon) return false;
            }
        }
        return true;
    }

    bool truthful(const QVector<int> &cuts) const
    {
        for (int i = 0; i < cuts.size(); ++i) {
            const int end = i + 1 < cuts.size() ? cuts[i + 1] : int(m_bytes.size());
            const int length = end - cuts[i];
            if ((length != kLiveFrameLength && length != kParamBlockLength) ||
                firstMismatch(cuts[i], length) < end)
                continue;
            const int at = m_starts.indexOf(cuts[i]);
            if (at < 0 || at + 1 >= m_starts.size() || m_starts[at + 1] != end) return false;
        }
        return true;
    }

private:
    static constexpr int kNever = 1 << 30;
    static constexpr int kLengths[] = {kLiveFrameLength, kParamBlockLength, kAuxBlockLength};

    // Where a frame of `length` at p first disagrees with the bytes (kNever if it does not).
    int firstMismatch(int p, int length) const
    {
        auto mismatch = [&](int i, std::initializer_list<quint8> values) {
            if (p + i >= m_bytes.size()) return false;
            for (quint8 v : values)
                if (quint8(m_bytes.at(p + i)) == v) return false;
            return true;
        };
        if (length == kLiveFrameLength) {
            if (mismatch(0, {kMarker})) return p;
            return mismatch(1, {kChannelId, kTelemetryId}) ? p + 1 : kNever;
        }
        if (length == kParamBlockLength) {
            if (mismatch(0, {kMarker})) return p;
            return mismatch(11, {kMarker}) ? p + 11 : kNever;
        }
        return mismatch(2, {kAuxCode}) ? p + 2 : kNever;
    }

    // How far the bytes let a reading that starts with a frame of `length` at p run unchallenged.
    int reach(int p, int length) const
    {
        const int mismatch = firstMismatch(p, length);
        if (mismatch != kNever) return mismatch;
        return p + length >= m_bytes.size() ? kNever : m_reach[size_t(p + length)];
    }

    const QByteArray &m_bytes;
    const QVector<int> &m_starts;
    std::vector<int> m_reach;
};

} // namespace support
