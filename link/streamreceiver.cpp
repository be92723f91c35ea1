#include "link/streamreceiver.h"

#include "link/blocks.h"

#include <algorithm>

namespace {

enum Shape { Live = 1, Block = 2, Aux = 4 };
constexpr char kEnd = 8; // marks the last byte, where every chain may end
constexpr int kStrong = Live | Block;
// A frame lying inside the tail of a live frame that was on the line when the port opened.
constexpr int kOpeningTail = kLiveFrameLength - 1;

int lengthOf(int shape)
{
    return shape == Live ? kLiveFrameLength : shape == Block ? kParamBlockLength : kAuxBlockLength;
}

enum class Verdict { Wait, Dead, Take, Skip };
constexpr int kUndecided = -2;

struct Reading {
    Verdict verdict = Verdict::Dead;
    int shape = 0;
    int length = 0;
};

// The bytes kept, with which positions can start a chain of frames running to the last byte.
class Scan
{
public:
    Scan(const QByteArray &bytes, const QVector<int> &cuts, std::vector<char> &viable)
        : m_b(reinterpret_cast<const quint8 *>(bytes.constData())), m_n(int(bytes.size())), m_cuts(cuts),
          m_viable(viable)
    {
        // From the last byte back: the shapes at each position whose chain holds to the end.
        m_viable.assign(size_t(m_n) + 1, 0);
        m_viable[size_t(m_n)] = kEnd;
        for (int p = m_n - 1; p >= 0; --p) {
            const int s = shapesAt(p);
            int v = 0;
            for (int shape : {Live, Block, Aux}) {
                const int end = p + lengthOf(shape);
                if ((s & shape) && (end >= m_n || m_viable[size_t(end)])) v |= shape;
            }
            m_viable[size_t(p)] = char(v);
        }
    }

    int size() const { return m_n; }
    const QVector<int> &cuts() const { return m_cuts; }

    // The shapes whose markers agree with the bytes at p; a marker not received yet agrees.
    int shapesAt(int p) const
    {
        int s = 0;
        if (m_b[p] == kMarker) {
            if (p + 1 >= m_n || m_b[p + 1] == kChannelId || m_b[p + 1] == kTelemetryId) s |= Live;
            if (p + kParamBlockLength - 1 >= m_n || m_b[p + kParamBlockLength - 1] == kMarker) s |= Block;
        }
        if (p + 2 >= m_n || m_b[p + 2] == kAuxCode) s |= Aux;
        return s;
    }

    // The shapes at p whose frame is followed by a chain that holds to the last byte.
    int viableShapes(int p) const { return m_viable[size_t(p)] & ~kEnd; }

    // What a boundary at p reads as; `inStep` when p is the end of a frame already taken.
    Reading readAt(int p, bool inStep = false) const
    {
        const int v = viableShapes(p);
        if (v == 0) return {};
        if (v == Live || v == Block || v == Aux) {
            const int end = p + lengthOf(v);
            // One or two bytes past the frame cannot yet tell the next head from garbage.
            if (end > m_n || (end < m_n && end + 3 > m_n)) return {Verdict::Wait, v, 0};
            return {Verdict::Take, v, lengthOf(v)};
        }
        // In step, two notifications in a row that are each one frame of a reading show how it was
        // written.
        const int written = inStep ? writtenAt(p, v) : 0;
        if (written != 0 && writtenAt(p + lengthOf(written), viableShapes(p + lengthOf(written))) != 0)
            return {Verdict::Take, written, lengthOf(written)};
        // Readings that meet again share everything after: no byte to come can tell them apart.
        // (Two readings that part at p meet no sooner than a live frame on: 20 = 12 + 8.)
        const int meet = m_n - p >= kLiveFrameLength ? meetingPoint(p) : -1;
        if (meet > 0) {
            if (liveUpTo(p, meet)) return {Verdict::Take, Live, kLiveFrameLength};
            return {Verdict::Skip, 0, meet - p};
        }
        if (m_n - p < StreamReceiver::kDecideSpan) return {Verdict::Wait, v, 0};
        // Still open: when those bytes read as live frames, the live frame is taken (it changes no
        // setting); a block or an aux block is never guessed at.
        if (liveUpTo(p, p + StreamReceiver::kDecideSpan)) return {Verdict::Take, Live, kLiveFrameLength};
        return {};
    }

