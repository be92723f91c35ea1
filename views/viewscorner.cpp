// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/viewscorner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

ViewsCorner addViewsCorner(QTabWidget *tabs)
{
    auto *corner = new QWidget(tabs);
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 0, 0);
    auto *count = new QToolButton(corner);
    count->setObjectName(QStringLiteral("pendingCount"));
    count->setToolTip(QCoreApplication::translate(
        "ViewsCorner", "Show the settings the transmitter does not hold (Ctrl+D)"));
    count->setFocusPolicy(Qt::NoFocus);
    // A small plain font, set rather than inherited (the tab captions' large bold one would win): in
    // two lines the count leaves the tab bar room for every tab.
    QFont plain = QApplication::font();
    plain.setFamily(plain.family());
    plain.setPointSize(8);
    plain.setBold(false);
    count->setFont(plain);
    count->setStyleSheet(QStringLiteral("color: rgb(255, 190, 40);")); // the markers' amber
    count->hide();
    auto *views = new QToolButton(corner);
    views->setObjectName(QStringLiteral("viewsButton"));
    //: A button over a menu of windows (History, Changes, Monitor...).
    views->setText(QCoreApplication::translate("ViewsCorner", "Views"));
    views->setToolTip(QCoreApplication::translate("ViewsCorner", "Windows beside the form"));
    views->setPopupMode(QToolButton::InstantPopup);
    // Out of the Tab chain, which runs through the form as it always has; the keys reach every view.
    views->setFocusPolicy(Qt::NoFocus);
    auto *menu = new QMenu(views);
    views->setMenu(menu);
    row->addWidget(count);
    row->addWidget(views);
    tabs->setCornerWidget(corner, Qt::TopRightCorner);
    return {menu, count};
}
