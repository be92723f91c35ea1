// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/livesample.h"

#include <QtGlobal>

#include <vector>

// The newest samples of one kind of live frame, oldest first: a time and `width` values each, in one
// block of fixed size taken at the first push. A push beyond the capacity drops the oldest sample,
// so the memory never grows while the link streams.
class SampleRing
{
public:
    SampleRing(int width, int capacity) : m_width(width), m_capacity(capacity) {}

    // `values` holds `width` values; each is kept as 0..65535, the range every live field arrives in.
    void push(qint64 atUs, const int *values);
    void clear() { m_head = m_size = 0; }

    int width() const { return m_width; }
    int capacity() const { return m_capacity; }
    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    // Sample i, 0 the oldest.
    qint64 time(int i) const { return m_times[slot(i)]; }
    int value(int i, int k) const { return m_values[size_t(slot(i)) * size_t(m_width) + size_t(k)]; }
    // The first sample at or after `atUs` (size() if none); times never go back.
    int firstAtOrAfter(qint64 atUs) const;
    // The last sample at or before `atUs`, -1 if none.
    int lastAtOrBefore(qint64 atUs) const { return firstAtOrAfter(atUs + 1) - 1; }
    // The bytes it holds once filled.
    static qint64 bytesFor(int width, int capacity) { return qint64(capacity) * (8 + 2 * width); }

private:
    int slot(int i) const { return (m_head + i) % m_capacity; }

    int m_width;
    int m_capacity;
    int m_head = 0; // the oldest sample's slot
    int m_size = 0;
    std::vector<qint64> m_times;
    std::vector<quint16> m_values;
};

// The rings the monitor draws from: channel frames (the eight outputs and the transmitter's voltage)
// and telemetry frames (receiver and external voltage, signal strength), each for kSpanSeconds at
// the most frames the line can carry.
class LiveRings
{
public:
    static constexpr int kSpanSeconds = 60;
    // 115200 baud moves 11520 bytes a second: 576 twenty-byte frames, of either kind.
    static constexpr int kLineFramesPerSecond = 576;
    static constexpr int kCapacity = kSpanSeconds * kLineFramesPerSecond;
    enum ChannelColumn { ChTx = 8, kChannelWidth = 9 };
    enum TelemetryColumn { TelRx = 0, TelExt, TelRssi, kTelemetryWidth };

    void add(const LiveSample &sample);
    void clear();
    const SampleRing &channels() const { return m_channels; }
    const SampleRing &telemetry() const { return m_telemetry; }
    // The newest time either ring holds, 0 when both are empty.
    qint64 newestUs() const;
    static qint64 bytesWhenFull();

private:
    SampleRing m_channels{kChannelWidth, kCapacity};
    SampleRing m_telemetry{kTelemetryWidth, kCapacity};
};
