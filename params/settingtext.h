// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QString>

// A setting's value as the form shows it: a choice by its item's text, the alarms in volts with one
// decimal, the stick trims from centre, other numbers with their unit ("96 %"). A choice outside its
// list shows as the number it is.
QString settingText(const NamedField &f, const ParameterSet &p);

// The accepted range of a setting by the sanitiser, in the form's terms (volts for the alarms); false
// for a setting the sanitiser leaves alone.
bool acceptedRange(const NamedField &f, double *low, double *high);