    // The first position after p that every reading from p runs through, or -1.
    int meetingPoint(int p) const
    {
        // Readings still apart a frame past kDecideSpan are settled there anyway.
        constexpr int kFar = StreamReceiver::kDecideSpan + kLiveFrameLength;
        const int span = std::min(m_n - p, kFar);
        char reached[kFar + 1] = {1};
        int inside[kFar + 2] = {}; // +1/-1 where frames of the readings open and close
        for (int x = 0; x < span; ++x) {
            if (!reached[x]) continue;
            const int v = viableShapes(p + x);
            for (int shape : {Live, Block, Aux}) {
                if (!(v & shape)) continue;
                const int end = x + lengthOf(shape);
                if (end <= span) reached[end] = 1;
                ++inside[x + 1];
                --inside[std::min(end, span + 1)];
            }
        }
        int depth = 0;
        for (int q = 1; q <= span; ++q) {
            depth += inside[q];
            if (reached[q] && depth == 0) return p + q;
        }
        return -1;
    }

    // The live frame or block among `shapes` that the notification starting at p is exactly, or 0.
    int writtenAt(int p, int shapes) const
    {
        if (p >= m_n) return 0;
        const int length = notificationFrom(p) - p;
        if (length == kLiveFrameLength && (shapes & Live)) return Live;
        if (length == kParamBlockLength && (shapes & Block)) return Block;
        return 0;
    }

    // Whether live frames, one after another, read the bytes from p up to `end` (the last one may
    // run past the bytes received).
    bool liveUpTo(int p, int end) const
    {
        for (; p < end; p += kLiveFrameLength)
            if (!(viableShapes(p) & Live)) return false;
        return p == end || end == m_n;
    }

    // Where the notification holding p ends, if one starts exactly at p; otherwise -1.
    int notificationFrom(int p) const
    {
        const auto it = std::lower_bound(m_cuts.begin(), m_cuts.end(), p);
        if (it == m_cuts.end() || *it != p) return -1;
        return it + 1 == m_cuts.end() ? m_n : *(it + 1);
    }

    // The frame a notification starting at p forms on its own: a live frame (taken as such even
    // when its payload reads otherwise too) or an unambiguous block; 0 if none.
    int wholeFrameAt(int p) const
    {
        const int end = notificationFrom(p);
        if (end < 0) return 0;
        if (end - p == kLiveFrameLength && (shapesAt(p) & Live) && (viableShapes(p) & Live)) return Live;
        const Reading r = readAt(p);
        if (r.verdict == Verdict::Take && r.shape == Block && p + r.length == end) return Block;
        return 0;
    }

    // Whether the head of the next frame has arrived after a frame at p and fits.
    bool followed(int p, int length) const { return p + length + 3 <= m_n && m_viable[size_t(p + length)]; }

    // A notification starting strictly inside [from, to) that is one live frame or listed block,
    // followed by another notification that is one as well: its start, kUndecided while the second
    // has not arrived, or -1.
    int wholeRunAcross(int from, int to) const
    {
        for (auto it = std::upper_bound(m_cuts.begin(), m_cuts.end(), from); it != m_cuts.end() && *it < to;
             ++it) {
            if (!wholeStrongAt(*it)) continue;
            const int next = notificationFrom(*it);
            if (next == m_n) return kUndecided;
            if (wholeStrongAt(next)) return *it;
        }
        return -1;
    }

    bool wholeStrongAt(int p) const
    {
        const int whole = wholeFrameAt(p);
        return whole == Live || (whole == Block && listedAt(p));
    }

