// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandsplitter.h"
#include "outputpacer.h"
#include "params/parameterset.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVector>

class QSocketNotifier;

// An emulated transmitter at the far end of a pseudo-terminal. The tool (or a test) opens
// slavePath() as it would open a USB serial port; the emulator answers "RR" with the model's blocks,
// streams live frames between "OK" and "DIS", and takes the S, G, H and I frames into its model.
class TxEmulator : public QObject
{
    Q_OBJECT
public:
    struct Received {
        QByteArray token;
        qint64 atMs; // since the emulator was created
    };

    explicit TxEmulator(QObject *parent = nullptr);
    ~TxEmulator() override;

    // Creates the pseudo-terminal pair. False, with errorString(), when the system refuses.
    bool open();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }
    // Closes the master side as a pulled cable would; the tool's port sees the line go away.
    void hangUp();

    const ParameterSet &model() const { return m_model; }
    void setModel(const ParameterSet &model);

    // Channel frames per second; rates above a few hundred are kept on average, not by the tick.
    void setChannelRate(int hz);
    void setTelemetryRate(int hz);
    // A telemetry frame after every nth channel frame instead of at its own rate (0: its own rate).
    void setTelemetryEvery(int n) { m_telemetryEvery = n; }
    void setChunking(Chunking mode, quint32 seed = 1);
    void setAdversarial(bool on) { m_adversarial = on; }
    // The sticks and telemetry held still: every live frame carries the same values.
    void setStill(bool on) { m_still = on; }
    // Frame numbers (1..19) left out of the answer to "RR", as a transmitter that drops blocks would.
    void setWithheld(const QSet<int> &frameNumbers) { m_withheld = frameNumbers; }
    // ... left out of the first answer only: a block lost once on the line.
    void setWithheldOnce(const QSet<int> &frameNumbers) { m_withheldOnce = frameNumbers; }
    // Never answers "RR", as a transmitter in a menu or of another make.
    void setSilent(bool on) { m_silent = on; }
    // Takes this text frame (lead letter S, G, H or I) in but does not store it: a frame lost on the
    // way in. 0: every frame is stored.
    void setIgnoredFrame(char lead) { m_ignoredFrame = lead; }
    // Sends the block of this frame number (1..19, 7 the aux block) with `values`, unasked.
    void sendUnaskedBlock(int frameNumber, const ParameterSet &values);
    // Milliseconds between two writes.
    void setWriteGap(int ms) { m_pacing.setInterval(ms); }
    bool isStreaming() const { return m_channelTimer.isActive(); }
    // Stops the live frames as "DIS" does, but lets the frames already queued go out.
    void stopStreaming() { setStreaming(false); }
    // True while frames wait to be written.
    bool hasPendingOutput() const { return !m_pacer.isEmpty() || !m_unwritten.isEmpty(); }

    // Everything received, as it came, and the tokens found in it with their arrival times.
    QByteArray receivedBytes() const { return m_received; }
    QVector<Received> receivedTokens() const { return m_tokens; }
    int writesMade() const { return m_writes; }
    int channelFramesSent() const { return m_channelFrames; }
    // Keeps every live frame from now on, in the order sent: a test's record of the stream.
    void keepLiveFrames() { m_keepLive = true; }
    const QVector<QByteArray> &liveFramesSent() const { return m_liveSent; }
    int telemetryFramesSent() const { return m_telemetryFrames; }
    qint64 elapsedMs() const { return m_clock.elapsed(); }

signals:
    void tokenReceived(const QByteArray &token, qint64 atMs);
    void streamingChanged(bool on);
    void hungUp();

private:
    void readMaster();
    void handleToken(const QByteArray &token);
    void send(const QByteArray &frame);
    void sendLive(const QByteArray &frame);
    void writeNext();
    void sendChannelFrame();
    void sendTelemetryFrame();
    void setStreaming(bool on);
    void closeFds();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;

    ParameterSet m_model;
    bool m_adversarial = false;
    QSet<int> m_withheld;
    QSet<int> m_withheldOnce;
    bool m_silent = false;
    char m_ignoredFrame = 0;
    CommandSplitter m_splitter;
    OutputPacer m_pacer;
    QByteArray m_unwritten; // the rest of a write the pty did not take at once
    QTimer m_pacing;
    QTimer m_channelTimer;
    QTimer m_telemetryTimer;
    QElapsedTimer m_clock;
    QElapsedTimer m_streamClock; // since the stream started, for the channel frames due
    int m_channelHz = 0;
    int m_telemetryEvery = 0;
    qint64 m_streamChannelFrames = 0;

    QByteArray m_received;
    QVector<Received> m_tokens;
    qint64 m_lastWriteMs = -1000;
    int m_writes = 0;
    int m_channelFrames = 0;
    int m_telemetryFrames = 0;
    bool m_keepLive = false;
    bool m_still = false;
    QVector<QByteArray> m_liveSent;
};
