// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transmittersession.h"

#include "link/blocks.h"
#include "link/linklog.h"
#include "link/serialline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaMethod>
#include <QTimer>

#include <utility>

namespace {
// A read looks at what has come this often, without waiting for the pump's next hand-off.
constexpr int kPollMs = 10;
} // namespace

TransmitterSession::TransmitterSession(QObject *parent) : QObject(parent)
{
    for (TextFrame f : kSendOrder) m_frames[size_t(f)] = frameTemplate(f);
    connect(&m_pump, &LinkPump::readyRead, this, &TransmitterSession::takeReceived);
    // The reader thread found the line gone; a report that comes after a close finds no failure.
    connect(&m_pump, &LinkPump::failed, this, [this] {
        const QString reason = m_pump.failure();
        if (!reason.isEmpty()) loseLink(reason);
    });
    connect(&m_port, &QSerialPort::errorOccurred, this, &TransmitterSession::onPortError);
}

TransmitterSession::~TransmitterSession()
{
    // Nothing is said on the way out: the pump stops before the port closes.
    m_pump.stop(false);
}

void TransmitterSession::pause(int ms)
{
    QEventLoop loop;
    // A negative time would start no timer, and the loop would never end: a caller's "what is left of
    // the wait" turns negative when the clock passes its end between the check and the sum.
    QTimer::singleShot(qMax(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

bool TransmitterSession::open(const QString &portName)
{
    m_portName = portName;
    m_port.setPortName(portName);
    applyTransmitterLineSettings(m_port);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_openFailure = openFailureOf(m_port, portName);
        return false;
    }
    m_failure.clear();
    m_receiver.clear();
    m_open = true;
    emit stateChanged(true);
    m_pump.start(m_port);
    m_pump.write("OK");
    return true;
}

void TransmitterSession::close()
{
    if (!m_open) return;
    shutDown(true, "DIS");
}

// Stops the pump first: closing the port would drop what is still queued.
void TransmitterSession::shutDown(bool flushFirst, const QByteArray &lastWords)
{
    m_pump.stop(flushFirst, lastWords);
    // A goodbye of ours: the frames read up to it reach the model and the listeners (a recording). A
    // lost line's last reads are dropped: the window has put the outputs back at centre by then.
    if (flushFirst)
        takeReceived();
    else
        m_pump.take();
    m_port.close();
    m_receiver.clear();
    m_open = false;
    emit stateChanged(false);
}

// A pulled adapter reports ResourceError; a hung-up pseudo-terminal reports ReadError endlessly while
// the port stays open. Either way the link is gone: close once, and stop listening.
void TransmitterSession::onPortError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !m_open) return;
    loseLink(m_port.errorString());
}

void TransmitterSession::loseLink(const QString &reason)
{
    if (!m_open) return;
    qCWarning(lcLink, "Serial port lost: %s", qPrintable(reason));
    // The log keeps the reason as it came; the pump's own words are translated for the pilot, the
    // system's pass through unchanged.
    m_failure = QCoreApplication::translate("LinkErrors", reason.toUtf8().constData());
    shutDown(false); // a vanished port cannot hear a goodbye
    emit linkLost(m_failure);
}

TransmitterSession::ReadEnd TransmitterSession::read(ParameterSet &target, const ReadWaits &waits)
{
    m_answerTarget = &target;
    m_answer.begin();
    if (waits.untilTrims) m_liveTrims.reset(); // only telemetry after the "RR" counts
    auto done = [&] { return m_answer.complete() && (!waits.untilTrims || m_liveTrims.has_value()); };
    // Waits up to `ms`, less once the answer is in (when allowed), the link is gone or a close waits.
    auto waitFor = [&](int ms, bool mayEndEarly) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            takeReceived();
            if (interrupted() || (mayEndEarly && done())) return;
            pause(int(qMin<qint64>(kPollMs, ms - clock.elapsed())));
        }
    };
    for (int ask = 0; ask < ReadAnswer::kAsks; ++ask) {
        if (ask > 0) {
            qCDebug(lcLink, "Read incomplete (%d of %d frames), asking again", m_answer.received(),
                    ReadAnswer::kFrameNumbers);
            m_answer.askAgain();
        }
        m_pump.write("RR");
        waitFor(ask == 0 ? waits.firstMs : waits.retryMs, ask > 0 || waits.endEarly);
        if (done() || interrupted()) break;
        waitFor(waits.graceMs, true);
        if (m_answer.complete() || interrupted()) break;
    }
    m_answer.end();
    m_answerTarget = nullptr;
    if (interrupted()) return ReadEnd::Interrupted;
    if (m_answer.complete()) return ReadEnd::Complete;
    if (m_answer.received() == 0) return ReadEnd::NoAnswer;
    return m_answer.conflicts().isEmpty() ? ReadEnd::MissingFrames : ReadEnd::ConflictingFrames;
}

