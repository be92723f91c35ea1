// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QTabWidget;
class QToolButton;

// The tab bar's free corner: the count of settings the transmitter does not hold (hidden until there
// are some) and the Views button with its menu, both out of the Tab chain.
struct ViewsCorner {
    QMenu *menu;
    QToolButton *count;
};
ViewsCorner addViewsCorner(QTabWidget *tabs);
