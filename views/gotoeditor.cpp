// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/gotoeditor.h"

#include <QGraphicsColorizeEffect>
#include <QTabWidget>
#include <QTimer>

void goToEditor(QTabWidget *tabs, QWidget *editor)
{
    if (!editor) return;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(editor)) tabs->setCurrentIndex(i);
    editor->window()->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
    // An effect rather than a sheet: the editors' sheets carry their marks, which a flash must not touch.
    // A timer owned by the editor takes it off, so nothing outlives an editor that goes first.
    if (editor->graphicsEffect()) return; // already flashing
    auto *flash = new QGraphicsColorizeEffect(editor);
    flash->setColor(QColor(255, 170, 0));
    flash->setStrength(0.7);
    editor->setGraphicsEffect(flash);
    QTimer::singleShot(250, flash, [flash] { flash->setStrength(0.35); });
    QTimer::singleShot(500, editor, [editor] { editor->setGraphicsEffect(nullptr); });
}
