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

// One setting in two models, as a frame carries it: the alarms' volts to the tenth.
bool sameSetting(const NamedField &f, const ParameterSet &a, const ParameterSet &b);

// The settings the pilot changes on the form, compared the same way: not the trims, which follow
// telemetry, nor the D/R UP and DOWN of the selected channel, which follow its storage.
SettingsDiff compareFormSettings(const ParameterSet &a, const ParameterSet &b);
bool formSetting(const NamedField &f);
// What a file would change on the transmitter: every setting but the D/R UP and DOWN of the selected
// channel (the trims go out with the file, so they count).
SettingsDiff compareLoadedSettings(const ParameterSet &a, const ParameterSet &b);

// Copies the given settings (the volts with their tenths) from `from` into `to`.
void copySettings(const ParameterSet &from, const QVector<const NamedField *> &settings, ParameterSet &to);
