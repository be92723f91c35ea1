// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QObject>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

// The form's editors as the window's undo sees them:
// - each editor's context menu ends with the window's items for it (a spin box keeps its own text
//   menu above them; a combo box, which has none, gets a menu of the window's items alone);
// - the Undo and Redo keys reach the window from inside a spin box, whose text would take them.
class EditorMenus : public QObject
{
    Q_OBJECT

public:
    explicit EditorMenus(QObject *parent = nullptr) : QObject(parent) {}

    // Adds the window's items for `editor` to `menu`.
    std::function<void(QMenu *menu, QWidget *editor)> extend;

    void watch(QWidget *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The window's items for the setting an editor shows: "Revert to the transmitter's value (X)" when the
// transmitter's value is given (the editor is marked), and "Reset to the factory value (Y)", greyed when
// the form holds it already. `take` puts a setting of a model into the form as the named undo step.
void addSettingActions(
    QMenu *menu, const NamedField &shown, const ParameterSet &form, const std::optional<ParameterSet> &held,
    const std::function<void(const ParameterSet &, const NamedField *, const QString &)> &take);
