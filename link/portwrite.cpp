// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portwrite.h"

#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void writeNow(QSerialPort &port, const QByteArray &bytes)
{
    qint64 written = 0;
#ifdef Q_OS_UNIX
    // The descriptor is non-blocking: a full line (or a gone device) takes nothing here, and Qt then
    // retries or reports it as it does for any write.
    if (port.isOpen() && port.bytesToWrite() == 0) {
        const ssize_t n = ::write(port.handle(), bytes.constData(), size_t(bytes.size()));
        if (n > 0) written = n;
    }
#endif
    if (written < bytes.size()) port.write(bytes.constData() + written, bytes.size() - written);
}