    bool listedAt(int p) const { return p + 2 < m_n && paramBlockNumber(m_b[p + 2]) != 0; }

    // Whether p starts the only reading of the bytes around it: no chain that starts with a live
    // frame or block in the kDecideSpan bytes before p runs across p, and none starting in the
    // kDecideSpan bytes after it lies off p's chain.
    bool onePhase(int p) const
    {
        constexpr int kSpan = StreamReceiver::kDecideSpan;
        const int from = std::max(0, p - kSpan);
        char before[kSpan] = {};
        for (int x = from; x < p; ++x) {
            const int v = viableShapes(x);
            if (!before[x - from] && !(v & kStrong)) continue;
            for (int shape : {Live, Block, Aux}) {
                if (!(v & shape)) continue;
                const int next = x + lengthOf(shape);
                if (next > p) return false;
                if (next < p) before[next - from] = 1;
            }
        }
        bool onChain[kSpan] = {true};
        for (int x = p; x < p + kSpan; ++x) {
            if (!onChain[x - p]) continue;
            const int v = viableShapes(x);
            for (int shape : {Live, Block, Aux}) {
                const int next = x + lengthOf(shape);
                if ((v & shape) && next < p + kSpan) onChain[next - p] = true;
            }
        }
        for (int q = p + 1; q < p + kSpan; ++q)
            if (!onChain[q - p] && (viableShapes(q) & kStrong)) return false;
        return true;
    }

private:
    const quint8 *m_b;
    int m_n;
    const QVector<int> &m_cuts;
    std::vector<char> &m_viable;
};

struct Sync {
    int at = -1; // where the step was found, or -1
    bool whole = false;
    int resumeAt = 0; // when not found: the first place still undecided
    int keepFrom = 0; // ... and the first byte kept to judge it by
};

// The first place at or after `from` where the step can be found again.
Sync findStep(const Scan &scan, int from, qint64 consumed)
{
    const int n = scan.size();
    int pending = -1;
    auto cut = std::lower_bound(scan.cuts().begin(), scan.cuts().end(), from);
    for (int p = from; p < n; ++p) {
        if (!(scan.viableShapes(p) & kStrong)) continue;
        const qint64 streamPos = consumed + p;
        const bool inOpeningTail = streamPos > 0 && streamPos + kParamBlockLength <= kOpeningTail;
        while (cut != scan.cuts().end() && *cut < p) ++cut;
        const int whole = cut != scan.cuts().end() && *cut == p ? scan.wholeFrameAt(p) : 0;
        if (whole == Live || (whole == Block && scan.listedAt(p) && !inOpeningTail)) {
            if (scan.followed(p, lengthOf(whole))) return {p, true, p};
            if (pending < 0) pending = p;
            continue;
        }
        const Reading r = scan.readAt(p);
        if (r.verdict == Verdict::Wait) {
            if (pending < 0) pending = p;
            continue;
        }
        if (r.verdict != Verdict::Take || r.shape == Aux) continue;
        if (r.shape == Block && (!scan.listedAt(p) || inOpeningTail)) continue;
        if (n - p < StreamReceiver::kDecideSpan) {
            if (pending < 0) pending = p;
            continue;
        }
        if (pending < 0 && scan.onePhase(p)) return {p, false, p};
    }
    // Places before the first undecided one are settled; bytes are kept as far back as a live frame
    // could reach across it, so that it is judged again with what came before.
    if (pending < 0) return {-1, false, n, n};
    return {-1, false, pending, std::max(0, pending - kLiveFrameLength + 1)};
}

} // namespace

void StreamReceiver::clear()
{
    m_buffer.clear();
    m_cuts.clear();
    m_consumed = 0;
    m_state = State::Opening;
    m_held.clear();
    m_heldBytes = 0;
    m_tentativeBytes = 0;
    m_searchFrom = 0;
}

