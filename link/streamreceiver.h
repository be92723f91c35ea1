#pragma once

#include <QByteArray>
#include <QVector>

#include <vector>

// Reassembles the transmitter's frames from serial notifications of any size. A USB serial link
// splits and merges writes at will, and there is no checksum: a frame is known only by its length and
// marker bytes, and any payload may carry those bytes too. So a frame is believed only where it starts
// at a boundary already confirmed, or where the bytes around it leave no other reading:
//   live frame  FE 18|19 ...       20 bytes   two markers
//   block       FE .. code .. FE   12 bytes   markers at 0 and 11 (an unlisted code is still a block)
//   aux block   .. .. AA ...        8 bytes   one marker, at 2
//
// Reading at a boundary. Each shape the first bytes allow (a byte not yet received rules nothing
// out) must continue into a chain of frames that holds up to the last byte received. A frame is
// taken when it is the only shape that holds, it is complete, and either the notification ended
// with it or the next frame's head has arrived and fits. Several shapes holding (FE ?? AA is an aux
// block or block 17; FE 18 .. FE at 11 a live frame or a block) wait for the bytes that tell them
// apart; still undecided kDecideSpan bytes on, a live frame is taken if it is one of them (it changes
// no setting), otherwise the boundary is given up. No shape holding means the boundary was false (a
// truncated frame, dropped bytes): the receiver searches.
//
// After opening, the port may have come up in the middle of a frame. Its first byte is a boundary
// on trial: a notification that is exactly one live frame or block is taken at once (the transmitter
// writes one frame per write); otherwise a live frame or a block with a listed code starts a tentative
// reading, whose frames are held back until kTrustSpan bytes of frames have followed without a break,
// or one of them was a notification of its own. A tentative reading is dropped, with what it holds,
// when its chain breaks or when it runs through two notifications that were each exactly one live
// frame or block. An aux block or an unlisted code never starts a reading: the tail of a live frame
// too often looks like one.
//
// Searching (out of step). An aux block is never taken: one marker byte is found in any stream.
// The step is found again at the first place where either
//   - a notification is exactly one live frame or block with a listed code: taken, and the step is
//     confirmed (junk buffered before it is dropped), or
//   - a live frame or a listed block starts a chain that holds for kDecideSpan bytes while no other
//     chain of live frames or blocks does over those bytes: a tentative reading as above.
// A block that would end within the first 19 bytes after opening is not believed unless it starts at
// the first byte: those bytes may be the tail of a live frame that was on the line.
//
// Memory: undecided bytes never exceed about kDecideSpan plus a frame; kMaxBuffered is a hard
// bound. Each notification costs one pass over the bytes kept, never a copy per byte.
class StreamReceiver
{
public:
    static constexpr int kMaxBuffered = 4096;
    static constexpr int kDecideSpan = 40;
    static constexpr int kTrustSpan = 100;

    // The complete frames found, in order.
    QVector<QByteArray> feed(const QByteArray &chunk);

    // Bytes received and not yet handed out, frames held back included.
    int buffered() const { return int(m_buffer.size()) + m_heldBytes; }
    void clear();

private:
    enum class State { Opening, Tentative, Confirmed, Searching };

    void take(const QByteArray &frame, QVector<QByteArray> &out);
    void loseStep(int at);
    void trim(int head);

    QByteArray m_buffer;
    QVector<int> m_cuts;   // where each notification kept in m_buffer started
    qint64 m_consumed = 0; // bytes dropped or handed out since clear()
    State m_state = State::Opening;
    QVector<QByteArray> m_held;
    int m_heldBytes = 0;
    int m_tentativeBytes = 0;
    int m_searchFrom = 0;       // where searching goes on: places before it were settled
    std::vector<char> m_viable; // scratch, reused between notifications
};
