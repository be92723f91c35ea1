// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/livetext.h"

#include <algorithm>

namespace {
QString digit(int v)
{
    return QString::number(v % 10);
}
} // namespace

QString tenthsVoltageText(int v)
{
    QString text;
    if (v > 99) {
        text.append(digit(v / 100)).append(digit(v / 10)).append(".").append(digit(v)).append(" V");
    } else {
        text.append(" ").append(digit(v / 10)).append(".").append(digit(v)).append("V");
    }
    return text;
}

QString hundredthsVoltageText(int hundredths)
{
    return tenthsVoltageText(hundredths / 10);
}

QString rssiText(int rssiRaw)
{
    const int r = 100 - rssiRaw;
    if (r > 99) return QStringLiteral("null");
    QString text;
    const int level = r < 0 ? -r : r;
    text.append(r < 0 ? "+" : "-");
    // A positive level reaches +155 (raw 255); two digits alone would show it as +55.
    if (level > 99) text.append(digit(level / 100));
    text.append(digit(level / 10)).append(digit(level)).append("dBm");
    return text;
}

QString readoutFigure(const QString &readout)
{
    if (readout == QLatin1String("null")) return QString();
    QString figure = readout.trimmed();
    for (const char *unit : {"dBm", "V"})
        if (figure.endsWith(QLatin1String(unit))) figure.chop(int(qstrlen(unit)));
    return figure.trimmed();
}

ChannelBars channelBars(int output)
{
    ChannelBars bars{10, 1000};
    if (output < 1000) bars.upper = 1010 - output;
    if (output > 1000) bars.lower = 2000 - output;
    // A progress bar ignores a value outside its range and keeps the old one; show the nearest end.
    bars.upper = std::clamp(bars.upper, 0, 1010);
    bars.lower = std::clamp(bars.lower, 0, 1000);
    return bars;
}

TrimOrder trimOrder(int mode)
{
    switch (mode) {
    case 1:
        return {{0, 1, 2, 3}};
    case 2:
        return {{0, 2, 1, 3}};
    case 3:
        return {{3, 1, 2, 0}};
    default:
        return {{3, 2, 1, 0}};
    }
}

QString trimText(int trim)
{
    return QString::number(trim - 120);
}
