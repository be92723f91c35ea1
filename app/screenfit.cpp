// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QScrollArea>

bool MainWindow::fitInto(const QSize &available)
{
    // The form is placed in pixels and does not reflow: what the screen cannot hold must scroll.
    const QSize formSize = size();
    if (formSize.width() <= available.width() && formSize.height() <= available.height()) return false;
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("formScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    QWidget *form = takeCentralWidget();
    form->setFixedSize(formSize);
    scroll->setWidget(form);
    setCentralWidget(scroll);
    resize(formSize.boundedTo(available));
    return true;
}
