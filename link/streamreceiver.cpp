#include "link/streamreceiver.h"

#include "link/blocks.h"
#include "link/framescan.h"

#include <algorithm>

using namespace framescan;

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
    const FrameKind kind = classifyFrame(frame);
    if (kind == FrameKind::ParamBlock) m_awaited &= ~(1u << paramBlockNumber(quint8(frame.at(2))));
    if (kind == FrameKind::AuxBlock) m_awaited &= ~(1u << kAuxBlockNumber);
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
    Scan scan(m_buffer, m_cuts, m_viable);
    scan.setAwaited(&m_awaited);
    int head = 0;
    while (head < scan.size() &&
           (m_state == State::Searching ? search(scan, head, out) : readNext(scan, head, out))) {
    }
    trim(head);
    return out;
}

bool StreamReceiver::search(const Scan &scan, int &head, QVector<QByteArray> &out)
{
    const Sync sync = findStep(scan, std::max(head, m_searchFrom), m_consumed);
    if (sync.at < 0) {
        m_searchFrom = sync.resumeAt;
        head = std::min(sync.resumeAt, std::max(head, sync.keepFrom));
        return false;
    }
    head = sync.at;
    m_state = sync.whole ? State::Confirmed : State::Tentative;
    m_tentativeBytes = 0;
    if (sync.whole) {
        const int length = lengthOf(scan.wholeFrameAt(head));
        take(m_buffer.mid(head, length), out);
        head += length;
    }
    return true;
}

bool StreamReceiver::readNext(const Scan &scan, int &head, QVector<QByteArray> &out)
{
    if (m_state == State::Opening) {
        const int whole = scan.wholeFrameAt(head);
        if (whole == Block && scan.listedAt(head) && !scan.followed(head, kParamBlockLength)) return false;
        if (whole == Live || (whole == Block && scan.listedAt(head))) {
            m_state = State::Confirmed;
            take(m_buffer.mid(head, lengthOf(whole)), out);
            head += lengthOf(whole);
            return true;
        }
    }
    const Reading r = scan.readAt(head);
    if (r.verdict == Verdict::Wait) return false;
    if (r.verdict == Verdict::Skip && m_state != State::Opening) {
        head += r.length;
        return true;
    }
    const bool opensBadly =
        m_state == State::Opening && (r.shape == Aux || (r.shape == Block && !scan.listedAt(head)));
    if (r.verdict != Verdict::Take || opensBadly) {
        loseStep(head);
        return true;
    }
    if (m_state == State::Opening) {
        m_state = State::Tentative;
        m_tentativeBytes = 0;
    }
    // Three notifications in a row that are each one whole frame show where the writes begin; a frame
    // that runs across them was read from a false boundary (a truncated frame before them).
    const int across = scan.wholeRunAcross(head, head + r.length);
    if (across == kUndecided) return false;
    if (across >= 0) {
        loseStep(across);
        return true;
    }
    const bool wholeNotification = r.shape != Aux && scan.notificationFrom(head) == head + r.length;
    take(m_buffer.mid(head, r.length), out);
    head += r.length;
    if (m_state == State::Tentative && (wholeNotification || m_tentativeBytes >= kTrustSpan)) {
        out += m_held;
        m_held.clear();
        m_heldBytes = 0;
        m_state = State::Confirmed;
    }
    return true;
}
