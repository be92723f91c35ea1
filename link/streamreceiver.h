#pragma once

#include <QByteArray>
#include <QVector>

#include <vector>

namespace framescan {
class Scan;
}

// Reassembles the transmitter's frames from serial notifications of any size. A USB serial link
// splits and merges writes at will, and there is no checksum: a frame is known only by its length and
// marker bytes, and any payload may carry those bytes too.
//   live frame  FE 18|19 ...       20 bytes   two markers
//   block       FE .. code .. FE   12 bytes   markers at 0 and 11 (an unlisted code is still a block)
//   aux block   .. .. AA ...        8 bytes   one marker, at 2
// So a frame is believed only where it starts at a boundary already confirmed (the end of the frame
// before it), or where the bytes around it leave no other reading. Prefer losing a frame to inventing
// one: a wrong block or aux block ends up on the transmitter with the next WRITE.
//
// At a boundary every shape the first bytes allow (a byte not received yet rules nothing out) must go
// on into a chain of frames that holds up to the last byte received. A frame is taken when it is the
// only shape that holds, it is complete, and either the notification ended with it or the next frame's
// head has arrived and fits. Several shapes holding (FE ?? AA: aux block or block 17; FE 18 .. FE at
// 11: live frame or block) wait for the bytes that tell them apart. Readings that meet again (a block
// with byte 1 = 0x18 and an aux block after it are a live frame byte for byte) can never be told
// apart: a live frame among them is taken (a block's byte 1 is its frame number, never 0x18 or 0x19,
// on this transmitter); otherwise the bytes up to where they meet are dropped. Still undecided
// kDecideSpan bytes on, the live frame is taken when a reading that starts with it still holds: it
// changes no setting, and a block read from FE 18 or FE 19 would carry no frame number (a live frame
// followed by a block can read byte for byte as a block and then a live frame, and an aux reading
// beside them can keep the two from ever meeting). Otherwise the boundary is given up. No shape holding means
// the boundary was false (a truncated frame, dropped bytes), and so does a frame that runs across three
// notifications in a row that are each exactly one live frame or listed block (the transmitter writes one
// frame per write): the receiver searches.
//
// After opening, the port may have come up in the middle of a frame, so its first byte is a boundary
// on trial. A first notification that is exactly one live frame is taken at once, one that is exactly
// one listed block once the next frame's head fits. Otherwise a live frame or a listed block there
// starts a tentative reading: its frames are held back until kTrustSpan bytes of frames have followed,
// or one of them was a notification of its own, and are dropped if the reading breaks. An aux block or
// an unlisted code never starts a reading: the tail of a live frame too often looks like one.
//
// Searching (out of step), an aux block is never taken: one marker byte turns up anywhere. The step is
// found again at the first place where
//   - a notification is exactly one live frame or listed block and the next frame's head fits: taken,
//     and the step is confirmed (whatever was buffered before it is dropped); or
//   - a live frame or listed block starts a chain that holds for kDecideSpan bytes, while no other
//     chain of live frames or blocks runs across it or starts off it within kDecideSpan bytes either
//     side: a tentative reading as above.
// A block that would end within the first 19 bytes after opening is not a place to search from: those
// bytes may be the tail of a live frame that was on the line.
//
// Memory: besides a tentative reading's frames, the bytes kept never exceed kDecideSpan and a frame or
// so; kMaxBuffered is a hard bound on top. Each notification costs one pass over the bytes kept.
class StreamReceiver
{
public:
    static constexpr int kMaxBuffered = 4096;
    // How far past a place the bytes are read to settle it: two live frames.
    static constexpr int kDecideSpan = 40;
    // Bytes of frames after which a tentative reading is believed: five live frames, a tenth of a
    // second of the transmitter's stream.
    static constexpr int kTrustSpan = 100;

    // The complete frames found, in order.
    QVector<QByteArray> feed(const QByteArray &chunk);

    // The frame numbers a read still awaits (bit n for number n; 0 outside a read). A block handed
    // out clears its bit.
    void setAwaited(quint32 numbers) { m_awaited = numbers; }

    // Bytes received and not yet handed out, frames held back included.
    int buffered() const { return int(m_buffer.size()) + m_heldBytes; }
    void clear();

private:
    enum class State { Opening, Tentative, Confirmed, Searching };

    // One step in the bytes kept: false when the rest has to wait for more bytes.
    bool search(const framescan::Scan &scan, int &head, QVector<QByteArray> &out);
    bool readNext(const framescan::Scan &scan, int &head, QVector<QByteArray> &out);
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
    quint32 m_awaited = 0;
};
