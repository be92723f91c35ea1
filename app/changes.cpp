// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "ui_mainwindow.h"
#include "views/changeswindow.h"
#include "views/editormenus.h"
#include "views/editortips.h"
#include "views/gotoeditor.h"
#include "views/pendingmarks.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
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
    QAction *undo = stack.createUndoAction(window, QStringLiteral("Undo"));
    undo->setShortcuts(keysOr(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)));
    QAction *redo = stack.createRedoAction(window, QStringLiteral("Redo"));
    redo->setShortcuts(keysOr(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    for (QAction *a : {undo, redo}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a); // wherever focus is in the window
        views->addAction(a);
    }
}

} // namespace

// The marks, the undo keys and the editors' menus; the Changes view is made when first asked for.
void MainWindow::setUpChanges(QMenu *views, QToolButton *count)
{
    marks = new PendingMarks(ui->tabWidget, ui->tabWidget, count, this);
    // Each editor's own tooltip, with the transmitter's value first once it is known.
    marks->toolTip = [](QWidget *editor, const QString &held) { return editorToolTip(editor, params, held); };
    connect(count, &QToolButton::clicked, this, &MainWindow::showChanges);
    QAction *changes = views->addAction(QStringLiteral("Changes..."), this, &MainWindow::showChanges);
    changes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    changes->setShortcutContext(Qt::WindowShortcut);
    addAction(changes);

    QUndoStack &stack = document.undo.stack();
    addUndoActions(this, views, stack);
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    document.undo.shown = [this] {
        Dr_DataSelet();
        ui_Display();
        refreshMarks();
    };
    // A new stay in an editor starts a new step: typed digits merge only while the box keeps focus.
    // Tied to the stack's owner, not the window: focus still moves while the window's members go.
    connect(qApp, &QApplication::focusChanged, &document.undo, &FormUndo::breakMerge);

    auto *menus = new EditorMenus(this);
    menus->extend = [this](QMenu *menu, QWidget *editor) {
        const PendingMarks::Editor *e = marks->editorOf(editor);
        const NamedField *shown = e ? shownSetting(*e->entry, params) : nullptr;
        const bool marked = shown && document.onTransmitter && marks->settings().contains(shown);
        if (shown)
            addSettingActions(menu, *shown, params, marked ? document.onTransmitter : std::nullopt,
                              [this](const ParameterSet &from, const NamedField *f, const QString &step) {
                                  takeSettings(from, {f}, step);
                              });
    };
    for (const PendingMarks::Editor &e : marks->editors()) menus->watch(e.widget);
}

void MainWindow::refreshMarks()
{
    marks->refresh(params, document.onTransmitter);
    if (changesWindow && changesWindow->isVisible()) fillChanges();
}

void MainWindow::knowTransmitter(const ParameterSet &held)
{
    document.onTransmitter = held;
    refreshMarks();
}

void MainWindow::formReplaced()
{
    document.undo.rebase();
    refreshMarks();
}

void MainWindow::fillChanges()
{
    QVector<ChangesWindow::Change> rows;
    const bool known = document.onTransmitter.has_value();
    for (const NamedField *f : marks->settings())
        rows.append({f, pilotLabel(*f), pilotValue(*f, params), pilotValue(*f, *document.onTransmitter)});
    changesWindow->showChanges(rows, marks->equalCount(), known);
}

void MainWindow::showChanges()
{
    if (!changesWindow) {
        changesWindow = new ChangesWindow(this);
        connect(changesWindow, &ChangesWindow::goTo, this,
                [this](const NamedField *f) { goToEditor(ui->tabWidget, marks->widgetFor(*f)); });
        connect(changesWindow, &ChangesWindow::revert, this,
                [this](const QVector<const NamedField *> &settings) {
                    if (document.onTransmitter)
                        takeSettings(*document.onTransmitter, settings,
                                     QStringLiteral("Revert %1 settings").arg(settings.size()));
                });
    }
    fillChanges();
    changesWindow->show();
    changesWindow->raise();
    changesWindow->activateWindow();
}

void MainWindow::takeSettings(const ParameterSet &from, const QVector<const NamedField *> &settings,
                              const QString &step)
{
    copySettings(from, settings, params);
    Dr_DataSelet();
    ui_Display();
    document.undo.changed(step);
    refreshMarks();
}
