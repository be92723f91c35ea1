// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portlist.h"

#include <QSerialPortInfo>

QStringList extraPortNames(const QByteArray &envValue)
{
    return QString::fromLocal8Bit(envValue).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QVector<PortEntry> availablePortEntries()
{
    QVector<PortEntry> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortEntry port{info.portName(), info.description(), info.manufacturer()};
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports.append(port);
    }
    for (const QString &name : extraPortNames(qgetenv("TXCONFIG_EXTRA_PORTS"))) {
        PortEntry port;
        port.name = name;
        ports.append(port);
    }
    return ports;
}

QString portToolTip(const PortEntry &port)
{
    auto hex4 = [](int id) { return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); };
    QStringList lines;
    if (!port.description.isEmpty()) lines << port.description;
    if (!port.manufacturer.isEmpty()) lines << port.manufacturer;
    if (port.vendorId >= 0) {
        // As lsusb prints them, so the two can be matched.
        QString ids = QStringLiteral("USB ID ") + hex4(port.vendorId);
        if (port.productId >= 0) ids += QLatin1Char(':') + hex4(port.productId);
        lines << ids;
    }
    return lines.join(QLatin1Char('\n'));
}

bool isUsbPort(const PortEntry &port)
{
    // Without udev's database Qt knows no IDs, but the kernel's names still tell.
    return port.vendorId >= 0 || port.name.startsWith(QLatin1String("ttyUSB")) ||
           port.name.startsWith(QLatin1String("ttyACM"));
}

int preferredPortIndex(const QVector<PortEntry> &ports, const QString &lastUsed)
{
    if (ports.isEmpty()) return -1;
    for (int i = 0; i < ports.size(); ++i)
        if (!lastUsed.isEmpty() && ports[i].name == lastUsed) return i;
    for (int i = 0; i < ports.size(); ++i)
        if (isUsbPort(ports[i])) return i;
    return 0;
}
