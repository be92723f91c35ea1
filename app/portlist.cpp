#include "app/portlist.h"

#include <QSerialPortInfo>

QStringList extraPortNames(const QByteArray &envValue)
{
    return QString::fromLocal8Bit(envValue).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) names << info.portName();
    return names + extraPortNames(qgetenv("TXCONFIG_EXTRA_PORTS"));
}
