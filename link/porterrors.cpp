#include "link/porterrors.h"

#include <QFileInfo>

namespace {

enum class Why { NoPort, Missing, Busy, Forbidden, Other };

Why classify(const OpenFailure &f)
{
    if (f.portName.isEmpty()) return Why::NoPort;
    switch (f.error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::ResourceError: // the node is there but the device behind it is gone
        return Why::Missing;
    case QSerialPort::PermissionError:
        return f.deviceAccessible ? Why::Busy : Why::Forbidden;
    default:
        return Why::Other;
    }
}

QString why(const OpenFailure &f)
{
    const QString device = devicePath(f.portName);
    switch (classify(f)) {
    case Why::NoPort:
        return QStringLiteral("No serial port is listed. Plug the transmitter in; its port appears in the "
                              "list within a second or two.");
    case Why::Missing:
        return QStringLiteral("%1 is not connected. Check the transmitter's USB cable, or pick another "
                              "port from the list.")
            .arg(device);
    case Why::Busy:
        return QStringLiteral("%1 is in use by another program (another txconfig, a terminal program or "
                              "ModemManager). Close it and press OPEN again.")
            .arg(device);
    case Why::Forbidden:
        return QStringLiteral("You have no permission to use %1. Add yourself to the dialout group:\n\n"
                              "sudo usermod -aG dialout $USER\n\n"
                              "then log out and log in again.")
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
    if (!portName.startsWith(QLatin1Char('/'))) return QStringLiteral("/dev/") + portName;
#endif
    return portName;
}

QString openFailureText(const OpenFailure &failure)
{
    return QStringLiteral("Cannot open the serial port!\n\n") + why(failure);
}

QString describeOpenFailure(const QSerialPort &port, const QString &portName)
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
    qWarning("Cannot open the serial port %s: %s", qPrintable(portName), qPrintable(failure.systemMessage));
    return openFailureText(failure);
}
