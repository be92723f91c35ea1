// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compareviews.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "views/changeswindow.h"
#include "views/editormenus.h"
#include "views/editortips.h"
#include "views/gotoeditor.h"
#include "views/pendingmarks.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace {

QList<QKeySequence> keysOr(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.contains(fallback)) keys << fallback;
    return keys;
}

// Undo and Redo with the desktop's keys (and Ctrl+Z, Ctrl+Shift+Z), in the window and the views menu.
void addUndoActions(QWidget *window, QMenu *views, QUndoStack &stack)
{
    QAction *undo = stack.createUndoAction(window, QCoreApplication::translate("Changes", "Undo"));
    undo->setShortcuts(keysOr(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)));
    QAction *redo = stack.createRedoAction(window, QCoreApplication::translate("Changes", "Redo"));
    redo->setShortcuts(keysOr(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    for (QAction *a : {undo, redo}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a); // wherever focus is in the window
        views->addAction(a);
    }
}

} // namespace

CompareViews::CompareViews(ModelDocument &document, QWidget *window, QTabWidget *tabs, QMenu *views,
                           QToolButton *count, std::function<void()> showForm)
    : QObject(window), document(document), window(window), tabs(tabs), showForm(std::move(showForm))
{
    marks = new PendingMarks(tabs, tabs, count, this);
    // Each editor's own tooltip, with the transmitter's value first once it is known.
    marks->toolTip = [this](QWidget *editor, const QString &held) {
        return editorToolTip(editor, this->document.set, held);
    };
    connect(count, &QToolButton::clicked, this, &CompareViews::showChanges);
    QAction *changes = views->addAction(QCoreApplication::translate("Changes", "Changes..."), this,
                                        &CompareViews::showChanges);
    changes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    changes->setShortcutContext(Qt::WindowShortcut);
    window->addAction(changes);

    QUndoStack &stack = document.undo.stack();
    addUndoActions(window, views, stack);
    connect(&stack, &QUndoStack::cleanChanged, window,
            [window](bool clean) { window->setWindowModified(!clean); });
    document.undo.shown = [this] {
        this->showForm();
        refresh();
    };
    // A new stay in an editor starts a new step: typed digits merge only while the box keeps focus.
    // Tied to the stack's owner, not the window: focus still moves while the window's members go.
    connect(qApp, &QApplication::focusChanged, &document.undo, &FormUndo::breakMerge);
    addEditorMenus();
}

// Each editor's context menu offers the transmitter's value and the setting's help.
void CompareViews::addEditorMenus()
{
    auto *menus = new EditorMenus(this);
    menus->extend = [this](QMenu *menu, QWidget *editor) {
        const PendingMarks::Editor *e = marks->editorOf(editor);
        const NamedField *shown = e ? shownSetting(*e->entry, document.set) : nullptr;
        const bool marked = shown && document.onTransmitter && marks->settings().contains(shown);
        if (shown)
            addSettingActions(menu, *shown, document.set, marked ? document.onTransmitter : std::nullopt,
                              [this](const ParameterSet &from, const NamedField *f, const QString &step) {
                                  take(from, {f}, step);
                              });
    };
    for (const PendingMarks::Editor &e : marks->editors()) menus->watch(e.widget);
}

void CompareViews::refresh()
{
    marks->refresh(document.set, document.onTransmitter);
    if (changesWindow && changesWindow->isVisible()) fillChanges();
}

void CompareViews::knowTransmitter(const ParameterSet &held)
{
    document.onTransmitter = held;
    refresh();
}

void CompareViews::formReplaced()
{
    document.undo.rebase();
    refresh();
}

void CompareViews::fillChanges()
{
    QVector<ChangesWindow::Change> rows;
    const bool known = document.onTransmitter.has_value();
    for (const NamedField *f : marks->settings())
        rows.append(
            {f, pilotLabel(*f), pilotValue(*f, document.set), pilotValue(*f, *document.onTransmitter)});
    changesWindow->showChanges(rows, marks->equalCount(), known);
}

void CompareViews::showChanges()
{
    if (!changesWindow) {
        changesWindow = new ChangesWindow(window);
        connect(changesWindow, &ChangesWindow::goTo, this,
                [this](const NamedField *f) { goToEditor(tabs, marks->widgetFor(*f)); });
        connect(changesWindow, &ChangesWindow::revert, this,
                [this](const QVector<const NamedField *> &settings) {
                    if (document.onTransmitter)
                        take(*document.onTransmitter, settings,
                             //: An undo step.
                             QCoreApplication::translate("Changes", "Revert %n setting(s)", nullptr,
                                                         settings.size()));
                });
    }
    fillChanges();
    changesWindow->show();
    changesWindow->raise();
    changesWindow->activateWindow();
}

void CompareViews::take(const ParameterSet &from, const QVector<const NamedField *> &settings,
                        const QString &step)
{
    copySettings(from, settings, document.set);
    showForm();
    document.undo.changed(step);
    refresh();
}
