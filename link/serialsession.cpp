// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serialsession.h"

#include "link/porterrors.h"
#include "link/serialline.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// Draining "DIS" takes a few milliseconds; a line that does not take it within this is gone.
constexpr int kDrainMs = 1000;

} // namespace

SerialSession::SerialSession(const QString &portName) : m_name(portName)
{
    m_port.setPortName(portName);
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { readAvailable(); });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError e) { failed(e); });
}

SerialSession::~SerialSession()
{
    m_port.close();
}

bool SerialSession::open()
{
    applyTransmitterLineSettings(m_port);
    if (m_port.open(QIODevice::ReadWrite)) return true;
    m_failure = openFailureLine(openFailureOf(m_port, m_name));
    return false;
}

bool SerialSession::openAndGreet()
{
    if (!open()) return false;
    send("OK");
    return wait(kSettleMs);
}

void SerialSession::send(const QByteArray &bytes)
{
    if (m_failure.isEmpty()) m_port.write(bytes);
}

void SerialSession::readAvailable()
{
    const QByteArray chunk = m_port.readAll();
    if (chunk.isEmpty()) return;
    if (onData) onData(chunk);
    if (m_wake) m_wake();
}

// Errors before open() are its own to report; once open, any error but a time-out ends the link
// (a hung-up line keeps reporting read errors while the port stays open).
void SerialSession::failed(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !m_port.isOpen()) return;
    if (m_failure.isEmpty())
        m_failure = QStringLiteral("the port went away (cable pulled?): ") + m_port.errorString();
    m_port.close();
    if (m_wake) m_wake();
}

bool SerialSession::wait(int ms, const std::function<bool()> &done)
{
    if (!m_failure.isEmpty()) return false;
    if (done && done()) return true;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    m_wake = [&] {
        if (!m_failure.isEmpty() || (done && done())) loop.quit();
    };
    loop.exec();
    m_wake = nullptr;
    return m_failure.isEmpty();
}

void SerialSession::close()
{
    // Nothing may follow "DIS": a notification arriving while it drains must not be answered.
    onData = nullptr;
    if (m_failure.isEmpty() && m_port.isOpen()) {
        m_port.write("DIS");
        // close() would drop what is still buffered.
        QEventLoop loop;
        QTimer::singleShot(kDrainMs, &loop, &QEventLoop::quit);
        QObject::connect(&m_port, &QSerialPort::bytesWritten, &loop, [&] {
            if (m_port.bytesToWrite() == 0) loop.quit();
        });
        if (m_port.bytesToWrite() > 0) loop.exec();
    }
    m_port.close();
}
