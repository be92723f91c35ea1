// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QVector>

// The form's editors by objectName and the settings they show, for marking, finding and going to a
// setting. Built from the editor bindings, so it cannot disagree with what the editors store.
struct EditorEntry {
    const char *objectName; // "spinBox_sub3"
    IntField field;         // the field the editor stores, or nullptr for a double
    DoubleField volts;      // the alarms' volts
};

// Every editor bound to a field (not the boxes the display pass only holds), in the form's order.
const QVector<EditorEntry> &editorEntries();

// The setting an editor shows now, or nullptr when it shows none a frame carries. The D/R editors show
// the storage of the selected channel (and position), so the answer follows `p`.
const NamedField *shownSetting(const EditorEntry &editor, const ParameterSet &p);

// The editor to go to for a setting: its own, or for the D/R storage the editor that shows the
// storage's kind (UP, DOWN, exponential). nullptr where the form has none (THCURE_Extra, the trims).
const char *editorFor(const NamedField &setting);
