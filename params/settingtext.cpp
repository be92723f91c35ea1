// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/settingtext.h"

#include "params/choicelists.h"
#include "params/meanings.h"
#include "params/rules.h"

#include <algorithm>
#include <iterator>

namespace {

bool isTrim(const NamedField &f)
{
    return std::find(std::begin(fields::StkTrim), std::end(fields::StkTrim), f.field) !=
           std::end(fields::StkTrim);
}

constexpr int kTrimCentre = 120;

} // namespace

QString settingText(const NamedField &f, const ParameterSet &p)
{
    if (f.volts) return QString::number(p.*f.volts, 'f', 1) + QStringLiteral(" V");
    const int v = p.*f.field;
    if (const auto *list = choices::forField(f.field))
        return v >= 0 && v < int(list->size()) ? QLatin1String(list->at(v)) : QString::number(v);
    const QString unit = meaningOf(QLatin1String(f.name)).unit;
    const QString number = QString::number(isTrim(f) ? v - kTrimCentre : v);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

bool acceptedRange(const NamedField &f, double *low, double *high)
{
    int count = 0;
    const SanitiseRule *rules = sanitiseRules(&count);
    for (int i = 0; i < count; ++i) {
        if (rules[i].field != f.field) continue;
        // The alarms' rules bound the tenths the frame carries.
        const double scale = f.volts ? 10.0 : 1.0;
        *low = rules[i].low / scale;
        *high = rules[i].high / scale;
        return true;
    }
    return false;
}
