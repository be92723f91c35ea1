// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/displaytables.h"

#include "display/hovercounters.h"
#include "display/hoverstyle.h"
#include "params/editorbindings.h"
#include "ui_mainwindow.h"

#include <array>

namespace {

using U = Ui::MainWindow;
using P = ParameterSet;

// One widget the display pass sets from the parameter set; exactly one of the widget members is set.
struct DisplayCopy {
    QSpinBox *U::*spin = nullptr;
    QComboBox *U::*combo = nullptr;
    QDoubleSpinBox *U::*volts = nullptr;
    IntField field = nullptr; // a combo box without a field is held at its first item
    DoubleField voltsField = nullptr;
};

constexpr DisplayCopy copyOf(QSpinBox *U::*w, IntField f)
{
    return {w, nullptr, nullptr, f, nullptr};
}
constexpr DisplayCopy copyOf(QComboBox *U::*w, IntField f)
{
    return {nullptr, w, nullptr, f, nullptr};
}
constexpr DisplayCopy copyOf(QDoubleSpinBox *U::*w, DoubleField f)
{
    return {nullptr, nullptr, w, nullptr, f};
}

struct DisplayRow {
    Group group;
    DisplayCopy copy;
};

#define TX_SHOWN_ROW(group, prefix, name, field) {Group::group, copyOf(&U::prefix##_##name, &P::field)},
#define TX_HELD_ROW(group, prefix, name) {Group::group, copyOf(&U::prefix##_##name, IntField(nullptr))},
constexpr DisplayRow kRows[] = {TX_EDITOR_BINDINGS(TX_SHOWN_ROW, TX_SHOWN_ROW, TX_SHOWN_ROW, TX_HELD_ROW)};
#undef TX_HELD_ROW
#undef TX_SHOWN_ROW
constexpr int kRowCount = int(std::size(kRows));

// A group's rows, and the hover counter of its first combo box.
struct Slice {
    int begin = 0;
    int end = 0;
    int firstCounter = 0;
};

constexpr std::array<Slice, kGroupCount> slices()
{
    std::array<Slice, kGroupCount> result{};
    int row = 0;
    int counter = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        result[g] = {row, row, counter};
        for (; row < kRowCount && kRows[row].group == Group(g); ++row)
            if (kRows[row].copy.combo) ++counter;
        result[g].end = row;
    }
    return result;
}
constexpr std::array<Slice, kGroupCount> kSlices = slices();

// The pass relies on a group's rows standing together, groups in display order.
static_assert(kSlices[kGroupCount - 1].end == kRowCount, "binding rows out of display-group order");

constexpr int trackedInRows()
{
    int count = 0;
    for (const DisplayRow &row : kRows)
        if (row.copy.combo) ++count;
    return count;
}
static_assert(trackedInRows() == HoverCounters::kSize, "one hover counter per combo box the pass tracks");

void apply(const DisplayCopy &c, U &ui, const ParameterSet &p)
{
    if (c.spin) {
        // The value a box already holds would only rewrite its text, wiping what the pilot is halfway
        // through typing ("-" on the way to "-20") ten times a second.
        QSpinBox *spin = ui.*c.spin;
        if (spin->value() != p.*c.field) spin->setValue(p.*c.field);
    } else if (c.combo) {
        // Choosing the item a box already shows still walks its model: a hundred boxes, ten times a second.
        QComboBox *box = ui.*c.combo;
        const int index = c.field ? p.*c.field : 0;
        if (box->currentIndex() != index) box->setCurrentIndex(index);
    } else {
        // Likewise for the alarm voltages, whose boxes would otherwise reformat their text every pass.
        QDoubleSpinBox *volts = ui.*c.volts;
        if (volts->value() != p.*c.voltsField) volts->setValue(p.*c.voltsField);
    }
}

} // namespace

ShownSettings::ShownSettings() : m_shown(kRowCount, 0) {}

void ShownSettings::watch(Ui::MainWindow &ui)
{
    m_watched = true;
    for (const DisplayRow &row : kRows) {
        auto moved = [this, group = int(row.group)] { m_current[group] = false; };
        // The editor itself holds the connection: the window's own are one per slot.
        const DisplayCopy &c = row.copy;
        if (c.spin)
            QObject::connect(ui.*c.spin, qOverload<int>(&QSpinBox::valueChanged), ui.*c.spin, moved);
        else if (c.combo)
            QObject::connect(ui.*c.combo, qOverload<int>(&QComboBox::currentIndexChanged), ui.*c.combo,
                             moved);
        else
            QObject::connect(ui.*c.volts, qOverload<double>(&QDoubleSpinBox::valueChanged), ui.*c.volts,
                             moved);
    }
}

void showGroup(Group which, Ui::MainWindow &ui, const ParameterSet &p, HoverCounters &counters,
               ShownSettings &shown)
{
    const Slice &slice = kSlices[int(which)];
    auto valueOf = [&p](const DisplayCopy &c) {
        return c.voltsField ? p.*c.voltsField : c.field ? double(p.*c.field) : 0.0;
    };
    bool current = shown.m_current[int(which)];
    for (int row = slice.begin; current && row < slice.end; ++row)
        current = valueOf(kRows[row].copy) == shown.m_shown[size_t(row)];
    if (!current) {
        for (int row = slice.begin; row < slice.end; ++row) {
            apply(kRows[row].copy, ui, p);
            // As the row was shown: a later row's handler may still change it, and the next pass sees that.
            shown.m_shown[size_t(row)] = valueOf(kRows[row].copy);
        }
        // What moved the group's editors just now was this pass.
        shown.m_current[int(which)] = shown.m_watched;
    }
    int counter = slice.firstCounter;
    for (int row = slice.begin; row < slice.end; ++row)
        if (QComboBox *U::*combo = kRows[row].copy.combo) trackHover(ui.*combo, counters[counter++]);
}
