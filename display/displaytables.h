// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

class HoverCounters;
namespace Ui {
class MainWindow;
}

enum class Group { Rev, EPA, SubTrim, FS, Delay, Aux, DR, Parameter, Atti, Elev, Vtype, Prm, DRCure, THcure };
constexpr int kGroupCount = 14;

// Sets every widget of the group from `p`, in binding-list order (read at each call, so later rows see
// what earlier rows' handlers stored), then runs the hover rule on the group's combo boxes.
void showGroup(Group group, Ui::MainWindow &ui, const ParameterSet &p, HoverCounters &counters);
