// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/linkpump.h"

#include <QSerialPort>
#include <QSocketNotifier>

#include <algorithm>
#include <chrono>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

// Why a thread: the transmitter streams up to 576 frames a second, each wanting its "WWW". Taken on
// the window's thread, every frame costs a turn of Qt's event loop (the glib dispatch, the socket
// notifier, the slot), and that was well over half the program's CPU while streaming. The reader does
// what any program must (poll, read, write) and wakes the window only every kHandOffMs; the window's
// 100 ms display pass also takes what has come, so the live values it shows are as fresh as before.
//
// Qt's own reader on the descriptor is switched off first, or two readers would split the stream
// between them. QSerialPort keeps the rest: opening, locking, line settings, closing.

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kFlushWait = std::chrono::milliseconds(250);
const QByteArray kAnswer = QByteArrayLiteral("WWW");

#ifdef Q_OS_UNIX
// Stays English here, for the log; the session translates it where the pilot reads it.
constexpr char kHungUp[] = QT_TRANSLATE_NOOP("LinkErrors", "the device hung up");

// The notifier through which QSerialPort reads the port; null if this Qt has none we can see.
QSocketNotifier *qtReader(QSerialPort &port)
{
    for (QSocketNotifier *n : port.findChildren<QSocketNotifier *>()) {
        if (n->isEnabled() && n->type() == QSocketNotifier::Read && n->socket() == port.handle()) return n;
    }
    return nullptr;
}

bool makeWakePipe(int (&ends)[2])
{
    if (ends[0] >= 0) return true;
    if (::pipe(ends) != 0) return false;
    for (int fd : ends) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    return true;
}

int millisecondsUntil(Clock::time_point t)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(t - Clock::now()).count();
    return int(std::max<decltype(left)>(0, left));
}
#endif
} // namespace

LinkPump::LinkPump(QObject *parent) : QObject(parent) {}

LinkPump::~LinkPump()
{
    stop(false);
#ifdef Q_OS_UNIX
    for (int fd : m_wake)
        if (fd >= 0) ::close(fd);
#endif
}

LinkPump::Mode LinkPump::start(QSerialPort &port, Mode wanted)
{
    stop(false);
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_in.clear();
        m_inAtUs.clear();
    }
    m_port = &port;
#ifdef Q_OS_UNIX
    if (wanted == Mode::Thread) {
        QSocketNotifier *qt = qtReader(port);
        if (qt && makeWakePipe(m_wake)) {
            qt->setEnabled(false);
            m_fd = port.handle();
            m_mode = Mode::Thread;
            m_out.reserve(256); // see writeQueued()
            m_reader = std::thread(&LinkPump::run, this);
            return m_mode;
        }
    }
#else
    Q_UNUSED(wanted)
#endif
    m_mode = Mode::EventLoop;
    m_readConnection = connect(&port, &QSerialPort::readyRead, this, [this] {
        const QByteArray chunk = m_port->read(m_port->bytesAvailable());
        if (chunk.isEmpty()) return;
        {
            const std::lock_guard<std::mutex> hold(m_lock);
            m_in.append(chunk);
            m_inAtUs.append(lineClockUs());
        }
        m_port->write("WWW");
        emit readyRead();
    });
    return m_mode;
}

void LinkPump::stop(bool flushFirst, const QByteArray &lastWords)
{
    if (!m_port) return;
    if (m_mode == Mode::Thread) {
        {
            const std::lock_guard<std::mutex> hold(m_lock);
            m_stopping = true; // from here on a read is not answered: nothing may follow the last words
            if (!flushFirst) m_out.clear();
            m_out.append(lastWords);
        }
        wakeReader();
        m_reader.join();
        m_fd = -1;
    } else {
        disconnect(m_readConnection);
        m_port->write(lastWords);
        if (flushFirst) m_port->flush();
    }
    // What was read stays until taken: the last frames before a goodbye are the pilot's too.
    const std::lock_guard<std::mutex> hold(m_lock);
    m_out.clear();
    m_failure.clear();
    m_stopping = false;
    m_handOffPending = false;
    m_port = nullptr;
}

void LinkPump::write(const QByteArray &bytes)
{
    if (!m_port) return;
    if (m_mode == Mode::EventLoop) {
        m_port->write(bytes);
        return;
    }
    // Straight onto the line when it takes them, as QSerialPort would only after another turn of the
    // event loop; the reader writes whatever is left once the line has room, and finds a dead line.
    bool left = false;
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_out.append(bytes);
        left = writeQueued() != 0 || !m_out.isEmpty();
    }
    if (left) wakeReader();
}

