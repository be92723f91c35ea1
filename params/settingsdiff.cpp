// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/settingsdiff.h"

#include "link/textframes.h"

#include <algorithm>

namespace {

enum class Which { All, Form, Loaded };

bool selectedDualRate(const NamedField &f)
{
    return f.field == &ParameterSet::DR_UP1 || f.field == &ParameterSet::DR_DOWN1;
}

SettingsDiff compare(const ParameterSet &a, const ParameterSet &b, Which which)
{
    SettingsDiff diff;
    for (const NamedField &f : kNamedFields) {
        if ((which == Which::Form && !formSetting(f)) || (which == Which::Loaded && selectedDualRate(f)))
            continue;
        if (sameSetting(f, a, b))
            ++diff.equal;
        else
            diff.differing.append(&f);
    }
    return diff;
}

} // namespace

bool sameSetting(const NamedField &f, const ParameterSet &a, const ParameterSet &b)
{
    return f.volts ? voltsToTenths(a.*f.volts) == voltsToTenths(b.*f.volts) : a.*f.field == b.*f.field;
}

SettingsDiff compareSettings(const ParameterSet &a, const ParameterSet &b)
{
    return compare(a, b, Which::All);
}

SettingsDiff compareFormSettings(const ParameterSet &a, const ParameterSet &b)
{
    return compare(a, b, Which::Form);
}

SettingsDiff compareLoadedSettings(const ParameterSet &a, const ParameterSet &b)
{
    return compare(a, b, Which::Loaded);
}

bool formSetting(const NamedField &f)
{
    const auto in = [&](const auto &group) {
        return std::find(std::begin(group), std::end(group), f.field) != std::end(group);
    };
    return !in(fields::StkTrim) && !selectedDualRate(f);
}

void copySettings(const ParameterSet &from, const QVector<const NamedField *> &settings, ParameterSet &to)
{
    for (const NamedField *f : settings) {
        to.*f->field = from.*f->field;
        if (f->volts) to.*f->volts = from.*f->volts;
    }
}
