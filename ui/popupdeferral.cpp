// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupdeferral.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>

namespace form {

PopupDeferral::PopupDeferral(QWidget *window) : QObject(window)
{
    for (QComboBox *box : window->findChildren<QComboBox *>()) box->installEventFilter(this);
}

bool hasPopupList(const QComboBox *box)
{
    return box->findChild<QAbstractItemView *>() != nullptr;
}

bool PopupDeferral::eventFilter(QObject *watched, QEvent *event)
{
    // Only boxes are watched, and these events reach a box that is whole (a box being destroyed still
    // sends ChildRemoved here, as a plain QWidget by then).
    switch (event->type()) {
    case QEvent::Show:
        // From now on a font change goes through, to the list too once there is one.
        if (withheld.contains(watched))
            shown.insert(watched);
        else
            watched->removeEventFilter(this);
        return false;
    case QEvent::FontChange: {
        auto *box = static_cast<QComboBox *>(watched);
        // An editable box keeps its line edit in step with the font; a box with a list passes it on.
        if (shown.contains(box) || box->isEditable() || hasPopupList(box)) return false;
        withheld.insert(box);
        // No one asks a box that has not been shown for its size, so none of it is stale.
        box->updateGeometry();
        return true;
    }
    case QEvent::ChildPolished: {
        // The list, now made and polished: the font Qt would have handed it at the withheld change.
        auto *list = qobject_cast<QFrame *>(static_cast<QChildEvent *>(event)->child());
        auto *box = static_cast<QComboBox *>(watched);
        if (list && withheld.remove(box)) {
            shown.remove(box);
            list->setFont(box->font());
            box->removeEventFilter(this);
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace form
