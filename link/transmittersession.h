// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linkpump.h"
#include "link/livesample.h"
#include "link/porterrors.h"
#include "link/readanswer.h"
#include "link/readback.h"
#include "link/streamreceiver.h"
#include "link/textframes.h"
#include "params/parameterset.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

// The product's pacing. Tests may shorten it; the transmitter may rely on the product's values.
struct LinkTiming {
    int frameGapMs = kFrameGapMs; // after each text frame, so the transmitter can store it
    int holdOffMs = 200;          // before a command and after "OK": a button's hold-off
};

// How long a read waits for the answer to each "RR".
struct ReadWaits {
    int firstMs = 500;       // after the first "RR"
    int retryMs = 500;       // after each later "RR", which asks for what is still missing
    int graceMs = 300;       // a late answer's extra time before "RR" goes out again
    bool endEarly = false;   // the first wait ends once the answer is in (READ waits it out)
    bool untilTrims = false; // also wait for a telemetry frame after the "RR", which carries the trims
};

// The transmitter at the other end of the serial line, for the window and txconfig-cli alike. It opens
// and closes the link (with "OK" and "DIS"), decodes the live stream into a model, reads the model with
// READ's retries, sends the four text frames paced and checks them by reading back. It owns no widget:
// callers show or print what it reports.
//
// Guarantees:
// - every wait turns a local event loop, so the port, the pump, an in-process emulator and the pilot's
//   clicks carry on; a read ends early once the link is lost or stopRequested holds;
// - bytes go out in the order they were asked for, each read of the line answered by one "WWW";
// - a lost link is reported once by linkLost(), after which the session is closed;
// - parameter blocks reach a set only while a read awaits them.
class TransmitterSession : public QObject
{
    Q_OBJECT

public:
    using Timing = LinkTiming;
    using ReadWaits = ::ReadWaits;

    enum class ReadEnd { Complete, MissingFrames, ConflictingFrames, NoAnswer, Interrupted };

    // What a read-back after a send found.
    struct SendCheck {
        ReadEnd end = ReadEnd::Interrupted;
        ParameterSet held;                      // what the transmitter answered, over a start-up set
        QVector<int> unchecked;                 // frame numbers missing or doubtful, ascending
        QVector<SettingDifference> differences; // settings the transmitter holds otherwise than sent
        bool answered() const { return end != ReadEnd::Interrupted && end != ReadEnd::NoAnswer; }
        bool clean() const { return end == ReadEnd::Complete && differences.isEmpty(); }
    };

    explicit TransmitterSession(QObject *parent = nullptr);
    ~TransmitterSession() override;

    Timing timing;
    // A pending close of the window: long waits end early once it holds.
    std::function<bool()> stopRequested;

    // The set the live values are decoded into, and READ's blocks when it is the read's target.
    void setModel(ParameterSet *model) { m_model = model; }

    // Opens with the transmitter's line settings and says "OK"; false with openFailure() set.
    bool open(const QString &portName);
    // Says "DIS", the last thing on the line, lets it reach the line and closes.
    void close();
    bool isOpen() const { return m_open; }
    QString portName() const { return m_portName; }
    OpenFailure openFailure() const { return m_openFailure; }
    // Why the link was lost, until the next open.
    QString failure() const { return m_failure; }

    // Whether each new read wakes the session's thread soon (within the pump's hand-off interval), as the
    // companion needs; on at start. The window turns it off: its display pass and the Monitor's repaint
    // take the reads on their own timers. A read() takes them itself.
    void setPromptReads(bool on) { m_pump.setAnnouncing(on); }

    // Waits `ms` with the event loop running.
    static void pause(int ms);
    void holdOff() const { pause(timing.holdOffMs); }

    // Asks for the model with "RR" into `target` (again for what is missing) until the answer is
    // complete or the read gives up. answer() then tells what came.
    ReadEnd read(ParameterSet &target, const ReadWaits &waits = {});
    const ReadAnswer &answer() const { return m_answer; }
    // The trims telemetry last reported (during the last read that waited for them).
    std::optional<std::array<int, 4>> liveTrims() const { return m_liveTrims; }

    // Builds the frame from `set` into its buffer, sends it (a closed link sends nothing, but the
    // pacing is kept) and waits the frame gap. Building recomputes the set's raw voltages.
    // `written` runs once the frame is handed to the line, before the gap.
    void sendFrame(TextFrame frame, ParameterSet &set, const std::function<void()> &written = {});
    // "WWW" after the frames: the transmitter stores what it was sent.
    void endSend();
    // The last text built for `frame` (its template before the first build).
    const QString &frameText(TextFrame frame) const { return m_frames[size_t(frame)]; }
    // The four buffers back to back: what SAVE writes.
    QByteArray framesBytes() const;

    // Reads the model back into a scratch set and compares it with what `frames` carried; the trims
    // are compared with telemetry after the send when the I frame went out.
    SendCheck checkSent(const QVector<TextFrame> &frames, const ReadWaits &waits);

    // Decodes what the line has brought since the last take.
    void takeReceived();
    // Frames decoded since start, indexed by FrameKind: a diagnostic count (the soak benchmark's).
    const std::array<quint64, 5> &framesReceived() const { return m_received; }

signals:
    void stateChanged(bool open);
    void linkLost(const QString &reason);
    // After each read of the line has been decoded into the model.
    void readTaken();
    // A parameter block was decoded into the model itself (READ, not a read-back).
    void modelBlockDecoded();
    // How many distinct frame numbers the running read has.
    void readProgress(int received);
    // Every channel and telemetry frame decoded since the last take, in order, each with the live
    // values after it. Gathered only while something listens.
    void liveFrames(const QVector<LiveSample> &samples);

private:
    FrameKind handleFrame(const QByteArray &frame);
    void handleBlock(const QByteArray &frame, int number, bool paramBlock);
    void onPortError(QSerialPort::SerialPortError error);
    void loseLink(const QString &reason);
    void shutDown(bool flushFirst, const QByteArray &lastWords = {});
    bool interrupted() const { return !m_open || (stopRequested && stopRequested()); }

    QSerialPort m_port;
    LinkPump m_pump; // reads and answers the stream, and writes; stops before the port closes
    StreamReceiver m_receiver;
    ReadAnswer m_answer;
    ParameterSet m_ownModel;
    ParameterSet *m_model = &m_ownModel;
    ParameterSet *m_answerTarget = nullptr; // where awaited blocks go; the model when null
    std::optional<std::array<int, 4>> m_liveTrims;
    std::array<QString, 4> m_frames;
    std::array<quint64, 5> m_received = {};
    QVector<LiveSample> m_live; // the take's live frames
    QString m_portName;
    QString m_failure;
    OpenFailure m_openFailure;
    bool m_open = false;
};
