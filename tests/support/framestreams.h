// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the receiver and emulator tests: what the transmitter's byte stream looks like, the
// chunkings it may arrive in, and comparing what a read carried.

#include "link/blocks.h"
#include "link/streamreceiver.h"
#include "outputpacer.h"

#include <QByteArray>
#include <QVector>

namespace support {

// Whether a and b agree on every setting a read carries: each block re-encoded from both must match
// byte for byte (encoding writes exactly the carried fields), and the three voltages too.
inline bool sameReadSettings(const ParameterSet &a, const ParameterSet &b)
{
    for (quint8 code : paramBlockCodes())
        if (encodeParamBlock(code, a) != encodeParamBlock(code, b)) return false;
    return encodeAuxBlock(a) == encodeAuxBlock(b) && a.Volt == b.Volt && a.rxVolt == b.rxVolt &&
           a.extVolt == b.extVolt;
}

// The chunks the emulator would write for these frames in the given mode, with every hold expired.
inline QVector<QByteArray> chunked(const QVector<QByteArray> &frames, Chunking mode, quint32 seed = 1)
{
    OutputPacer pacer;
    pacer.setMode(mode, seed);
    for (const QByteArray &f : frames) pacer.enqueue(f, 0);
    QVector<QByteArray> chunks;
    constexpr qint64 kLater = OutputPacer::kHoldMs * 1000;
    while (!pacer.isEmpty()) chunks.append(pacer.take(kLater));
    return chunks;
}

// A receiver that has taken a whole live frame, so that it reads the next notification from a
// confirmed boundary (a fresh one trusts little: the port may have opened in mid-frame).
inline StreamReceiver receiverInStep()
{
    StreamReceiver r;
    r.feed(encodeChannelFrame(ParameterSet{}));
    return r;
}

inline QByteArray joined(const QVector<QByteArray> &parts)
{
    QByteArray all;
    for (const QByteArray &p : parts) all.append(p);
    return all;
}

} // namespace support
