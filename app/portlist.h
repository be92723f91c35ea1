// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One serial port as the port box offers it. The item text is `name`, the name OPEN opens.
struct PortEntry {
    QString name;
    QString description; // as the system describes the device, if it does
    QString manufacturer;
    int vendorId = -1; // USB vendor and product IDs, -1 where the system has none
    int productId = -1;
    QString location;   // the device's full path; for an extra port its name
    bool extra = false; // named in TXCONFIG_EXTRA_PORTS

    bool operator==(const PortEntry &o) const
    {
        return name == o.name && description == o.description && manufacturer == o.manufacturer &&
               vendorId == o.vendorId && productId == o.productId && location == o.location &&
               extra == o.extra;
    }
    bool operator!=(const PortEntry &o) const { return !(*this == o); }
};

// The serial ports to offer: those the system reports, in its order, then every path listed in
// TXCONFIG_EXTRA_PORTS (':'-separated, empty entries skipped). Virtual ports such as the emulator's
// pseudo-terminal are not enumerated by Qt, hence the extra list.
QVector<PortEntry> availablePortEntries();
QStringList extraPortNames(const QByteArray &envValue);

// Description, manufacturer and USB IDs, one a line, as far as they are known; empty if none is.
QString portToolTip(const PortEntry &port);
// The port box's own tip for the chosen port: its full path, then what portToolTip() knows.
QString chosenPortToolTip(const PortEntry &port);

// A USB serial adapter or a USB CDC device: the transmitter's cable is one of these.
bool isUsbPort(const PortEntry &port);

// The port to preselect: `lastUsed` if listed, else the first USB port, else the first extra port,
// else the first other port, with the built-in serial ports (ttyS*) last; -1 if none.
int preferredPortIndex(const QVector<PortEntry> &ports, const QString &lastUsed);
