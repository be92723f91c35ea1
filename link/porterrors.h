// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>

// Why OPEN failed, told so that a pilot at the bench can act on it. QSerialPort reports a port held
// by another program and a device the user may not touch both as PermissionError, so whether the
// device node is accessible at all tells the two apart.
struct OpenFailure {
    QString portName; // as listed; empty when the list was empty
    QSerialPort::SerialPortError error = QSerialPort::NoError;
    bool deviceAccessible = true; // the user may read and write the device node
    QString systemMessage;        // Qt's errorString(), for failures without a text of their own
};

enum class OpenFailureKind { NoPort, Missing, Busy, Forbidden, Other };
OpenFailureKind classifyOpenFailure(const OpenFailure &failure);

// For the window: "Cannot open the serial port!", a blank line, then what went wrong and what to do.
QString openFailureText(const OpenFailure &failure);
// For a terminal: what went wrong, in one line after the port's name.
QString openFailureLine(const OpenFailure &failure);

// The facts of a failed open of `port`, listed or given as `portName`.
OpenFailure openFailureOf(const QSerialPort &port, const QString &portName);

// The device node behind a port name ("ttyUSB0" -> "/dev/ttyUSB0"; paths stay as they are).
QString devicePath(const QString &portName);

// Logs the facts of a failed open once and returns the box's text.
QString describeOpenFailure(const OpenFailure &failure);
