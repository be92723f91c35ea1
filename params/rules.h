// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

// Rules that change a ParameterSet. Each is a plain function so that the window's slots stay one line
// and tests can call them directly.

// Keeps DR_UP1, DR_DOWN1, DR_RATE and DR_EXP equal to the storage of the selected D/R channel and
// position. A DR_CH outside 0..3 selects nothing and leaves the view alone.
void selectDualRate(ParameterSet &p);

// The dual-rate editors: store the view value, then the storage of the selected channel, then reselect.
void editDrUp(ParameterSet &p, int v);
void editDrDown(ParameterSet &p, int v);
void editDrRate(ParameterSet &p, int v);
void editDrExp(ParameterSet &p, int v);

// Factory reset in two halves; RESET and DATA RESET run both, first half first.
void resetFirstHalf(ParameterSet &p);
void resetSecondHalf(ParameterSet &p);
// The factory settings: what both halves of the reset make of a set.
ParameterSet factorySet();

// Forces every model setting outside its accepted range back to its fallback. Runs after anything
// that came from outside (a received chunk, a loaded file).
void sanitise(ParameterSet &p);

// One row of the sanitiser: a field, its accepted range and its fallback.
struct SanitiseRule {
    IntField field;
    int low;
    int high;
    int fallback;
};
// Every integer row, in table order (exposed for the tests that probe each bound).
const SanitiseRule *sanitiseRules(int *count);