void TransmitterSession::sendFrame(TextFrame frame, ParameterSet &set, const std::function<void()> &written)
{
    QString &buffer = m_frames[size_t(frame)];
    buffer = buildFrame(frame, set, buffer);
    qCDebug(lcLink, "Str%dBlength:%d", int(frame) + 1, int(buffer.size()));
    // A closed link sends nothing; the buffer is still rebuilt and the pacing still kept.
    if (m_open) {
        m_pump.write(buffer.toLatin1());
        if (written) written();
    }
    pause(timing.frameGapMs);
}

void TransmitterSession::endSend()
{
    if (m_open) m_pump.write("WWW"); // the device may have gone during the waits
}

QByteArray TransmitterSession::framesBytes() const
{
    QString all;
    for (TextFrame f : kSendOrder) all += m_frames[size_t(f)];
    return all.toLatin1();
}

TransmitterSession::SendCheck TransmitterSession::checkSent(const QVector<TextFrame> &frames,
                                                            const ReadWaits &waits)
{
    SendCheck check;
    // A close waiting for the command would only be held up by the check.
    if (interrupted()) return check;
    const bool trimsSent = frames.contains(TextFrame::I);
    check.end = read(check.held, waits);
    if (check.end == ReadEnd::Interrupted) return check;

    // Frames not sent are expected to hold what the transmitter had; the sent ones, what they carried.
    ParameterSet expected = check.held;
    for (TextFrame f : frames) readFrameFields(f, m_frames[size_t(f)], 0, expected);
    check.unchecked = m_answer.lacking();
    QVector<int> arrived;
    for (int n = 1; n <= ReadAnswer::kFrameNumbers; ++n)
        if (!check.unchecked.contains(n)) arrived << n;
    // Without telemetry after the frames the trims go unchecked.
    check.differences = compareReadBack(expected, check.held, arrived,
                                        trimsSent ? m_liveTrims : std::optional<std::array<int, 4>>());
    return check;
}

// The pump has answered each read with its "WWW" already; here every read is taken as it came off
// the line, so the model sees the same steps whether one read or forty wait.
void TransmitterSession::takeReceived()
{
    static const QMetaMethod liveSignal = QMetaMethod::fromSignal(&TransmitterSession::liveFrames);
    const bool gather = isSignalConnected(liveSignal);
    QVector<qint64> readAtUs;
    const QList<QByteArray> reads = m_pump.take(gather ? &readAtUs : nullptr);
    for (int i = 0; i < reads.size(); ++i) {
        m_receiver.setAwaited(m_answer.awaitedNumbers());
        for (const QByteArray &frame : m_receiver.feed(reads[i])) {
            const FrameKind kind = handleFrame(frame);
            if (gather && (kind == FrameKind::Channel || kind == FrameKind::Telemetry))
                m_live.append(liveSampleOf(*m_model, kind, readAtUs.value(i)));
        }
        emit readTaken();
    }
    // Taken out first: a listener's nested event loop may take the next reads meanwhile.
    if (!m_live.isEmpty()) emit liveFrames(std::exchange(m_live, {}));
}

FrameKind TransmitterSession::handleFrame(const QByteArray &frame)
{
    const DecodedFrame id = identifyFrame(frame);
    ++m_received[size_t(id.kind)];
    switch (id.kind) {
    case FrameKind::ParamBlock:
    case FrameKind::AuxBlock:
        handleBlock(frame, id.number, id.kind == FrameKind::ParamBlock);
        return id.kind;
    case FrameKind::Telemetry:
        m_liveTrims = telemetryTrims(frame);
        break;
    default:
        break;
    }
    decodeFrame(frame, *m_model);
    return id.kind;
}

// Blocks come only in answer to "RR": one at any other time is noise that happens to look like a
// block, and must not reach the model (the next WRITE would put it on the transmitter).
void TransmitterSession::handleBlock(const QByteArray &frame, int number, bool paramBlock)
{
    switch (m_answer.offer(frame, number)) {
    case ReadAnswer::Offer::Take:
        break;
    case ReadAnswer::Offer::Unasked:
        qCDebug(lcLink, "Block %d dropped: no read awaits it", number);
        return;
    case ReadAnswer::Offer::Repeat:
        qCDebug(lcLink, "Block %d dropped: the answer already has it", number);
        return;
    case ReadAnswer::Offer::Conflict:
        qCDebug(lcLink, "Block %d dropped: it came again with other values", number);
        return;
    }
    if (number) {
        m_model->ReadFlag = number;
        qCDebug(lcLink, "ReadFlag:%d", m_model->ReadFlag);
    }
    ParameterSet &target = m_answerTarget ? *m_answerTarget : *m_model;
    decodeFrame(frame, target);
    if (number) emit readProgress(m_answer.received());
    // Every tab shows a parameter block at once, known code or not; a read-back leaves the form be.
    if (paramBlock && &target == m_model) emit modelBlockDecoded();
}
