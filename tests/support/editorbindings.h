// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's editor binding list with its names spelled out, so tests can walk it and check it
// against the form and the naming rule instead of keeping a copy of it.

#include "params/editorbindings.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

namespace support {

struct Binding {
    enum Kind { Stores, Edits, Shows, Holds };
    Kind kind;
    QString editor;      // objectName
    QString editorClass; // its prefix: spinBox, doubleSpinBox or comboBox
    QString field;       // empty where the box holds no field
    IntField intField = nullptr;
    DoubleField doubleField = nullptr;
};

inline Binding bound(Binding::Kind kind, const char *prefix, const char *name, const char *field, IntField f)
{
    return {kind, QString("%1_%2").arg(prefix, name), prefix, field, f, nullptr};
}
inline Binding bound(Binding::Kind kind, const char *prefix, const char *name, const char *field,
                     DoubleField f)
{
    return {kind, QString("%1_%2").arg(prefix, name), prefix, field, nullptr, f};
}

inline const QVector<Binding> &bindings()
{
#define TX_ROW(kind, prefix, name, field) bound(Binding::kind, #prefix, #name, #field, &ParameterSet::field),
#define TX_STORES(group, prefix, name, field) TX_ROW(Stores, prefix, name, field)
#define TX_EDITS(group, prefix, name, field) TX_ROW(Edits, prefix, name, field)
#define TX_SHOWS(group, prefix, name, field) TX_ROW(Shows, prefix, name, field)
#define TX_HOLDS(group, prefix, name) bound(Binding::Holds, #prefix, #name, "", IntField(nullptr)),
    static const QVector<Binding> rows = {TX_EDITOR_BINDINGS(TX_STORES, TX_EDITS, TX_SHOWS, TX_HOLDS)};
#undef TX_HOLDS
#undef TX_SHOWS
#undef TX_EDITS
#undef TX_STORES
#undef TX_ROW
    return rows;
}

// The combo boxes of the list, in list order: those the display pass tracks under the pointer.
inline QStringList boundComboBoxes()
{
    QStringList names;
    for (const Binding &b : bindings())
        if (b.editorClass == "comboBox") names << b.editor;
    return names;
}

} // namespace support
