#pragma once

#include <QByteArray>
#include <QStringList>

// The serial ports to offer: those the system reports, in its order, then every path listed in
// TXCONFIG_EXTRA_PORTS (':'-separated, empty entries skipped). Virtual ports such as the emulator's
// pseudo-terminal are not enumerated by Qt, hence the extra list.
QStringList availablePortNames();
QStringList extraPortNames(const QByteArray &envValue);
