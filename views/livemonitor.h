// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/liverecording.h"
#include "monitor/samplering.h"

#include <QObject>

class TransmitterSession;

// Every live frame of the session, kept in the rings the monitor draws from (whether it is shown or
// not) and written to the recording while one runs. A recording ends with the link.
class LiveMonitor : public QObject
{
    Q_OBJECT

public:
    explicit LiveMonitor(TransmitterSession &session, QObject *parent = nullptr);

    const LiveRings &rings() const { return m_rings; }
    LiveRecording &recording() { return m_recording; }
    // Takes what the line has brought now, so a repaint shows the latest frames: the window takes them
    // only with its display pass, and the reader does not wake it in between.
    void takeNow();
    // Ends a recording with every frame already read from the line in it.
    void finishRecording();

signals:
    // After the rings have taken a batch of frames.
    void framesAdded();

private:
    TransmitterSession &m_session;
    LiveRings m_rings;
    LiveRecording m_recording;
};
