// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagepolish.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QTabWidget>
#include <QTimer>

namespace form {

PagePolishDeferral::PagePolishDeferral(QTabWidget *tabs, QWidget *window)
    : QObject(window), tabs(tabs), window(window)
{
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget *page = tabs->widget(i);
        if (page == tabs->currentWidget()) continue;
        pages.append(page);
        heldBack.insert(page);
        page->installEventFilter(this);
        for (QWidget *w : page->findChildren<QWidget *>()) w->installEventFilter(this);
    }
    window->installEventFilter(this);
}

void PagePolishDeferral::polishAll()
{
    while (!pages.isEmpty()) release(pages.first());
}

bool PagePolishDeferral::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window) {
        windowEvent(event);
        return false;
    }
    // Besides the window only the widgets of held-back pages are watched.
    switch (event->type()) {
    case QEvent::Polish:
        // Kept from the widget, and given to it when its page is released. Its children are asked next
        // and are kept theirs the same way.
        polishWithout.insert(watched);
        return true;
    case QEvent::ZOrderChange:
        // A tab widget raises the page it is about to show; before the window has been polished, the
        // window's own polish takes care of the page that is current then.
        if (window->testAttribute(Qt::WA_WState_Polished)) release(static_cast<QWidget *>(watched));
        return false;
    case QEvent::Show:
        // Shown some other way: late, but the layouts follow the polish before anything is drawn.
        release(static_cast<QWidget *>(watched));
        return false;
    default:
        return false;
    }
}

// The window's polish reaches the tab widget through the central widget: the page current then is given
// its polish right after its ancestors had theirs, as the window's polish would have done.
void PagePolishDeferral::windowEvent(QEvent *event)
{
    if (event->type() == QEvent::ChildPolished) {
        auto *child = static_cast<QChildEvent *>(event)->child();
        if (child == tabs || (child->isWidgetType() && static_cast<QWidget *>(child)->isAncestorOf(tabs)))
            release(tabs->currentWidget());
    } else if (event->type() == QEvent::Paint && !idleStarted) {
        // After the first frame, so that none of this delays it.
        idleStarted = true;
        polishNextPageLater();
    }
}

void PagePolishDeferral::release(QWidget *page)
{
    if (!heldBack.remove(page)) return; // not a held-back page, or released already
    pages.removeOne(page);
    page->removeEventFilter(this);
    for (QWidget *w : page->findChildren<QWidget *>()) w->removeEventFilter(this);
    polishWithheld(page);
    if (pages.isEmpty()) window->removeEventFilter(this);
}

// What QWidget::ensurePolished() does, for the widgets that were kept their polish: the widget, then its
// children in order, then its parent hears that it is polished.
void PagePolishDeferral::polishWithheld(QWidget *widget)
{
    const bool withheld = polishWithout.remove(widget);
    if (withheld) {
        QEvent polish(QEvent::Polish);
        QCoreApplication::sendEvent(widget, &polish);
    }
    const QObjectList children = widget->children();
    for (QObject *child : children)
        if (child->isWidgetType()) polishWithheld(static_cast<QWidget *>(child));
    if (withheld && widget->parentWidget()) {
        QChildEvent polished(QEvent::ChildPolished, widget);
        QCoreApplication::sendEvent(widget->parentWidget(), &polished);
    }
}

void PagePolishDeferral::polishNextPageLater()
{
    QTimer::singleShot(0, this, [this] {
        if (pages.isEmpty()) return;
        release(pages.first());
        if (!pages.isEmpty()) polishNextPageLater();
    });
}

} // namespace form
