// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QComboBox;
class QWidget;

namespace form {

// A combo box makes its drop-down list (a popup frame with a list view, its viewport, two scroll bars
// and their containers) at its first font change, and a style sheet's font reaches the box when it is
// polished. For the form's boxes that meant building and styling widgets no one had asked to see. Until a
// box is first shown, a box that has no list yet is spared that font change (the boxes of pages polished
// later, behind the window's back, included); Qt makes the list when the box first drops down, and it
// then gets the box's font as it would have.
class PopupDeferral : public QObject
{
public:
    explicit PopupDeferral(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<const QObject *> withheld; // boxes whose font change was kept from them
    QSet<const QObject *> shown;    // the same boxes, once they have been shown
};

// True once the box has made its drop-down list.
bool hasPopupList(const QComboBox *box);

} // namespace form
