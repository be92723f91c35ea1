// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formundo.h"

#include "link/textframes.h"
#include "params/pilotlabels.h"
#include "params/settingsdiff.h"

#include <QScopedValueRollback>
#include <QUndoCommand>

struct SettingChange {
    const NamedField *setting;
    int before, after;              // the stored value
    double voltsBefore, voltsAfter; // the alarms' volts
};

namespace {

QVector<SettingChange> changesBetween(const ParameterSet &from, const ParameterSet &to)
{
    QVector<SettingChange> changes;
    for (const NamedField *f : compareFormSettings(from, to).differing)
        changes.append({f, from.*f->field, to.*f->field, f->volts ? from.*f->volts : 0.0,
                        f->volts ? to.*f->volts : 0.0});
    return changes;
}

bool noChange(const SettingChange &c)
{
    return c.setting->volts ? voltsToTenths(c.voltsBefore) == voltsToTenths(c.voltsAfter)
                            : c.before == c.after;
}

} // namespace

class FormStep : public QUndoCommand
{
public:
    FormStep(FormUndo &owner, const QString &text, QVector<SettingChange> changes, const QObject *editor,
             quint64 mergeSerial, quint64 serial)
        : QUndoCommand(text), owner(owner), changes(std::move(changes)), editor(editor),
          mergeSerial(mergeSerial), serial(serial)
    {
    }

    // Only an editor's own steps merge; named steps stand alone.
    int id() const override { return editor ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const FormStep *>(other);
        if (next->editor != editor || next->mergeSerial != mergeSerial) return false;
        for (const SettingChange &n : next->changes) {
            auto mine = std::find_if(changes.begin(), changes.end(),
                                     [&](const SettingChange &c) { return c.setting == n.setting; });
            if (mine == changes.end()) {
                changes.append(n);
            } else {
                mine->after = n.after;
                mine->voltsAfter = n.voltsAfter;
            }
        }
        // Typed back to where it started: the step is dropped.
        setObsolete(std::all_of(changes.begin(), changes.end(), noChange));
        return true;
    }

    void undo() override { owner.apply(changes, false); }
    // The first redo comes with the push, when the form already holds the values.
    void redo() override
    {
        if (pushed) owner.apply(changes, true);
        pushed = true;
    }

    FormUndo &owner;
    QVector<SettingChange> changes;
    const QObject *editor;
    quint64 mergeSerial;
    quint64 serial;
    bool pushed = false;
};

FormUndo::FormUndo(ParameterSet &form, QObject *parent)
    : QObject(parent), m_form(form), m_base(form), m_settled(form)
{
    connect(&m_stack, &QUndoStack::indexChanged, this, &FormUndo::cleanIfSettled);
}

// Every edit reverted by hand, or undone and redone to the same values: nothing is pending.
void FormUndo::cleanIfSettled()
{
    if (m_quiet || m_stack.isClean()) return;
    if (compareFormSettings(m_form, m_settled).differing.isEmpty()) m_stack.setClean();
}

ParameterSet FormUndo::formAt(int index) const
{
    ParameterSet form = m_form;
    auto put = [&form](const SettingChange &c, bool after) {
        form.*c.setting->field = after ? c.after : c.before;
        if (c.setting->volts) form.*c.setting->volts = after ? c.voltsAfter : c.voltsBefore;
    };
    for (int i = m_stack.index() - 1; i >= index; --i)
        for (const SettingChange &c : static_cast<const FormStep *>(m_stack.command(i))->changes)
            put(c, false);
    for (int i = m_stack.index(); i < index; ++i)
        for (const SettingChange &c : static_cast<const FormStep *>(m_stack.command(i))->changes)
            put(c, true);
    return form;
}

void FormUndo::edited(const QObject *editor)
{
    push(QString(), editor);
}

void FormUndo::changed(const QString &text)
{
    breakMerge();
    push(text, nullptr);
    breakMerge();
}

void FormUndo::push(const QString &text, const QObject *editor)
{
    QVector<SettingChange> changes = changesBetween(m_base, m_form);
    m_base = m_form;
    if (changes.isEmpty()) return;
    QString name = text;
    if (name.isEmpty()) name = pilotShortLabel(*changes.first().setting);
    m_stack.push(new FormStep(*this, name, std::move(changes), editor, m_mergeSerial, ++m_stepSerial));
}

void FormUndo::rebase()
{
    m_base = m_form;
}

void FormUndo::apply(const QVector<SettingChange> &changes, bool forward)
{
    if (m_quiet) return;
    for (const SettingChange &c : changes) {
        m_form.*c.setting->field = forward ? c.after : c.before;
        if (c.setting->volts) m_form.*c.setting->volts = forward ? c.voltsAfter : c.voltsBefore;
    }
    breakMerge();
    if (shown) shown();
    m_base = m_form;
}

FormUndo::Mark FormUndo::mark()
{
    breakMerge(); // a later keystroke in the same box was not sent, so it must not join a sent step
    const int index = m_stack.index();
    const auto *top = index > 0 ? static_cast<const FormStep *>(m_stack.command(index - 1)) : nullptr;
    return {index, top ? top->serial : 0};
}

void FormUndo::settle(Mark at)
{
    const int now = m_stack.index();
    if (at.index > m_stack.count()) return; // the steps it covered were undone and replaced
    const auto *top = at.index > 0 ? static_cast<const FormStep *>(m_stack.command(at.index - 1)) : nullptr;
    if ((top ? top->serial : 0) != at.top) return;
    m_settled = formAt(at.index);
    if (at.index == now) {
        m_stack.setClean();
        return;
    }
    // QUndoStack marks only its current index clean: step there and back without touching the form.
    const QScopedValueRollback<bool> quiet(m_quiet, true);
    m_stack.setIndex(at.index);
    m_stack.setClean();
    m_stack.setIndex(now);
}

QVector<const NamedField *> FormUndo::pendingSettings() const
{
    const int now = m_stack.index();
    const int clean = m_stack.cleanIndex();
    const int from = clean < 0 ? 0 : qMin(clean, now);
    const int to = clean < 0 ? m_stack.count() : qMax(clean, now);
    QVector<const NamedField *> settings;
    for (int i = from; i < to; ++i)
        for (const SettingChange &c : static_cast<const FormStep *>(m_stack.command(i))->changes)
            if (!settings.contains(c.setting)) settings.append(c.setting);
    return settings;
}
