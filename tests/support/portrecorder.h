// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tool's end of a pseudo-terminal in the tests: a real QSerialPort on the slave path that keeps
// every notification's bytes and reassembles the frames in them.

#include "link/blocks.h"
#include "link/serialline.h"
#include "link/streamreceiver.h"

#include <QByteArray>
#include <QSerialPort>
#include <QVector>

namespace support {

class PortRecorder
{
public:
    PortRecorder()
    {
        QObject::connect(&port, &QSerialPort::readyRead, &port, [this] {
            const QByteArray chunk = port.readAll();
            if (chunk.isEmpty()) return;
            chunks.append(chunk);
            frames += receiver.feed(chunk);
        });
        QObject::connect(&port, &QSerialPort::errorOccurred, &port, [this](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::NoError) return;
            if (errorCount++ == 0) firstError = e;
        });
    }

    // Opens the port with the tool's line settings.
    bool open(const QString &path)
    {
        port.setPortName(path);
        applyTransmitterLineSettings(port);
        return port.open(QIODevice::ReadWrite);
    }

    void send(const QByteArray &bytes)
    {
        port.write(bytes);
        port.flush();
    }

    void forget()
    {
        chunks.clear();
        frames.clear();
        receiver.clear();
    }

    int count(FrameKind kind) const
    {
        int n = 0;
        for (const QByteArray &f : frames) n += classifyFrame(f) == kind ? 1 : 0;
        return n;
    }

    QSerialPort port;
    StreamReceiver receiver;
    QVector<QByteArray> chunks; // one per notification
    QVector<QByteArray> frames;
    // A dead line keeps reporting its error on every poll, so only the first is kept.
    QSerialPort::SerialPortError firstError = QSerialPort::NoError;
    int errorCount = 0;
};

} // namespace support
