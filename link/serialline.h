// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Header only, so that txcore stays free of QtSerialPort: include it where txserial is linked.

#include <QSerialPort>

// The transmitter's line: 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
inline void applyTransmitterLineSettings(QSerialPort &port)
{
    port.setBaudRate(QSerialPort::Baud115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
}
