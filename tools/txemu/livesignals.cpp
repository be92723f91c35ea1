// SPDX-License-Identifier: GPL-3.0-or-later
#include "livesignals.h"

#include "link/blocks.h"

#include <cmath>

namespace {

// 16-bit values whose bytes look like frame starts or markers, in either byte.
constexpr int kHostileWords[] = {0xFEAA, 0x18FE, 0xAAFE, 0xFE18, 0x19FE, 0xFE19, 0xFEFE, 0xAAAA, 0x18AA};
constexpr int kHostileWordCount = int(sizeof kHostileWords / sizeof kHostileWords[0]);
constexpr quint8 kHostileBytes[] = {0xFE, 0xAA, 0x18, 0x19};

int hostileWord(int i)
{
    return kHostileWords[i % kHostileWordCount];
}
char hostileByte(int i)
{
    return char(kHostileBytes[i % 4]);
}

} // namespace

QByteArray channelFrameAt(const ParameterSet &model, qint64 ms, int sequence, bool adversarial)
{
    ParameterSet live = model;
    const double t = ms / 1000.0;
    for (int i = 0; i < 8; ++i) {
        const double phase = 2.0 * M_PI * (0.2 + 0.07 * i) * t + i;
        live.*fields::servoOut[i] =
            adversarial ? hostileWord(sequence + i) : 1000 + int(std::lround(450 * std::sin(phase)));
    }
    live.txVoltage = adversarial ? hostileWord(sequence + 8) : 820 - int(ms / 10000 % 60);
    return encodeChannelFrame(live);
}

QByteArray telemetryFrameAt(const ParameterSet &model, qint64 ms, int sequence, bool adversarial)
{
    ParameterSet live = model;
    const double t = ms / 1000.0;
    if (!adversarial) {
        live.rssiRaw = 70 + int(std::lround(8 * std::sin(0.5 * t)));
        live.rxVoltage = 50 + (sequence / 7) % 3;
        live.extVoltage = 111 + int(std::lround(2 * std::sin(0.3 * t)));
        return encodeTelemetryFrame(live);
    }
    live.rssiRaw = quint8(hostileByte(sequence));
    live.rxVoltage = quint8(hostileByte(sequence + 1));
    live.extVoltage = hostileWord(sequence);
    for (int i = 0; i < 4; ++i) live.*fields::StkTrim[i] = quint8(hostileByte(sequence + i));
    QByteArray frame = encodeTelemetryFrame(live);
    // The two unused values and the unused tail get marker bytes too.
    for (int i = 6; i < 10; ++i) frame[i] = hostileByte(sequence + i);
    for (int i = 14; i < kLiveFrameLength; ++i) frame[i] = hostileByte(sequence + i);
    return frame;
}
