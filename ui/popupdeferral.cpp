// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupdeferral.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>

namespace form {

PopupDeferral::PopupDeferral(QWidget *window) : QObject(window), window(window)
{
    window->installEventFilter(this);
    for (QComboBox *box : window->findChildren<QComboBox *>()) box->installEventFilter(this);
}

bool hasPopupList(const QComboBox *box)
{
    return box->findChild<QAbstractItemView *>() != nullptr;
}

bool PopupDeferral::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window) {
        // The window is polished, fonts and all, before its show event.
        if (event->type() == QEvent::Show && !shown) windowShown();
        return false;
    }
    if (event->type() != QEvent::FontChange && event->type() != QEvent::ChildPolished) return false;
    // Besides the window only boxes are watched, and these two events reach a box that is whole (a box
    // being destroyed still sends ChildRemoved here, as a plain QWidget by then).
    auto *box = static_cast<QComboBox *>(watched);
    if (event->type() == QEvent::FontChange && !shown) {
        // An editable box keeps its line edit in step with the font; a box with a list passes it on.
        if (box->isEditable() || hasPopupList(box)) return false;
        withheld.insert(box);
        // No one asks a box for its size before the window is shown, so none of it is stale.
        box->updateGeometry();
        return true;
    }
    if (event->type() == QEvent::ChildPolished) {
        // The list, now made and polished: the font Qt would have handed it at the withheld change.
        auto *list = qobject_cast<QFrame *>(static_cast<QChildEvent *>(event)->child());
        if (list && withheld.remove(box)) {
            list->setFont(box->font());
            box->removeEventFilter(this);
        }
    }
    return false;
}

void PopupDeferral::windowShown()
{
    shown = true;
    window->removeEventFilter(this);
    for (QComboBox *box : window->findChildren<QComboBox *>())
        if (!withheld.contains(box)) box->removeEventFilter(this);
}

} // namespace form
