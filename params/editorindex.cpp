// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/editorindex.h"

#include "params/editorbindings.h"
#include "params/pilotlabels.h"

#include <cstring>

namespace {

template <std::size_t N> bool oneOf(IntField field, const IntField (&group)[N])
{
    for (IntField g : group)
        if (g == field) return true;
    return false;
}

int selectedChannel(const ParameterSet &p)
{
    return p.DR_CH >= 0 && p.DR_CH <= 3 ? p.DR_CH : -1;
}

EditorEntry entry(const char *name, int ParameterSet::*field)
{
    return {name, field, nullptr};
}
EditorEntry entry(const char *name, double ParameterSet::*volts)
{
    return {name, nullptr, volts};
}

} // namespace

const QVector<EditorEntry> &editorEntries()
{
    static const QVector<EditorEntry> entries = [] {
        QVector<EditorEntry> list;
#define TX_ENTRY(group, prefix, name, field) list.append(entry(#prefix "_" #name, &ParameterSet::field));
#define TX_NO_ENTRY(...)
        TX_EDITOR_BINDINGS(TX_ENTRY, TX_ENTRY, TX_ENTRY, TX_NO_ENTRY)
#undef TX_NO_ENTRY
#undef TX_ENTRY
        return list;
    }();
    return entries;
}

const NamedField *shownSetting(const EditorEntry &editor, const ParameterSet &p)
{
    if (editor.volts) {
        for (const NamedField &f : kNamedFields)
            if (f.volts == editor.volts) return &f;
        return nullptr;
    }
    const int k = selectedChannel(p);
    const bool down = p.DR_POSI != 0;
    namespace f = fields;
    // UP and DOWN are carried for the selected channel too, but its storage is what they edit.
    if (editor.field == &ParameterSet::DR_UP1) return k < 0 ? nullptr : namedField(f::DR_UP_CH[k]);
    if (editor.field == &ParameterSet::DR_DOWN1) return k < 0 ? nullptr : namedField(f::DR_DOWN_CH[k]);
    if (editor.field == &ParameterSet::DR_RATE)
        return k < 0 ? nullptr : namedField(down ? f::DR_DOWN_CH[k] : f::DR_UP_CH[k]);
    if (editor.field == &ParameterSet::DR_EXP)
        return k < 0 ? nullptr : namedField(down ? f::DR_EXP_DOWN_CH[k] : f::DR_EXP_UP_CH[k]);
    return namedField(editor.field);
}

const char *editorFor(const NamedField &setting)
{
    namespace f = fields;
    if (oneOf(setting.field, f::DR_UP_CH)) return "spinBox_DR_UP1";
    if (oneOf(setting.field, f::DR_DOWN_CH)) return "spinBox_DR_DOWN1";
    if (oneOf(setting.field, f::DR_EXP_UP_CH) || oneOf(setting.field, f::DR_EXP_DOWN_CH))
        return "spinBox_DR_EXP";
    for (const EditorEntry &e : editorEntries())
        if (setting.volts ? e.volts == setting.volts : e.field == setting.field) return e.objectName;
    return nullptr;
}
