// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/portlist.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

class QComboBox;

// Keeps the port box in step with the ports the system has while the link is closed, so a
// transmitter plugged in after start shows up by itself. The box never changes under an open link
// or a dropped-down list, and the user's pick stays current for as long as it is listed.
//
// Listing the ports is slow (udev reads hundreds of files under /sys), so the window is built and shown
// first: the box is filled as it is drawn for the first time, or touched, or else at the first look a
// second after start, whichever comes first; no one sees or picks from it empty.
class PortWatcher : public QObject
{
    Q_OBJECT

public:
    PortWatcher(QComboBox *box, QObject *parent);

    // Lists the ports now; the box is touched only if they differ from those shown.
    void refill();
    // Looks for new or vanished ports about once a second while on (the link is closed).
    void setWatching(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Asking the system for its ports costs milliseconds of CPU, so each second only the cheap
    // signs of a change are compared: the /dev folder's time stamp and the extra ports' variable.
    struct Signs {
        QDateTime devChanged;
        QByteArray extraPorts;
        bool operator!=(const Signs &o) const
        {
            return devChanged != o.devChanged || extraPorts != o.extraPorts;
        }
    };
    static Signs currentSigns();
    void look();
    // The box's tip: the chosen port's full path and what the system knows of it.
    void showChosenPort();
    void fitListWidth();

    QComboBox *box;
    QTimer timer;
    QVector<PortEntry> shown;
    Signs signs;
    bool changedLastLook = false;
    bool userPicked = false; // the current port was chosen, not preselected
    bool listed = false;
};
