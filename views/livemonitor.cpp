// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/livemonitor.h"

#include "link/transmittersession.h"

LiveMonitor::LiveMonitor(TransmitterSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    connect(&session, &TransmitterSession::liveFrames, this, [this](const QVector<LiveSample> &samples) {
        for (const LiveSample &s : samples) m_rings.add(s);
        m_recording.add(samples);
        emit framesAdded();
    });
    connect(&session, &TransmitterSession::stateChanged, this, [this](bool open) {
        if (!open) m_recording.stop();
    });
}

void LiveMonitor::takeNow()
{
    m_session.takeReceived();
}

void LiveMonitor::finishRecording()
{
    if (!m_recording.isRecording()) return;
    if (m_session.isOpen()) m_session.takeReceived();
    m_recording.stop();
}
