// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/pilotlabels.h"

#include "link/textframes.h"
#include "params/choicelists.h"

#include <QRegularExpression>

namespace {

// Longest prefix first, so that "DR_UP_CH" wins over "DR_UP". %1 is the number the name ends in.
struct LabelRow {
    const char *prefix;
    const char *group;
    const char *row;
};
// clang-format off
constexpr LabelRow kRows[] = {
    {"DR_EXP_DOWN_CH", "D/R CURE", "EXP DOWN CH%1"}, {"DR_EXP_UP_CH", "D/R CURE", "EXP UP CH%1"},
    {"DR_DOWN_CH", "D/R", "DOWN CH%1"}, {"DR_UP_CH", "D/R", "UP CH%1"},
    {"DR_DOWN", "D/R", "DOWN"}, {"DR_UP", "D/R", "UP"}, {"DR_MIX", "D/R", "MIX"}, {"DR_CH", "D/R", "CH"},
    {"DR_SW", "D/R CURE", "SW"}, {"DR_POSI", "D/R CURE", "POSI"},
    {"THCURE_MIX", "TH CURE", "MIX"}, {"THCURE_Data", "TH CURE", "POINT%1"}, {"THCURE_Extra", "TH CURE", "THCURE_Extra"},
    {"rev", "REVERSE", "CH%1"}, {"sub", "SUB-TRIM", "CH%1"}, {"Lepa", "END POINT", "L CH%1"},
    {"Repa", "END POINT", "R CH%1"}, {"FS", "FAIL SAFE", "CH%1"}, {"delay", "DELAY", "CH%1"}, {"AUX", "AUX-CH", "CH%1"},
    {"AttiM", "ATTITUDE", "CH"}, {"Atti", "ATTITUDE", "ATTI%1"},
    {"EleMix", "ELEVON", "MIX"}, {"Elev", "ELEVON", "Elev0%1"},
    {"RuMix", "V-TAIL", "MIX"}, {"Ru1", "V-TAIL", "ELEV1"}, {"Ru2", "V-TAIL", "ELEV2"}, {"Ru3", "V-TAIL", "RUDD2"},
    {"Ru4", "V-TAIL", "RUDD1"},
    {"PRM0", "PROG.MIX%1", ""}, // the row follows the underscore
    {"Volt", "ALARM", "TX-Alarm"}, {"rxVolt", "ALARM", "RX-Alarm"}, {"extVolt", "ALARM", "EXT-Alarm"},
    {"Rssi", "ALARM", "Rssi-Alarm"}, {"Mode", "VERSION / MODE", "STK-MODE"}, {"StkTrim", "VERSION / MODE", "TRIM-%1"},
};
constexpr struct { const char *field; const char *row; } kProgMixRows[] = {
    {"Mix", "MIX"}, {"Master", "MAS"}, {"Slave", "SLA"}, {"Data1", "OFFSET"}, {"Data2", "UP"}, {"Data3", "DOWN"},
};
// clang-format on

QString trailingNumber(const QString &name)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QString n = digits.match(name).captured(1);
    return n.isEmpty() ? n : QString::number(n.toInt());
}

} // namespace

QString pilotLabel(const NamedField &f)
{
    const QString name = QLatin1String(f.name);
    const QString tab = QLatin1String(formGroupCaption(f.group));
    for (const LabelRow &r : kRows) {
        if (!name.startsWith(QLatin1String(r.prefix))) continue;
        if (QLatin1String(r.prefix) == QLatin1String("PRM0")) {
            const QString part = name.section('_', 1);
            for (const auto &p : kProgMixRows)
                if (part == QLatin1String(p.field))
                    return QStringLiteral("%1 / PROG.MIX%2 / %3").arg(tab, name.mid(4, 1), p.row);
            break;
        }
        QString row = QLatin1String(r.row);
        if (row.contains(QLatin1String("%1"))) row = row.arg(trailingNumber(name));
        return QStringLiteral("%1 / %2 / %3").arg(tab, QLatin1String(r.group), row);
    }
    return QStringLiteral("%1 / %2").arg(tab, name);
}

QString pilotShortLabel(const NamedField &f)
{
    return pilotLabel(f).section(QStringLiteral(" / "), 1).replace(QStringLiteral(" / "), QStringLiteral(" "));
}

QString pilotValue(const NamedField &f, int stored)
{
    if (f.volts) return QString::number(stored / 10.0, 'f', 1) + QStringLiteral(" V");
    if (const auto *list = choices::forField(f.field))
        if (stored >= 0 && stored < int(list->size())) return QLatin1String(list->at(size_t(stored)));
    return QString::number(stored);
}

QString pilotValue(const NamedField &f, const ParameterSet &set)
{
    return pilotValue(f, f.volts ? voltsToTenths(set.*f.volts) : set.*f.field);
}

const NamedField *namedField(IntField field)
{
    for (const NamedField &f : kNamedFields)
        if (f.field == field) return &f;
    return nullptr;
}
