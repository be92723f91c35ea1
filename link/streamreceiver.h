// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/framescan.h"

#include <QByteArray>
#include <QVector>

#include <vector>

// Reassembles the transmitter's frames from serial notifications of any size (a USB serial link
// splits and merges writes at will). There is no checksum: a frame is known by its length and marker
// bytes alone, and a payload may carry those bytes too. What it guarantees:
//   - every frame handed out is a whole live frame, block or aux block made of bytes that came in that
//     order, and in step it hands out every frame that was sent, in order;
//   - it prefers losing a frame to inventing one: a block or aux block is handed out only where the
//     bytes around it allow no other reading, or where a read's awaited frame numbers settle it;
//   - it may lose the frames around a false start (the port opened mid-frame, bytes dropped on the
//     line, frames that read two ways and never part) and finds the step again within a few frames;
//   - it keeps at most kDecideSpan bytes and a frame or so besides a tentative reading's frames, and
//     never more than kMaxBuffered; each notification costs one pass over the bytes kept.
// The words, the states and the table of transitions are in streamreceiver.cpp.
class StreamReceiver
{
public:
    static constexpr int kMaxBuffered = 4096;
    static constexpr int kDecideSpan = framescan::kDecideSpan;
    // Bytes of frames after which a tentative reading is believed: five live frames, a tenth of a
    // second of the transmitter's stream.
    static constexpr int kTrustSpan = 5 * kLiveFrameLength;

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
