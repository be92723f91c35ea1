#pragma once

#include "params/parameterset.h"

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
namespace Ui {
class MainWindow;
}

// One widget the display pass sets from the parameter set.
struct DisplayCopy {
    QSpinBox *Ui::MainWindow::*spin = nullptr;
    QComboBox *Ui::MainWindow::*combo = nullptr;
    QDoubleSpinBox *Ui::MainWindow::*volts = nullptr;
    IntField field = nullptr; // a combo box without a field is held at its first item
    DoubleField voltsField = nullptr;
};

// The widgets of one group display in the order they are set, then the combo boxes whose style
// follows the pointer, each with its own hover counter.
struct DisplayGroup {
    std::vector<DisplayCopy> copies;
    std::vector<QComboBox * Ui::MainWindow::*> tracked;
    int firstCounter = 0;
};

enum class Group { Rev, EPA, SubTrim, FS, Delay, Aux, DR, Parameter, Atti, Elev, Vtype, Prm, DRCure, THcure };
constexpr int kGroupCount = 14;
constexpr int kTrackedCombos = 39;

const DisplayGroup &displayGroup(Group group);

// Sets every widget of the group from `p` (read at each call, so later rows see what earlier rows'
// handlers stored), then runs the hover rule on its tracked combo boxes.
void showGroup(Group group, Ui::MainWindow &ui, const ParameterSet &p, int *hoverCounters);
