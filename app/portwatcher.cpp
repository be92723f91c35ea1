// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portwatcher.h"
#include "app/usersettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QSignalBlocker>

PortWatcher::PortWatcher(QComboBox *box, QObject *parent) : QObject(parent), box(box)
{
    // Our own changes are made with the box's signals blocked, so every change seen here is a pick.
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { userPicked = true; });
    connect(&timer, &QTimer::timeout, this, &PortWatcher::look);
    timer.start(1000);
    box->installEventFilter(this);
}

bool PortWatcher::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        refill(); // the first of these removes this filter
        break;
    default:
        break;
    }
    return false;
}

void PortWatcher::setWatching(bool on)
{
    if (!on)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

PortWatcher::Signs PortWatcher::currentSigns()
{
    return {QFileInfo(QStringLiteral("/dev")).lastModified(), qgetenv("TXCONFIG_EXTRA_PORTS")};
}

void PortWatcher::look()
{
    if (!listed) {
        refill();
        return;
    }
    if (box->view()->isVisible()) return; // the user is choosing from the list right now
    const Signs now = currentSigns();
    const bool changed = now != signs;
    // udev describes a new device a moment after its node appears, so look once more a second later.
    // Without a /dev (Windows) there is no sign to go by.
    if (changed || changedLastLook || !now.devChanged.isValid()) refill();
    changedLastLook = changed;
}

void PortWatcher::refill()
{
    if (!listed) {
        listed = true;
        box->removeEventFilter(this);
    }
    signs = currentSigns();
    const QVector<PortEntry> ports = availablePortEntries();
    if (ports == shown) return;

    // No signal leaves the box: nothing is to react to a list kept up to date.
    const QSignalBlocker quiet(box);
    const QString current = box->currentText();
    box->clear();
    for (const PortEntry &port : ports) {
        box->addItem(port.name);
        const QString tip = portToolTip(port);
        if (!tip.isEmpty()) box->setItemData(box->count() - 1, tip, Qt::ToolTipRole);
    }
    int index = userPicked ? box->findText(current) : -1;
    if (index < 0) {
        userPicked = false;
        index = preferredPortIndex(ports, lastPortName());
    }
    box->setCurrentIndex(index);
    shown = ports;
}
