// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include <functional>

// A scripted session on the serial link, for callers without the window (txconfig-cli): the
// transmitter's line settings, a one-line reason for every failure, and waits that keep the event loop
// running (so an emulator in the same process, or the port's own notifications, carry on meanwhile).
class SerialSession
{
public:
    // The window cannot follow "OK" with a command sooner than its 200 ms button hold-off; a
    // transmitter may rely on that, so we leave it the same time.
    static constexpr int kSettleMs = 200;

    explicit SerialSession(const QString &portName);
    ~SerialSession();

    // Opens with the transmitter's line settings; false with failure() set.
    bool open();
    // Opens, says "OK" as the window's OPEN does and leaves the transmitter kSettleMs before the next
    // command; false with failure() set.
    bool openAndGreet();
    // Why the port could not be opened or went away ("" while all is well).
    QString failure() const { return m_failure; }

    void send(const QByteArray &bytes);
    // Every non-empty notification's bytes; without a handler they are read and dropped.
    std::function<void(const QByteArray &)> onData;

    // Runs the event loop for `ms`, returning early once `done` holds; false if the port failed.
    bool wait(int ms, const std::function<bool()> &done = {});

    // Says "DIS", lets it reach the line, closes. A port that failed is closed without a word.
    void close();

private:
    void readAvailable();
    void failed(QSerialPort::SerialPortError error);

    QString m_name; // as given: QSerialPort::portName() drops the folder
    QSerialPort m_port;
    QString m_failure;
    std::function<void()> m_wake; // ends the running wait early
};
