// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Header and source are in txserial: they need QtSerialPort.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>
#include <thread>

class QSerialPort;

// Takes the transmitter's stream off an open port and answers every read with "WWW" at once, and is
// the one way bytes go out while it runs, so answers and commands keep the order they were written in.
//
// Guarantees:
// - every read() of the line is answered by exactly one "WWW", queued behind what was written before;
// - take() hands on every byte read, in order, one entry per read, none twice;
// - readyRead() comes at most every kHandOffMs while reads wait, so the window's event loop turns a
//   few dozen times a second however fast the transmitter streams (see the .cpp for why);
// - a line that fails (read or write error, hang-up) is reported once by failed(), and reading stops.
// Not guaranteed: timing between a read and its readyRead() beyond the hand-off interval.
class LinkPump : public QObject
{
    Q_OBJECT

public:
    // Thread: a reader thread of its own on the port's descriptor (Unix). EventLoop: the port's own
    // notifications on the caller's thread, also where the descriptor cannot be taken over.
    enum class Mode { Thread, EventLoop };
    static constexpr int kHandOffMs = 40;

    explicit LinkPump(QObject *parent = nullptr);
    ~LinkPump() override;

    // Starts on `port`, which must be open for reading and writing. Returns the mode it runs in.
    Mode start(QSerialPort &port, Mode wanted = Mode::Thread);
    // Stops reading and answering; with `flushFirst`, what is queued goes out first (briefly waited
    // for), then `lastWords`, after which no read is answered. The port stays open; nothing read and
    // not taken is kept.
    void stop(bool flushFirst, const QByteArray &lastWords = {});
    bool isRunning() const { return m_port != nullptr; }

    // Whether readyRead() is sent for new reads (on at start). An owner that takes the reads on a timer
    // of its own turns it off, and its thread is not woken between its takes for nothing to show.
    void setAnnouncing(bool on) { m_announcing = on; }

    // Queues `bytes` behind everything written before. Dropped when not running.
    void write(const QByteArray &bytes);
    // Every read since the last take, each as it came off the line; with `readAtUs`, also when each
    // came (lineClockUs()), one time per read.
    QList<QByteArray> take(QVector<qint64> *readAtUs = nullptr);
    // The steady clock reads are stamped with, in microseconds.
    static qint64 lineClockUs();
    // Why the line failed; empty while it works.
    QString failure() const;

signals:
    void readyRead();
    void failed();

private:
    void run();
    int writeQueued(); // the caller holds m_lock; 0, or the error the line refused with
    void fail(const QString &reason);
    void wakeReader();

    QSerialPort *m_port = nullptr;
    Mode m_mode = Mode::EventLoop;
    QMetaObject::Connection m_readConnection;
    int m_fd = -1;
    int m_wake[2] = {-1, -1}; // a pipe the caller writes to so the reader polls again at once
    std::thread m_reader;

    mutable std::mutex m_lock; // guards everything below
    QList<QByteArray> m_in;
    QVector<qint64> m_inAtUs; // when each of m_in was read
    QByteArray m_out;
    QString m_failure;
    bool m_stopping = false;
    bool m_handOffPending = false;
    std::atomic<bool> m_announcing{true};
};
