// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/monitorviews.h"

#include "files/usersettings.h"
#include "views/livemonitor.h"
#include "views/monitorwindow.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

// The monitor's entries in the views menu. The rings start keeping frames now, shown or not.
MonitorViews::MonitorViews(TransmitterSession &session, QWidget *window, QMenu *menu,
                           std::function<void(const QString &)> notice)
    : QObject(window), window(window), notice(std::move(notice))
{
    liveMonitor = new LiveMonitor(session, window);
    connect(&liveMonitor->recording(), &LiveRecording::failed, this,
            [this](const QString &why) { this->notice(why); });

    QAction *monitor = menu->addAction(tr("Monitor..."), this, &MonitorViews::showMonitor);
    monitor->setObjectName(QStringLiteral("monitorAction"));
    monitor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    monitor->setShortcutContext(Qt::WindowShortcut);
    window->addAction(monitor); // the key works wherever focus is in the window
    QAction *record = menu->addAction(tr("Record..."), this, &MonitorViews::startRecording);
    record->setObjectName(QStringLiteral("recordAction"));
    QAction *stop = menu->addAction(tr("Stop recording"), this, [this] { liveMonitor->finishRecording(); });
    stop->setObjectName(QStringLiteral("stopRecordingAction"));
    auto showState = [this, record, stop] {
        const bool on = liveMonitor->recording().isRecording();
        record->setEnabled(!on);
        stop->setEnabled(on);
    };
    connect(menu, &QMenu::aboutToShow, this, showState);
    showState();
}

void MonitorViews::showMonitor()
{
    if (!monitorWindow)
        monitorWindow = new MonitorWindow(
            *liveMonitor, [this] { startRecording(); }, window);
    monitorWindow->show();
    monitorWindow->raise();
    monitorWindow->activateWindow();
}

// Asks for the file (in the folder of the last one), then records into it; the monitor shows the
// time and rows while it runs.
void MonitorViews::startRecording()
{
    LiveRecording &recording = liveMonitor->recording();
    if (recording.isRecording()) return;
    const QString suggested = QDir(fileDialogFolder())
                                  .filePath(QDateTime::currentDateTime().toString(
                                      QStringLiteral("'txconfig-'yyyyMMdd-HHmmss'.csv'")));
    QWidget *parent =
        monitorWindow && monitorWindow->isVisible() ? static_cast<QWidget *>(monitorWindow) : window;
    //: A file dialog's filter; %1 holds the file name pattern, which stays as it is.
    const QString filter = tr("CSV file (%1)").arg(QStringLiteral("*.csv"));
    //: The title of the file dialog that asks where to record.
    QString path = QFileDialog::getSaveFileName(parent, tr("Record"), suggested, filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    rememberFileFolder(path);
    if (!recording.start(path)) {
        notice(recording.failure());
        return;
    }
    showMonitor();
}
