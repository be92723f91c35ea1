// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portwatcher.h"
#include "files/usersettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include "ui/popupdeferral.h"

namespace {
constexpr int kListMargin = 24; // the items' padding on either side, and some air
}

PortWatcher::PortWatcher(QComboBox *box, QObject *parent) : QObject(parent), box(box)
{
    // Our own changes are made with the box's signals blocked, so every change seen here is a pick.
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        userPicked = true;
        showChosenPort();
    });
    connect(&timer, &QTimer::timeout, this, &PortWatcher::look);
    timer.start(1000);
    box->installEventFilter(this);
}

bool PortWatcher::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::Wheel:
        if (!listed) refill();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
        if (!listed) refill();
        fitListWidth(); // the list may be about to drop down
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
    // The user is choosing from the list right now. Asked of a box whose list was never dropped down,
    // view() would make the list, which the form leaves unmade until it is needed.
    if (form::hasPopupList(box) && box->view()->isVisible()) return;
    const Signs now = currentSigns();
    const bool changed = now != signs;
    // udev describes a new device a moment after its node appears, so look once more a second later.
    // Without a /dev (Windows) there is no sign to go by.
    if (changed || changedLastLook || !now.devChanged.isValid()) refill();
    changedLastLook = changed;
}

void PortWatcher::refill()
{
    listed = true;
    signs = currentSigns();
    const QVector<PortEntry> ports = availablePortEntries();
    if (ports == shown) return;

    // No signal leaves the box: nothing is to react to a list kept up to date.
    const QSignalBlocker quiet(box);
    const QString current = box->currentText();
    box->clear();
    for (const PortEntry &port : ports) {
        box->addItem(port.name);
        const QString tip = chosenPortToolTip(port);
        if (!tip.isEmpty()) box->setItemData(box->count() - 1, tip, Qt::ToolTipRole);
    }
    int index = userPicked ? box->findText(current) : -1;
    if (index < 0) {
        userPicked = false;
        // scripts/run names the emulator it has just started.
        index = box->findText(qEnvironmentVariable("TXCONFIG_PORT"));
        if (index < 0) index = preferredPortIndex(ports, lastPortName());
    }
    box->setCurrentIndex(index);
    shown = ports;
    showChosenPort();
    // Making the list costs start-up time; one not made yet is sized as it is about to drop down.
    if (form::hasPopupList(box)) fitListWidth();
}

void PortWatcher::fitListWidth()
{
    // The box's own menu-like delegate paints the chosen entry from the palette, which the style sheet
    // leaves white on white; the styled delegate follows the sheet's selection colours.
    if (!qobject_cast<QStyledItemDelegate *>(box->itemDelegate()))
        box->setItemDelegate(new QStyledItemDelegate(box));
    // The box is narrow; its list is as wide as the longest name, a long path included.
    int widest = 0;
    const QFontMetrics metrics(box->view()->font());
    for (const PortEntry &port : shown) widest = qMax(widest, metrics.horizontalAdvance(port.name));
    box->view()->setMinimumWidth(widest + box->view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                 kListMargin);
}

void PortWatcher::showChosenPort()
{
    const int index = box->currentIndex();
    box->setToolTip(index >= 0 && index < shown.size() ? chosenPortToolTip(shown[index]) : QString());
}
