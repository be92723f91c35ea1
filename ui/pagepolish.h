// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QVector>

class QTabWidget;
class QWidget;

namespace form {

// Style-sheet polish of the form's widgets was half of the window's start-up, and most of them sit on
// the pages nobody sees at start. Those pages are kept out of the window's polish and polished on
// their own: a page just before it is first shown, and the others one per turn of the event loop once
// the window has drawn its first frame. A page polished so is what the window's polish would have made.
class PagePolishDeferral : public QObject
{
    Q_OBJECT

public:
    // Holds back every page of `tabs` but the current one; `window` is the window that holds `tabs`.
    PagePolishDeferral(QTabWidget *tabs, QWidget *window);

    bool isHeldBack(const QWidget *page) const { return heldBack.contains(page); }
    // Polishes every page still held back, in tab order.
    void polishAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void release(QWidget *page);
    void polishWithheld(QWidget *widget);
    void polishNextPageLater();
    void windowEvent(QEvent *event);

    QTabWidget *tabs;
    QWidget *window;
    bool idleStarted = false;
    QVector<QWidget *> pages;            // held back, in tab order at the start
    QSet<const QWidget *> heldBack;      // the same pages
    QSet<const QObject *> polishWithout; // widgets whose polish was kept from them
};

} // namespace form
