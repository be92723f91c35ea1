// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modeldocument.h"
#include "params/namedfields.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class ChangesWindow;
class PendingMarks;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;

// The form against what the transmitter holds: the editors' marks and menus, the Changes view
// (Ctrl+D, and the count in the tab bar's corner), and Undo and Redo. Settings copied in from elsewhere
// (a revert, the History, a draft, a recovery) come through take(), each as one undo step.
class CompareViews : public QObject
{
public:
    // `showForm` puts the document's values on the editors after the set changed under them.
    CompareViews(ModelDocument &document, QWidget *window, QTabWidget *tabs, QMenu *views, QToolButton *count,
                 std::function<void()> showForm);

    // After the form changed or the transmitter's model became known.
    void refresh();
    void knowTransmitter(const ParameterSet &held);
    // The form took values that are no step of the pilot's (received, or a command's).
    void formReplaced();
    // Copies `settings` from `from` into the form as one undo step named `step`.
    void take(const ParameterSet &from, const QVector<const NamedField *> &settings, const QString &step);
    void showChanges();

private:
    void fillChanges();
    void addEditorMenus();

    ModelDocument &document;
    QWidget *window;
    QTabWidget *tabs;
    std::function<void()> showForm;
    PendingMarks *marks;
    QPointer<ChangesWindow> changesWindow; // made when first asked for
};
