// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/livefigures.h"

#include "display/livetext.h"

QString liveFigure(LiveValue which, int raw)
{
    switch (which) {
    case LiveTxVolts:
        return readoutFigure(hundredthsVoltageText(raw));
    case LiveRxVolts:
    case LiveExtVolts:
        return readoutFigure(tenthsVoltageText(raw));
    case LiveRssi:
        return readoutFigure(rssiText(raw));
    default:
        return QString::number(raw);
    }
}

QByteArray csvHeader()
{
    return QByteArrayLiteral("time_ms,ch1,ch2,ch3,ch4,ch5,ch6,ch7,ch8,tx_v,rx_v,ext_v,rssi\n");
}

void appendCsvRow(QByteArray &out, qint64 timeMs, const LiveSample &sample)
{
    out += QByteArray::number(timeMs);
    for (int k = 0; k < kLiveValueCount; ++k) {
        out += ',';
        out += liveFigure(LiveValue(k), sample.values[size_t(k)]).toLatin1();
    }
    out += '\n';
}