void StreamReceiver::loseStep(int at)
{
    m_state = State::Searching;
    m_searchFrom = at;
    m_held.clear();
    m_heldBytes = 0;
}

void StreamReceiver::take(const QByteArray &frame, QVector<QByteArray> &out)
{
    if (m_state != State::Tentative) {
        out.append(frame);
        return;
    }
    m_held.append(frame);
    m_heldBytes += int(frame.size());
    m_tentativeBytes += int(frame.size());
}

void StreamReceiver::trim(int head)
{
    m_buffer.remove(0, head);
    m_consumed += head;
    m_searchFrom = std::max(0, m_searchFrom - head);
    m_cuts.erase(std::remove_if(m_cuts.begin(), m_cuts.end(), [head](int c) { return c < head; }),
                 m_cuts.end());
    for (int &c : m_cuts) c -= head;
    if (m_buffer.size() > kMaxBuffered) {
        // Only a rule change could get here; drop the oldest bytes rather than grow.
        trim(int(m_buffer.size()) - kMaxBuffered);
        loseStep(0);
    }
}

QVector<QByteArray> StreamReceiver::feed(const QByteArray &chunk)
{
    QVector<QByteArray> out;
    if (chunk.isEmpty()) return out;
    m_cuts.append(int(m_buffer.size()));
    m_buffer.append(chunk);
    const Scan scan(m_buffer, m_cuts, m_viable);
    const int n = scan.size();
    auto frameAt = [&](int p, int length) { return m_buffer.mid(p, length); };

    int head = 0;
    while (head < n) {
        if (m_state == State::Searching) {
            const Sync sync = findStep(scan, std::max(head, m_searchFrom), m_consumed);
            if (sync.at < 0) {
                m_searchFrom = sync.resumeAt;
                head = std::min(sync.resumeAt, std::max(head, sync.keepFrom));
                break;
            }
            head = sync.at;
            m_state = sync.whole ? State::Confirmed : State::Tentative;
            m_tentativeBytes = 0;
            if (sync.whole) {
                const int length = lengthOf(scan.wholeFrameAt(head));
                take(frameAt(head, length), out);
                head += length;
            }
            continue;
        }

        if (m_state == State::Opening) {
            const int whole = scan.wholeFrameAt(head);
            if (whole == Block && scan.listedAt(head) && !scan.followed(head, kParamBlockLength)) break;
            if (whole == Live || (whole == Block && scan.listedAt(head))) {
                m_state = State::Confirmed;
                take(frameAt(head, lengthOf(whole)), out);
                head += lengthOf(whole);
                continue;
            }
        }
        const Reading r = scan.readAt(head, m_state != State::Opening);
        if (r.verdict == Verdict::Wait) break;
        if (r.verdict == Verdict::Dead || (r.verdict == Verdict::Skip && m_state == State::Opening)) {
            loseStep(head);
            continue;
        }
        if (r.verdict == Verdict::Skip) {
            head += r.length;
            continue;
        }
        if (m_state == State::Opening) {
            if (r.shape == Aux || (r.shape == Block && !scan.listedAt(head))) {
                loseStep(head);
                continue;
            }
            m_state = State::Tentative;
            m_tentativeBytes = 0;
        }
        // Two notifications in a row that are each one whole frame show where the writes begin; a
        // frame that runs across them was read from a false boundary (a truncated frame before them).
        const int across = scan.wholeRunAcross(head, head + r.length);
        if (across == kUndecided) break;
        if (across >= 0) {
            loseStep(across);
            continue;
        }
        const bool wholeNotification = r.shape != Aux && scan.notificationFrom(head) == head + r.length;
        take(frameAt(head, r.length), out);
        head += r.length;
        if (m_state == State::Tentative && (wholeNotification || m_tentativeBytes >= kTrustSpan)) {
            out += m_held;
            m_held.clear();
            m_heldBytes = 0;
            m_state = State::Confirmed;
        }
    }
    trim(head);
    return out;
}
