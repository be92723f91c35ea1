// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portlist.h"

#include <QSerialPortInfo>
#include <functional>

QStringList extraPortNames(const QByteArray &envValue)
{
    return QString::fromLocal8Bit(envValue).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QVector<PortEntry> availablePortEntries()
{
    QVector<PortEntry> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortEntry port;
        port.name = info.portName();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        port.location = info.systemLocation();
        ports.append(port);
    }
    for (const QString &name : extraPortNames(qgetenv("TXCONFIG_EXTRA_PORTS"))) {
        PortEntry port;
        port.name = name;
        port.location = name;
        port.extra = true;
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

QString chosenPortToolTip(const PortEntry &port)
{
    const QString known = portToolTip(port);
    return known.isEmpty() ? port.location : port.location + QLatin1Char('\n') + known;
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
    // The transmitter's cable is a USB port; without one, a port named for this program (the emulator's)
    // before whatever the system has, and the mainboard's own serial ports, which hold no transmitter
    // on a modern machine, last of all.
    const std::function<bool(const PortEntry &)> ranks[] = {
        isUsbPort,
        [](const PortEntry &p) { return p.extra; },
        [](const PortEntry &p) { return !p.name.startsWith(QLatin1String("ttyS")); },
    };
    for (const auto &rank : ranks)
        for (int i = 0; i < ports.size(); ++i)
            if (rank(ports[i])) return i;
    return 0;
}
