// SPDX-License-Identifier: GPL-3.0-or-later
#include "txemulator.h"

#include "emulatormodel.h"
#include "link/blocks.h"
#include "link/textframes.h"
#include "livesignals.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kDefaultChannelHz = 50;
constexpr int kDefaultTelemetryHz = 10;
constexpr int kDefaultWriteGapMs = 3;

int periodMs(int hz)
{
    return hz > 0 ? std::max(1, 1000 / hz) : 1000;
}

TextFrame frameOf(char lead)
{
    switch (lead) {
    case 'S':
        return TextFrame::S;
    case 'G':
        return TextFrame::G;
    case 'H':
        return TextFrame::H;
    default:
        return TextFrame::I;
    }
}

} // namespace

TxEmulator::TxEmulator(QObject *parent) : QObject(parent), m_model(demoModel())
{
    m_clock.start();
    m_pacing.setTimerType(Qt::PreciseTimer);
    m_pacing.setInterval(kDefaultWriteGapMs);
    m_channelTimer.setTimerType(Qt::PreciseTimer);
    setChannelRate(kDefaultChannelHz);
    m_telemetryTimer.setTimerType(Qt::PreciseTimer);
    m_telemetryTimer.setInterval(periodMs(kDefaultTelemetryHz));
    connect(&m_pacing, &QTimer::timeout, this, &TxEmulator::writeNext);
    connect(&m_channelTimer, &QTimer::timeout, this, &TxEmulator::sendChannelFrame);
    connect(&m_telemetryTimer, &QTimer::timeout, this, &TxEmulator::sendTelemetryFrame);
}

TxEmulator::~TxEmulator()
{
    closeFds();
}

bool TxEmulator::open()
{
    if (isOpen()) return true;
    char name[256] = {};
    // Raw before anyone opens the slave, so that not a byte is echoed or translated.
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B115200);
    cfsetospeed(&raw, B115200);
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        m_master = m_slave = -1;
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    // The slave stays open on our side too: the line then survives the tool closing and reopening
    // its port, and the master never reads the end-of-line error meanwhile.
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TxEmulator::readMaster);
    return true;
}

void TxEmulator::closeFds()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

void TxEmulator::hangUp()
{
    if (!isOpen()) return;
    setStreaming(false);
    m_pacing.stop();
    m_pacer.clear();
    m_unwritten.clear();
    closeFds();
    emit hungUp();
}

void TxEmulator::setModel(const ParameterSet &model)
{
    m_model = withRawVoltages(model);
}

void TxEmulator::setChannelRate(int hz)
{
    m_channelHz = hz > 0 ? hz : 1;
    m_channelTimer.setInterval(periodMs(hz));
}

void TxEmulator::setTelemetryRate(int hz)
{
    m_telemetryTimer.setInterval(periodMs(hz));
}

void TxEmulator::setChunking(Chunking mode, quint32 seed)
{
    m_pacer.setMode(mode, seed);
}

void TxEmulator::readMaster()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            const QByteArray chunk(buf, int(n));
            m_received.append(chunk);
            for (const QByteArray &token : m_splitter.feed(chunk)) handleToken(token);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return;
        // End of line: nobody holds the slave any more. Stop listening rather than spin.
        if (m_notifier) m_notifier->setEnabled(false);
        return;
    }
}

void TxEmulator::handleToken(const QByteArray &token)
{
    const qint64 at = m_clock.elapsed();
    m_tokens.append({token, at});
    emit tokenReceived(token, at);
    if (token == "OK") {
        setStreaming(true);
    } else if (token == "DIS") {
        setStreaming(false);
        // Frames still queued would reach the next one to open the port as stale data.
        m_pacer.clear();
    } else if (token == "RR") {
        if (m_silent) return;
        for (const QByteArray &frame : readAnswer(m_model)) {
            ParameterSet scratch;
            const int number = decodeFrame(frame, scratch).number;
            if (!m_withheld.contains(number) && !m_withheldOnce.contains(number)) send(frame);
        }
        m_withheldOnce.clear();
    } else if (CommandSplitter::kindOf(token) == CommandSplitter::Kind::TextFrame) {
        if (token.at(0) != m_ignoredFrame)
            readFrameFields(frameOf(token.at(0)), QString::fromLatin1(token), 0, m_model);
    }
    // "WWW" and stray bytes are only logged.
}

void TxEmulator::sendUnaskedBlock(int frameNumber, const ParameterSet &values)
{
    for (const QByteArray &frame : readAnswer(withRawVoltages(values))) {
        ParameterSet scratch;
        if (decodeFrame(frame, scratch).number == frameNumber) send(frame);
    }
}

void TxEmulator::setStreaming(bool on)
{
    if (on == isStreaming()) return;
    if (on) {
        m_streamClock.start();
        m_streamChannelFrames = 0;
        m_channelTimer.start();
        if (m_telemetryEvery <= 0) m_telemetryTimer.start();
    } else {
        m_channelTimer.stop();
        m_telemetryTimer.stop();
    }
    emit streamingChanged(on);
}

void TxEmulator::sendChannelFrame()
{
    // Whole milliseconds cannot time 524 frames a second (1000 / 524 is 1), so each tick sends the
    // frames that are due by now: the first at once, then m_channelHz a second on average.
    const qint64 due = m_streamClock.elapsed() * m_channelHz / 1000 + 1;
    while (m_streamChannelFrames < due) {
        sendLive(channelFrameAt(m_model, m_still ? 0 : m_clock.elapsed(), m_still ? 0 : m_channelFrames,
                                m_adversarial));
        ++m_channelFrames;
        ++m_streamChannelFrames;
        if (m_telemetryEvery > 0 && m_streamChannelFrames % m_telemetryEvery == 0) sendTelemetryFrame();
    }
}

void TxEmulator::sendTelemetryFrame()
{
    sendLive(telemetryFrameAt(m_model, m_still ? 0 : m_clock.elapsed(), m_still ? 0 : m_telemetryFrames,
                              m_adversarial));
    ++m_telemetryFrames;
}

void TxEmulator::sendLive(const QByteArray &frame)
{
    if (m_keepLive && isOpen()) m_liveSent.append(frame);
    send(frame);
}

void TxEmulator::send(const QByteArray &frame)
{
    if (!isOpen()) return;
    m_pacer.enqueue(frame, m_clock.elapsed());
    if (m_pacing.isActive()) return;
    m_pacing.start();
    // After a quiet spell the first write need not wait a tick; frames queued one by one must.
    if (m_clock.elapsed() - m_lastWriteMs >= m_pacing.interval()) writeNext();
}

void TxEmulator::writeNext()
{
    if (!isOpen()) {
        m_pacing.stop();
        return;
    }
    if (m_unwritten.isEmpty()) m_unwritten = m_pacer.take(m_clock.elapsed());
    if (!m_unwritten.isEmpty()) {
        const ssize_t n = ::write(m_master, m_unwritten.constData(), size_t(m_unwritten.size()));
        // A full line buffer (nobody reading) takes nothing; try again next tick.
        if (n > 0) {
            m_unwritten.remove(0, int(n));
            m_lastWriteMs = m_clock.elapsed();
            ++m_writes;
        }
    }
    if (m_unwritten.isEmpty() && m_pacer.isEmpty()) m_pacing.stop();
}
