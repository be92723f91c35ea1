// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

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
