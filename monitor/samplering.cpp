// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/samplering.h"

#include <algorithm>

// add() hands each ring a run of values in LiveValue's order.
static_assert(LiveTxVolts == LiveCh1 + 8 && LiveRssi == LiveRxVolts + 2);

void SampleRing::push(qint64 atUs, const int *values)
{
    // Taken at the first sample: a program that never streams never pays for its rings.
    if (m_times.empty()) {
        m_times.resize(size_t(m_capacity));
        m_values.resize(size_t(m_capacity) * size_t(m_width));
    }
    int at;
    if (m_size < m_capacity) {
        at = slot(m_size++);
    } else {
        at = m_head;
        m_head = (m_head + 1) % m_capacity;
    }
    m_times[size_t(at)] = atUs;
    quint16 *row = &m_values[size_t(at) * size_t(m_width)];
    for (int k = 0; k < m_width; ++k) row[k] = quint16(std::clamp(values[k], 0, 65535));
}

int SampleRing::firstAtOrAfter(qint64 atUs) const
{
    int low = 0, high = m_size;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (time(mid) < atUs)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

void LiveRings::add(const LiveSample &s)
{
    if (s.kind == FrameKind::Channel) {
        m_channels.push(s.atUs, &s.values[LiveCh1]); // the outputs, then the transmitter's voltage
    } else if (s.kind == FrameKind::Telemetry) {
        m_telemetry.push(s.atUs, &s.values[LiveRxVolts]); // receiver, external, signal strength
    }
}

void LiveRings::clear()
{
    m_channels.clear();
    m_telemetry.clear();
}

qint64 LiveRings::newestUs() const
{
    qint64 newest = 0;
    if (!m_channels.isEmpty()) newest = m_channels.time(m_channels.size() - 1);
    if (!m_telemetry.isEmpty()) newest = std::max(newest, m_telemetry.time(m_telemetry.size() - 1));
    return newest;
}

qint64 LiveRings::bytesWhenFull()
{
    return SampleRing::bytesFor(kChannelWidth, kCapacity) + SampleRing::bytesFor(kTelemetryWidth, kCapacity);
}
