// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/porterrors.h"

#include "link/linklog.h"

#include <QCoreApplication>
#include <QFileInfo>

using Why = OpenFailureKind;

OpenFailureKind classifyOpenFailure(const OpenFailure &f)
{
    if (f.portName.isEmpty()) return Why::NoPort;
    switch (f.error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::ResourceError: // the node is there but the device behind it is gone
        return Why::Missing;
    case QSerialPort::PermissionError:
        return f.deviceAccessible ? Why::Busy : Why::Forbidden;
    case QSerialPort::OpenError: // this very port object is open already
        return Why::Busy;
    default:
        return Why::Other;
    }
}

namespace {

QString why(const OpenFailure &f)
{
    const QString device = devicePath(f.portName);
    switch (classifyOpenFailure(f)) {
    case Why::NoPort:
        return QCoreApplication::translate("LinkErrors",
                                           "No serial port is listed. Plug the transmitter in; its port "
                                           "appears in the list within a second or two.");
    case Why::Missing:
        //: %1 is the port's device, e.g. /dev/ttyUSB0.
        return QCoreApplication::translate("LinkErrors", "%1 is not connected. Check the transmitter's USB "
                                                         "cable, or pick another port from the list.")
            .arg(device);
    case Why::Busy:
        //: %1 is the port's device. OPEN is the button's name and stays as it is.
        return QCoreApplication::translate("LinkErrors",
                                           "%1 is in use by another program (another txconfig, a terminal "
                                           "program or ModemManager). Close it and press OPEN again.")
            .arg(device);
    case Why::Forbidden:
        //: %1 is the port's device. The command line and the group's name dialout stay as they are.
        return QCoreApplication::translate(
                   "LinkErrors", "You have no permission to use %1. Add yourself to the dialout "
                                 "group:\n\nsudo usermod -aG dialout $USER\n\nthen log out and log in again.")
            .arg(device);
    case Why::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(device, f.systemMessage);
}

} // namespace

QString devicePath(const QString &portName)
{
#ifdef Q_OS_UNIX
    // As QSerialPort reads a name: a path when it starts at the root or the working folder.
    const bool path = portName.startsWith(QLatin1Char('/')) || portName.startsWith(QLatin1String("./")) ||
                      portName.startsWith(QLatin1String("../"));
    if (!path) return QStringLiteral("/dev/") + portName;
#endif
    return portName;
}

QString openFailureText(const OpenFailure &failure)
{
    //: The first line of the box; what went wrong and what to do follow after a blank line.
    return QCoreApplication::translate("LinkErrors", "Cannot open the serial port!") +
           QStringLiteral("\n\n") + why(failure);
}

QString openFailureLine(const OpenFailure &failure)
{
    switch (classifyOpenFailure(failure)) {
    case Why::NoPort:
        //: txconfig-cli says it on a terminal, after the port's name.
        return QCoreApplication::translate("LinkErrors", "no port given");
    case Why::Missing:
        //: txconfig-cli says it on a terminal, after the port's name.
        return QCoreApplication::translate("LinkErrors", "no such port (is the transmitter plugged in?)");
    case Why::Busy:
        //: txconfig-cli says it on a terminal, after the port's name.
        return QCoreApplication::translate("LinkErrors", "busy: another program has the port open");
    case Why::Forbidden:
        //: txconfig-cli says it on a terminal, after the port's name.
        return QCoreApplication::translate("LinkErrors",
                                           "permission denied (is your user in the dialout group?)");
    case Why::Other:
        break;
    }
    return failure.systemMessage;
}

OpenFailure openFailureOf(const QSerialPort &port, const QString &portName)
{
    OpenFailure failure;
    failure.portName = portName;
    failure.error = port.error();
    failure.systemMessage = port.errorString();
#ifdef Q_OS_LINUX
    // Only a Unix device node can forbid; elsewhere a refused port is one that is in use.
    const QFileInfo node(devicePath(portName));
    failure.deviceAccessible = !node.exists() || (node.isReadable() && node.isWritable());
#endif
    return failure;
}

QString describeOpenFailure(const OpenFailure &failure)
{
    qCWarning(lcLink, "Cannot open the serial port %s: %s", qPrintable(failure.portName),
              qPrintable(failure.systemMessage));
    return openFailureText(failure);
}
