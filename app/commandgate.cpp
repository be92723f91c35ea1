// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandgate.h"

#include <QWidget>

bool CommandGate::deferClose()
{
    if (!isBusy()) return false;
    closePending = true;
    return true;
}

void CommandGate::enter()
{
    // A command can only be started from an enabled button, so the gate is normally taken once;
    // should one be started from code inside another, only the outermost end gives things back.
    if (depth++ > 0) return;
    wasEnabled.clear();
    for (QWidget *c : controls) {
        wasEnabled << c->isEnabled();
        c->setEnabled(false);
    }
    previousCursor = window->cursor();
    // BusyCursor rather than WaitCursor: the pointer still works on the editors.
    window->setCursor(Qt::BusyCursor);
}

void CommandGate::leave()
{
    if (--depth > 0) return;
    for (int i = 0; i < controls.size(); ++i) controls[i]->setEnabled(wasEnabled.value(i));
    window->setCursor(previousCursor);
    if (closePending) {
        closePending = false;
        // Queued, so the command's slot has returned before the window goes.
        QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
    }
}
