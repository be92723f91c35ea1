// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/cursorreadout.h"

#include "monitor/livefigures.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
QString figureAt(const SampleRing &ring, int at, int column, LiveValue which, const char *unit)
{
    if (at < 0) return QStringLiteral("-");
    const QString figure = liveFigure(which, ring.value(at, column));
    return figure.isEmpty() ? QStringLiteral("null") : figure + QLatin1String(unit);
}
} // namespace

QString cursorReadout(const LiveRings &rings, qint64 atUs, qint64 endUs)
{
    QStringList parts;
    //: The pointer's time in the Monitor's read-out: %1 seconds (0 or less) from the graph's end.
    parts << QCoreApplication::translate("MonitorWindow", "%1 s").arg(double(atUs - endUs) / 1e6, 0, 'f', 2);
    const SampleRing &ch = rings.channels();
    const int c = ch.lastAtOrBefore(atUs);
    for (int n = 0; n < 8; ++n)
        parts << QStringLiteral("CH%1 %2").arg(n + 1).arg(figureAt(ch, c, n, LiveValue(LiveCh1 + n), ""));
    parts << QStringLiteral("TX ") + figureAt(ch, c, LiveRings::ChTx, LiveTxVolts, " V");
    const SampleRing &tel = rings.telemetry();
    const int t = tel.lastAtOrBefore(atUs);
    parts << QStringLiteral("RX ") + figureAt(tel, t, LiveRings::TelRx, LiveRxVolts, " V");
    parts << QStringLiteral("EXT ") + figureAt(tel, t, LiveRings::TelExt, LiveExtVolts, " V");
    parts << QStringLiteral("RSSI ") + figureAt(tel, t, LiveRings::TelRssi, LiveRssi, " dBm");
    return parts.join(QStringLiteral("  "));
}
