// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QString>

// A setting as the pilot finds it on the form: the tab, the group's title and the row's caption,
// "BASIC / SUB-TRIM / CH3". Where a row has no caption of its own the code's name stands in.
QString pilotLabel(const NamedField &f);
// The same without the tab, as an undo step names the setting: "SUB-TRIM CH3".
QString pilotShortLabel(const NamedField &f);

// A stored value as the form shows it: a choice by its item's text, the alarms in volts, everything else
// as the number it is.
QString pilotValue(const NamedField &f, int stored);
// The setting's value in `set`, the same way.
QString pilotValue(const NamedField &f, const ParameterSet &set);

// The named parameter stored in `field`, or nullptr.
const NamedField *namedField(IntField field);