QList<QByteArray> LinkPump::take(QVector<qint64> *readAtUs)
{
    const std::lock_guard<std::mutex> hold(m_lock);
    m_handOffPending = false;
    if (readAtUs)
        *readAtUs = std::exchange(m_inAtUs, {});
    else
        m_inAtUs.resize(0);
    return std::exchange(m_in, {});
}

qint64 LinkPump::lineClockUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

QString LinkPump::failure() const
{
    const std::lock_guard<std::mutex> hold(m_lock);
    return m_failure;
}

void LinkPump::fail(const QString &reason)
{
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_failure = reason;
    }
    emit failed();
}

void LinkPump::wakeReader()
{
#ifdef Q_OS_UNIX
    if (m_wake[1] >= 0) (void)!::write(m_wake[1], "w", 1); // a full pipe has woken it already
#endif
}

#ifdef Q_OS_UNIX
int LinkPump::writeQueued()
{
    while (!m_out.isEmpty()) {
        const ssize_t n = ::write(m_fd, m_out.constData(), size_t(m_out.size()));
        if (n == m_out.size()) {
            m_out.resize(0); // keeps the buffer: an answer a frame would otherwise cost an allocation each
        } else if (n > 0) {
            m_out.remove(0, int(n));
        } else if (n < 0 && errno != EINTR) {
            return errno == EAGAIN ? 0 : errno; // a full line: POLLOUT says when it takes more
        }
    }
    return 0;
}

void LinkPump::run()
{
    char buffer[4096];
    bool unannounced = false; // reads the window has not been told of
    Clock::time_point nextHandOff = Clock::now();
    for (;;) {
        bool queued = false;
        {
            const std::lock_guard<std::mutex> hold(m_lock);
            if (m_stopping) break;
            queued = !m_out.isEmpty();
        }
        pollfd fds[2] = {{m_fd, short(POLLIN | (queued ? POLLOUT : 0)), 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, unannounced ? millisecondsUntil(nextHandOff) : -1) < 0 && errno != EINTR)
            return fail(qt_error_string(errno));
        if (fds[1].revents) {
            char sink[64];
            while (::read(m_wake[0], sink, sizeof sink) > 0) {
            }
        }
        const short seen = fds[0].revents;
        if (seen & POLLNVAL) return fail(qt_error_string(EBADF));
        QByteArray chunk;
        qint64 readAtUs = 0;
        if (seen & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n < 0 && errno != EAGAIN && errno != EINTR) return fail(qt_error_string(errno));
            // With VMIN 0 a read may return nothing for a line that is fine; with a hang-up it always does.
            if (n == 0 && (seen & (POLLHUP | POLLERR))) return fail(QLatin1String(kHungUp));
            if (n > 0) {
                chunk = QByteArray(buffer, int(n));
                readAtUs = lineClockUs(); // outside the lock: the window's take waits for nothing
            }
        }
        bool announce = false;
        int refused = 0;
        {
            const std::lock_guard<std::mutex> hold(m_lock);
            if (!chunk.isEmpty() && !m_stopping) {
                m_in.append(chunk);
                m_inAtUs.append(readAtUs);
                m_out.append(kAnswer);
                unannounced = true;
            }
            refused = writeQueued();
            if (!m_announcing) unannounced = false; // kept in m_in until the owner takes it
            if (!refused && unannounced && Clock::now() >= nextHandOff) {
                unannounced = false;
                announce = !std::exchange(m_handOffPending, true);
                if (announce) nextHandOff = Clock::now() + std::chrono::milliseconds(kHandOffMs);
            }
        }
        if (refused) return fail(qt_error_string(refused));
        if (announce) emit readyRead();
    }

    // Stopping: what the line already holds is kept (not answered: nothing may follow the last words),
    // then what is still queued (a goodbye) goes out while the line takes it.
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0) break;
        const qint64 readAtUs = lineClockUs();
        const std::lock_guard<std::mutex> hold(m_lock);
        m_in.append(QByteArray(buffer, int(n)));
        m_inAtUs.append(readAtUs);
    }
    const Clock::time_point deadline = Clock::now() + kFlushWait;
    std::unique_lock<std::mutex> hold(m_lock);
    while (writeQueued() == 0 && !m_out.isEmpty() && Clock::now() < deadline) {
        hold.unlock();
        pollfd out{m_fd, POLLOUT, 0};
        ::poll(&out, 1, millisecondsUntil(deadline));
        hold.lock();
    }
}
#else
int LinkPump::writeQueued()
{
    return 0;
}

void LinkPump::run() {}
#endif
