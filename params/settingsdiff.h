// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QVector>

// Two models side by side: the settings a parameter file carries that differ, in the form's order.
struct SettingsDiff {
    QVector<const NamedField *> differing;
    int equal = 0;
};

SettingsDiff compareSettings(const ParameterSet &a, const ParameterSet &b);

// Copies the given settings (the volts with their tenths) from `from` into `to`.
void copySettings(const ParameterSet &from, const QVector<const NamedField *> &settings, ParameterSet &to);
