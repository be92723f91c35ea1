// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/opaquepaint.h"

#include "ui_mainwindow.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QStyleOption>

namespace {

// What QWidget paints for a styled background when the widget is not opaque: the style's PE_Widget,
// clipped to the region being painted.
class StyledBackgroundPainter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint) return false;
        auto *widget = static_cast<QWidget *>(watched); // only ever installed on a widget
        if (widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
            QPainter painter(widget);
            painter.setClipRegion(static_cast<QPaintEvent *>(event)->region());
            QStyleOption option;
            option.initFrom(widget);
            widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
        }
        return false; // the widget's own paintEvent() follows, as it would after the background
    }
};

// Style-sheet polish takes WA_OpaquePaintEvent from a widget whose sheet has a border, as the bars'
// sheets do (a radius of 0). Their groove fills every pixel with an opaque colour all the same, so once a
// bar is polished it is marked opaque again, and the frame beneath is no longer painted under it.
class OpaqueOncePolished : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildPolished)
            if (auto *bar = qobject_cast<QProgressBar *>(static_cast<QChildEvent *>(event)->child()))
                bar->setAttribute(Qt::WA_OpaquePaintEvent);
        return false;
    }
};

} // namespace

void paintOwnStyledBackground(QWidget *widget)
{
    // Should the sheet stop being opaque, Qt's style-sheet polish takes the attribute away again, and
    // the widget is painted the ordinary way, background by Qt.
    widget->installEventFilter(new StyledBackgroundPainter(widget));
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
}

void makeServoFrameOpaque(Ui::MainWindow &ui)
{
    paintOwnStyledBackground(ui.frame_3);
    // The channel bars are the frame's own children.
    ui.frame_3->installEventFilter(new OpaqueOncePolished(ui.frame_3));
}
