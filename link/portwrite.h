// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Header and source are in txgui: they need QtSerialPort.

#include <QByteArray>

class QSerialPort;

// Puts `bytes` on the line at once when nothing is queued ahead of them. QSerialPort::write() only
// queues and arms a write notifier, which costs two more turns of the event loop per write: at the
// link's full rate, an answer per frame, that is most of the program's CPU. Whatever the system does
// not take at once, and anything written while Qt still holds bytes, goes through QSerialPort as
// before, so the order on the line and the error reporting stay Qt's. No bytesWritten() is emitted
// for the bytes written directly.
void writeNow(QSerialPort &port, const QByteArray &bytes);
