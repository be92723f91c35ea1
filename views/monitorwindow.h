// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/samplering.h"

#include <QDialog>
#include <QTimer>

#include <functional>

class LiveMonitor;
class MonitorPlot;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The live values over the last seconds beside the form: the eight outputs above, the voltages and
// the signal below, on one time axis. Pause freezes the picture while the rings go on filling; the
// pointer over a plot reads every value at its time. It repaints only while shown and running, at
// most kFramesPerSecond times a second and only when the time axis has moved by a column.
class MonitorWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFramesPerSecond = 15;
    static constexpr int kDefaultSpanSeconds = 10;

    // `record` asks for a file and starts a recording.
    MonitorWindow(LiveMonitor &monitor, std::function<void()> record, QWidget *parent = nullptr);

    bool isPaused() const { return paused; }
    void setPaused(bool pause);
    // The rings the plots draw: the live ones, or a copy taken at the pause.
    const LiveRings &shownRings() const;
    MonitorPlot *channelPlot() const { return channels; }
    MonitorPlot *telemetryPlot() const { return telemetry; }
    // Moves the plots on to the present (the repaint timer's step).
    void advance();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildPlots();
    QWidget *legend(MonitorPlot *plot, const QStringList &names);
    void showView(qint64 endUs);
    void showCursor(qint64 atUs);
    void showRecordingState();

    LiveMonitor &monitor;
    std::function<void()> record;
    MonitorPlot *channels, *telemetry;
    QPushButton *pauseButton, *recordButton;
    QSpinBox *spanBox;
    QLabel *recordStatus, *cursorText;
    QTimer repaintTimer, statusTimer;
    LiveRings frozen;
    bool paused = false;
    qint64 endUs = 0; // the view's end: now, or the moment of the pause
};
