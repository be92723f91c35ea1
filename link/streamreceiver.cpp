// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/streamreceiver.h"

#include "link/blocks.h"
#include "link/framescan.h"

#include <algorithm>

// Words of the rule
//   shape      what a frame may be, by its length and marker bytes (framescan::kShapes):
//                live frame  FE 18|19 ...       20 bytes
//                block       FE .. code .. FE   12 bytes (a code not in the table is still a block)
//                aux block   .. .. AA ...        8 bytes
//   boundary   a place where a frame is believed to start: the end of the frame before it
//   head       a frame's first kHeadLength bytes, enough to tell which shapes it may have; a byte
//              not received yet rules no shape out
//   chain      frames end to end from a place up to the last byte received, every marker agreeing
//   reading    one way to cut the bytes from a boundary into a chain; the first frame is its shape
//   meet again two readings that part at a boundary reach a common boundary later on (a block with
//              byte 1 = 0x18 and an aux block after it are a live frame byte for byte): no byte to
//              come can tell them apart
//   awaited    the frame numbers a read still expects (setAwaited); at most one reading can hold each
//              of them once
//   listed     a block whose code is in the block table
//   whole      a notification that is exactly one frame (the transmitter writes a frame per write)
//   in step    reading from a confirmed boundary; a tentative reading has its frames held back
//   opening tail  the first 19 bytes after opening: they may be the end of a live frame on the line
//
// States: Opening (the first byte is a boundary on trial), Tentative, Confirmed, Searching.
// At a boundary, in Opening, Tentative or Confirmed:
//   row            what is seen                                        what is done
//   openWhole      Opening: a whole live frame, or a whole listed      take it; Confirmed
//                  block whose next head fits
//   openReading    Opening: one reading, first a live frame or a       hold it; Tentative
//                  listed block
//   openWeak       Opening: an aux block or an unlisted block first,   lose the step; Searching
//                  or anything but one reading
//   oneReading     one shape holds, its frame is complete and the      take it (held while Tentative)
//                  notification ends there or the next head fits
//   wait           shapes still apart, or the frame or the next head   wait for more bytes
//                  not complete
//   meetLive       readings meet again, one starts with a live frame   take the live frame (a block's
//                                                                      byte 1 is never 18 or 19)
//   meetAwaited    readings meet again, only one holds the awaited     take its first frame
//                  numbers once each, the aux block at most once
//   meetUnsettled  readings meet again, nothing settles them           drop the bytes up to the meeting
//   farLive        still apart kDecideSpan bytes on, a reading that    take the live frame: it changes
//                  starts with a live frame holds                      no setting
//   farUnsettled   still apart kDecideSpan bytes on, no live reading   lose the step; Searching
//   noReading      no shape holds: the boundary was false              lose the step; Searching
//   wholeRun       the frame runs across three notifications in a row  lose the step at the run;
//                  that are each a whole live frame or listed block    Searching
//   trust          Tentative: a frame that was a whole notification,   hand out the held frames;
//                  or kTrustSpan bytes of frames held                  Confirmed
// An aux block or an unlisted block never opens a reading: the tail of a live frame too often looks
// like one. Losing the step drops a tentative reading's held frames.
// In Searching, from the first place not yet settled (an aux block is never a place: one marker byte
// turns up anywhere):
//   findWhole      a whole live frame or listed block, outside the     take it; Confirmed (what came
//                  opening tail, whose next head fits                  before it is dropped)
//   findChain      a live frame or listed block outside the opening    Tentative from there
//                  tail starts a chain for kDecideSpan bytes, and no
//                  other chain of live frames or blocks runs across it
//                  or starts off it within kDecideSpan bytes either side
//   findNothing    no such place yet                                   keep the bytes from the first
//                                                                      undecided place, less a live
//                                                                      frame; wait

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
    const DecodedFrame id = identifyFrame(frame);
    if (id.kind == FrameKind::ParamBlock || id.kind == FrameKind::AuxBlock) m_awaited &= ~(1u << id.number);
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
    if (sync.at < 0) { // findNothing
        m_searchFrom = sync.resumeAt;
        head = std::min(sync.resumeAt, std::max(head, sync.keepFrom));
        return false;
    }
    head = sync.at;
    // findWhole or findChain
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
        if (whole == Live || (whole == Block && scan.listedAt(head))) { // openWhole
            m_state = State::Confirmed;
            take(m_buffer.mid(head, lengthOf(whole)), out);
            head += lengthOf(whole);
            return true;
        }
    }
    const Reading r = scan.readAt(head);
    if (r.verdict == Verdict::Wait) return false;
    if (r.verdict == Verdict::Skip && m_state != State::Opening) { // meetUnsettled
        head += r.length;
        return true;
    }
    const bool opensBadly =
        m_state == State::Opening && (r.shape == Aux || (r.shape == Block && !scan.listedAt(head)));
    if (r.verdict != Verdict::Take || opensBadly) { // openWeak, noReading, farUnsettled
        loseStep(head);
        return true;
    }
    if (m_state == State::Opening) { // openReading
        m_state = State::Tentative;
        m_tentativeBytes = 0;
    }
    // wholeRun: three notifications in a row that are each one whole frame show where the writes
    // begin; a frame that runs across them was read from a false boundary.
    const int across = scan.wholeRunAcross(head, head + r.length);
    if (across == kUndecided) return false;
    if (across >= 0) {
        loseStep(across);
        return true;
    }
    const bool wholeNotification = r.shape != Aux && scan.notificationFrom(head) == head + r.length;
    take(m_buffer.mid(head, r.length), out);
    head += r.length;
    if (m_state == State::Tentative && (wholeNotification || m_tentativeBytes >= kTrustSpan)) { // trust
        out += m_held;
        m_held.clear();
        m_heldBytes = 0;
        m_state = State::Confirmed;
    }
    return true;
}
