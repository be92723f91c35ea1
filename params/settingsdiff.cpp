// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/settingsdiff.h"

#include "link/textframes.h"

SettingsDiff compareSettings(const ParameterSet &a, const ParameterSet &b)
{
    SettingsDiff diff;
    for (const NamedField &f : kNamedFields) {
        // Volts are compared as the file carries them, in tenths.
        const bool same =
            f.volts ? voltsToTenths(a.*f.volts) == voltsToTenths(b.*f.volts) : a.*f.field == b.*f.field;
        if (same)
            ++diff.equal;
        else
            diff.differing.append(&f);
    }
    return diff;
}

void copySettings(const ParameterSet &from, const QVector<const NamedField *> &settings, ParameterSet &to)
{
    for (const NamedField *f : settings) {
        to.*f->field = from.*f->field;
        if (f->volts) to.*f->volts = from.*f->volts;
    }
}
