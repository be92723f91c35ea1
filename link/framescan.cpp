// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/framescan.h"

#include "link/blocks.h"

#include <algorithm>
#include <functional>

namespace framescan {

namespace {

// A frame lying inside the tail of a live frame that was on the line when the port opened.
constexpr int kOpeningTail = kLiveFrameLength - 1;

} // namespace

Scan::Scan(const QByteArray &bytes, const QVector<int> &cuts, std::vector<char> &viable)
    : m_b(reinterpret_cast<const quint8 *>(bytes.constData())), m_n(int(bytes.size())), m_cuts(cuts),
      m_viable(viable)
{
    // From the last byte back: the shapes at each position whose chain holds to the end.
    m_viable.assign(size_t(m_n) + 1, 0);
    m_viable[size_t(m_n)] = kEnd;
    for (int p = m_n - 1; p >= 0; --p) {
        const int s = shapesAt(p);
        int v = 0;
        for (const ShapeRow &row : kShapes) {
            const int end = p + row.length;
            if ((s & row.shape) && (end >= m_n || m_viable[size_t(end)])) v |= row.shape;
        }
        m_viable[size_t(p)] = char(v);
    }
}

int Scan::shapesAt(int p) const
{
    int s = 0;
    for (const ShapeRow &row : kShapes) {
        bool agrees = true;
        for (int i = 0; agrees && i < row.markerCount; ++i) {
            const Marker &m = row.markers[i];
            const int at = p + m.offset;
            agrees = at >= m_n || m_b[at] == m.value || m_b[at] == m.orValue;
        }
        if (agrees) s |= row.shape;
    }
    return s;
}

// The rows of the receiver's table that a boundary at p falls under.
Reading Scan::readAt(int p) const
{
    const int v = viableShapes(p);
    if (v == 0) return {}; // noReading
    if (v == Live || v == Block || v == Aux) {
        const int end = p + lengthOf(v);
        if (end > m_n || (end < m_n && end + kHeadLength > m_n)) return {Verdict::Wait, v, 0};
        return {Verdict::Take, v, lengthOf(v)}; // oneReading
    }
    // (Two readings that part at p meet no sooner than a live frame on: 20 = 12 + 8.)
    const int meet = m_n - p >= kLiveFrameLength ? meetingPoint(p) : -1;
    if (meet > 0) {
        if (v & Live) return {Verdict::Take, Live, kLiveFrameLength}; // meetLive
        if (const int first = awaitedReading(p, meet)) return {Verdict::Take, first, lengthOf(first)};
        return {Verdict::Skip, 0, meet - p}; // meetUnsettled
    }
    if (m_n - p < kDecideSpan) return {Verdict::Wait, v, 0};
    if (v & Live) return {Verdict::Take, Live, kLiveFrameLength}; // farLive
    return {};                                                    // farUnsettled
}

int Scan::meetingPoint(int p) const
{
    // Readings still apart a frame past kDecideSpan are settled there anyway.
    constexpr int kFar = kDecideSpan + kLiveFrameLength;
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

int Scan::awaitedReading(int p, int meet) const
{
    if (!m_awaited || *m_awaited == 0) return 0;
    int agreed = 0;
    bool disagree = false;
    // Depth-first over the readings; they are few, as they span at most kDecideSpan and a frame.
    std::function<void(int, quint32, int)> walk = [&](int at, quint32 used, int first) {
        if (disagree) return;
        if (at == meet) {
            if (agreed && agreed != first) disagree = true;
            agreed = first;
            return;
        }
        const int v = viableShapes(at);
        for (int shape : {Live, Block, Aux}) {
            if (!(v & shape) || at + lengthOf(shape) > meet) continue;
            int number = 0;
            if (shape == Block) number = listedAt(at) ? paramBlockNumber(m_b[at + kBlockCodeOffset]) : -1;
            if (shape == Aux) number = kAuxBlockNumber;
            if (number < 0) continue;
            const quint32 bit = number ? 1u << number : 0;
            if (bit && (!(*m_awaited & bit) || (used & bit))) continue;
            walk(at + lengthOf(shape), used | bit, first ? first : shape);
        }
    };
    walk(p, 0, 0);
    return disagree ? 0 : agreed;
}

int Scan::notificationFrom(int p) const
{
    const auto it = std::lower_bound(m_cuts.begin(), m_cuts.end(), p);
    if (it == m_cuts.end() || *it != p) return -1;
    return it + 1 == m_cuts.end() ? m_n : *(it + 1);
}

int Scan::wholeFrameAt(int p) const
{
    const int end = notificationFrom(p);
    if (end < 0) return 0;
    if (end - p == kLiveFrameLength && (viableShapes(p) & Live)) return Live;
    const Reading r = readAt(p);
    if (r.verdict == Verdict::Take && r.shape == Block && p + r.length == end) return Block;
    return 0;
}

int Scan::wholeRunAcross(int from, int to) const
{
    constexpr int kRun = 3;
    for (auto it = std::upper_bound(m_cuts.begin(), m_cuts.end(), from); it != m_cuts.end() && *it < to;
         ++it) {
        int at = *it, run = 0;
        while (run < kRun && at < m_n && wholeStrongAt(at)) {
            at = notificationFrom(at);
            ++run;
        }
        if (run == kRun) return *it;
        if (at == m_n && run > 0) return kUndecided;
    }
    return -1;
}

bool Scan::wholeStrongAt(int p) const
{
    const int whole = wholeFrameAt(p);
    return whole == Live || (whole == Block && listedAt(p));
}

bool Scan::onePhase(int p) const
{
    constexpr int kSpan = kDecideSpan;
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

bool Scan::listedAt(int p) const
{
    return p + kBlockCodeOffset < m_n && paramBlockNumber(m_b[p + kBlockCodeOffset]) != 0;
}

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
            if (scan.followed(p, lengthOf(whole))) return {p, true, p}; // findWhole
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
        if (n - p < kDecideSpan) {
            if (pending < 0) pending = p;
            continue;
        }
        if (pending < 0 && scan.onePhase(p)) return {p, false, p}; // findChain
    }
    // Places before the first undecided one are settled; bytes are kept as far back as a live frame
    // could reach across it, so that it is judged again with what came before.
    if (pending < 0) return {-1, false, n, n};
    return {-1, false, pending, std::max(0, pending - kLiveFrameLength + 1)};
}

} // namespace framescan
