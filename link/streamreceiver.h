#pragma once

#include <QByteArray>
#include <QVector>

// Reassembles the transmitter's frames from serial notifications of any size. A USB serial link
// splits and merges writes at will, so a frame may arrive in pieces or several to a notification.
//
// Pass-through: a chunk that is exactly one frame by classifyFrame() while nothing is buffered is
// returned unchanged (so the handler treats it as it always did, unlisted codes included), unless
// its bytes may as well be the head of a longer frame. Held back are a chunk that starts FE 18 or
// FE 19 but is shorter than 20 bytes (the head of a live frame whose byte 11 or byte 2 happens to
// look like a marker), and an 8-byte chunk FE ?? AA (the first 8 bytes of block 17 look exactly like
// an aux block); both go through the buffer below.
//
// Framing at the head of the buffer, applied until no complete frame is left:
//   FE 18 or FE 19        -> a 20-byte live frame (wait for 20 bytes);
//   FE, byte 2 listed code and byte 11 FE -> a 12-byte parameter block (wait for 12 bytes);
//   byte 2 AA             -> the 8-byte aux block, bytes 0, 1 and 7 unexamined; when byte 0 is FE
//                            it is decided only once 12 bytes are present (it may be block 17);
//   FE, byte 2 neither listed nor AA -> not a frame start;
//   too few bytes to decide -> wait; anything else -> drop one byte and look again.
// Live frames are tried first: byte 1 of a parameter block is not examined, so a transmitter that
// puts 0x18 there would be misread; ours puts the frame number (1..19) there.
class StreamReceiver
{
public:
    // Bytes kept at most while waiting; the oldest go first. Framing never waits on more than a
    // live frame, so this only guards against a rule change that would.
    static constexpr int kMaxBuffered = 4096;

    // The complete frames found, in order.
    QVector<QByteArray> feed(const QByteArray &chunk);

    int buffered() const { return int(m_buffer.size()); }
    void clear() { m_buffer.clear(); }

    // True when `chunk` alone is exactly one frame that cannot be the head of a longer one.
    static bool isWholeFrame(const QByteArray &chunk);

private:
    QByteArray m_buffer;
};
