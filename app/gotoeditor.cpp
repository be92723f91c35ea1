// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gotoeditor.h"

#include <QGraphicsColorizeEffect>
#include <QPointer>
#include <QPropertyAnimation>
#include <QTabWidget>

void goToEditor(QTabWidget *tabs, QWidget *editor)
{
    if (!editor) return;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(editor)) tabs->setCurrentIndex(i);
    editor->window()->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
    // An effect rather than a sheet: the editors' sheets carry their marks, which a flash must not touch.
    if (editor->graphicsEffect()) return; // already flashing
    auto *flash = new QGraphicsColorizeEffect(editor);
    flash->setColor(QColor(255, 170, 0));
    editor->setGraphicsEffect(flash);
    auto *fade = new QPropertyAnimation(flash, "strength", editor);
    fade->setDuration(900);
    fade->setKeyValueAt(0, 1.0);
    fade->setKeyValueAt(0.5, 0.8);
    fade->setKeyValueAt(1, 0.0);
    QPointer<QWidget> target(editor);
    QObject::connect(fade, &QPropertyAnimation::finished, editor, [target] {
        if (target) target->setGraphicsEffect(nullptr); // deletes the effect
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}
