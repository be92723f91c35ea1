// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <array>
#include <vector>

class HoverCounters;
namespace Ui {
class MainWindow;
}

enum class Group { Rev, EPA, SubTrim, FS, Delay, Aux, DR, Parameter, Atti, Elev, Vtype, Prm, DRCure, THcure };
constexpr int kGroupCount = 14;

// What the display pass last put in the settings' widgets. A group whose values are all as the pass last
// set them, with none of its editors moved since by anything but the pass, already shows them: the pass
// skips its widgets then, instead of reading a hundred of them ten times a second with nothing changing.
class ShownSettings
{
public:
    ShownSettings();
    // Every editor the pass sets, watched for a change of value. Until then no group counts as shown.
    void watch(Ui::MainWindow &ui);

private:
    friend void showGroup(Group, Ui::MainWindow &, const ParameterSet &, HoverCounters &, ShownSettings &);
    std::vector<double> m_shown;               // by binding row: two editors may show one field
    std::array<bool, kGroupCount> m_current{}; // shown, and no editor of the group moved since
    bool m_watched = false;
};

// Sets every widget of the group from `p`, in binding-list order (read at each call, so later rows see
// what earlier rows' handlers stored), unless `shown` says the widgets hold those values already; then
// runs the hover rule on the group's combo boxes.
void showGroup(Group group, Ui::MainWindow &ui, const ParameterSet &p, HoverCounters &counters,
               ShownSettings &shown);
