// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

// The pilot's changes to the form as undo steps, and which of them are safe (on the transmitter or in a
// file). A step holds only the form settings it changed, so values the transmitter sends in between (a
// READ, the trims) are neither undone nor redone by it.
//
// - edited(): after an editor's slot stored a value; changes of one editor merge while it keeps focus;
// - changed(): a named change made by a view or command (Restore, Revert, Reset, LOAD), one step;
// - rebase(): the form changed without a step (values received from the transmitter);
// - mark()/settle(): a command takes a mark before the form's values leave and settles it once they
//   are safe; steps made during its waits come after the mark and stay pending.
// The stack's clean state is "nothing pending": the window's title mark follows cleanChanged(). The
// form back at what it was when last settled is clean too, however it got there.
class FormUndo : public QObject
{
    Q_OBJECT

public:
    struct Mark {
        int index = 0;
        quint64 top = 0; // the serial of the step below the mark, so a replaced step is not settled
    };

    explicit FormUndo(ParameterSet &form, QObject *parent = nullptr);

    // Runs after an undo or redo has put values into the form: the rules, the editors, the marks.
    std::function<void()> shown;

    QUndoStack &stack() { return m_stack; }

    void edited(const QObject *editor);
    void changed(const QString &text);
    void rebase();
    // The next edit starts a new step even in the same editor (focus moved, a command began).
    void breakMerge() { ++m_mergeSerial; }

    Mark mark();
    void settle(Mark at);
    bool pending() const { return !m_stack.isClean(); }
    // The settings the steps between the clean state and now changed (all steps' when the clean state
    // was dropped).
    QVector<const NamedField *> pendingSettings() const;

private:
    friend class FormStep;
    void push(const QString &text, const QObject *editor);
    void apply(const QVector<struct SettingChange> &changes, bool forward);
    ParameterSet formAt(int index) const; // the form as the stack's index `index` left it
    void cleanIfSettled();

    ParameterSet &m_form;
    ParameterSet m_base;    // the form as the last step left it
    ParameterSet m_settled; // the form when it was last safe (on the transmitter or in a file)
    QUndoStack m_stack;
    quint64 m_mergeSerial = 0;
    quint64 m_stepSerial = 0;
    bool m_quiet = false; // moving the stack's index without touching the form
};
