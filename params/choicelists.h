// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <vector>

// The form's choice lists. An item's index is the value its parameter stores, so the order of the texts
// is part of the data format. Here rather than with the form so that a sheet printed without a window
// names a choice as the combo box does.
namespace choices {
extern const std::vector<const char *> direction;
extern const std::vector<const char *> unassigned;
extern const std::vector<const char *> auxSource;
extern const std::vector<const char *> onOff;
extern const std::vector<const char *> dualRateChannel;
extern const std::vector<const char *> dualRateSwitch;
extern const std::vector<const char *> dualRatePosition;
extern const std::vector<const char *> attitudeChannel;
extern const std::vector<const char *> mixState;
extern const std::vector<const char *> channel;
extern const std::vector<const char *> pcVersion;

// The list a choice parameter's combo box offers, or nullptr for a number.
const std::vector<const char *> *forField(IntField field);
} // namespace choices
