// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class LiveMonitor;
class MonitorWindow;
class QMenu;
class QWidget;
class TransmitterSession;

// The Monitor window and recordings as the window offers them: Monitor... (Ctrl+M), Record... and Stop
// recording in the views menu. The live frames are kept from the start, shown or not.
class MonitorViews : public QObject
{
    Q_OBJECT

public:
    // `notice` tells the pilot of a recording that failed, at the foot of the window.
    MonitorViews(TransmitterSession &session, QWidget *window, QMenu *menu,
                 std::function<void(const QString &)> notice);

    void showMonitor();
    // Asks for the file (in the folder of the last one), then records into it.
    void startRecording();
    LiveMonitor *live() const { return liveMonitor; }

private:
    QWidget *window;
    std::function<void(const QString &)> notice;
    LiveMonitor *liveMonitor = nullptr;
    QPointer<MonitorWindow> monitorWindow; // made when first asked for
};
