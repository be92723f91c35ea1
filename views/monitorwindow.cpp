// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/monitorwindow.h"

#include "link/linkpump.h"
#include "monitor/cursorreadout.h"
#include "monitor/livefigures.h"
#include "views/livemonitor.h"
#include "widgets/monitorplot.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QColor kChannelColours[8] = {QColor(31, 119, 180),  QColor(214, 39, 40),   QColor(44, 160, 44),
                                   QColor(255, 127, 14),  QColor(148, 103, 189), QColor(140, 86, 75),
                                   QColor(227, 119, 194), QColor(23, 190, 207)};

std::function<std::optional<double>(int)> readoutFigureOf(LiveValue which)
{
    return [which](int raw) -> std::optional<double> {
        const QString figure = liveFigure(which, raw);
        if (figure.isEmpty()) return std::nullopt;
        return figure.toDouble();
    };
}

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QString elapsedText(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

MonitorWindow::MonitorWindow(LiveMonitor &m, std::function<void()> recordFile, QWidget *parent)
    : QDialog(parent), monitor(m), record(std::move(recordFile)), channels(new MonitorPlot(this)),
      telemetry(new MonitorPlot(this)), pauseButton(new QPushButton(tr("Pause", "button"), this)),
      recordButton(new QPushButton(this)), spanBox(new QSpinBox(this)), recordStatus(new QLabel(this)),
      cursorText(new QLabel(this))
{
    setObjectName(QStringLiteral("monitorWindow"));
    setWindowTitle(tr("Monitor"));
    setModal(false);
    resize(980, 640); // the cursor's read-out on one line
    buildPlots();

    pauseButton->setObjectName(QStringLiteral("pauseButton"));
    pauseButton->setToolTip(tr("Freeze the graph; the frames keep being kept (Space)"));
    connect(pauseButton, &QPushButton::clicked, this, [this] { setPaused(!paused); });
    auto *space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, [this] { setPaused(!paused); });

    spanBox->setObjectName(QStringLiteral("spanBox"));
    spanBox->setRange(2, LiveRings::kSpanSeconds);
    spanBox->setValue(kDefaultSpanSeconds);
    // A spin box has a prefix and a suffix, not a sentence: both come from one text, whatever the order
    // of its words.
    //: The graph's span, %1 a number of seconds; keep %1 exactly once.
    const QString span = tr("last %1 s");
    spanBox->setPrefix(span.section(QLatin1String("%1"), 0, 0));
    spanBox->setSuffix(span.section(QLatin1String("%1"), 1));
    spanBox->setToolTip(tr("How many seconds the graph shows"));
    connect(spanBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { showView(endUs); });

    recordButton->setObjectName(QStringLiteral("recordButton"));
    connect(recordButton, &QPushButton::clicked, this, [this] {
        if (monitor.recording().isRecording())
            monitor.finishRecording();
        else if (record)
            record();
    });
    recordStatus->setObjectName(QStringLiteral("recordStatus"));
    recordStatus->setWordWrap(true); // a failure's notice is long
    cursorText->setObjectName(QStringLiteral("cursorReadout"));
    cursorText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The read-out changes with the pointer; it must not widen the window as it does.
    cursorText->setWordWrap(true);

    auto *bar = new QHBoxLayout;
    bar->addWidget(pauseButton);
    bar->addWidget(spanBox);
    bar->addSpacing(16);
    bar->addWidget(recordButton);
    bar->addWidget(recordStatus, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(legend(channels, {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"}));
    layout->addWidget(channels, 3);
    layout->addWidget(legend(telemetry, {"TX", "RX", "EXT", "RSSI"}));
    layout->addWidget(telemetry, 2);
    layout->addWidget(cursorText);

    repaintTimer.setInterval(1000 / kFramesPerSecond);
    connect(&repaintTimer, &QTimer::timeout, this, &MonitorWindow::advance);
    statusTimer.setInterval(250);
    connect(&statusTimer, &QTimer::timeout, this, &MonitorWindow::showRecordingState);
    connect(&monitor.recording(), &LiveRecording::stopped, this, &MonitorWindow::showRecordingState);
    connect(&monitor.recording(), &LiveRecording::failed, recordStatus, &QLabel::setText);
    showRecordingState();
    showView(LinkPump::lineClockUs());
}

void MonitorWindow::buildPlots()
{
    channels->setObjectName(QStringLiteral("channelPlot"));
    QVector<MonitorPlot::Series> outputs;
    for (int n = 0; n < 8; ++n) outputs.append({false, n, kChannelColours[n], 0, {}, true});
    channels->setSeries(outputs);
    channels->setScale(0, {0, 2000, 500, QString(), false});

    telemetry->setObjectName(QStringLiteral("telemetryPlot"));
    telemetry->setSeries({
        {false, LiveRings::ChTx, QColor(0, 63, 140), 0, readoutFigureOf(LiveTxVolts), true},
        {true, LiveRings::TelRx, QColor(44, 160, 44), 0, readoutFigureOf(LiveRxVolts), true},
        {true, LiveRings::TelExt, QColor(255, 127, 14), 0, readoutFigureOf(LiveExtVolts), true},
        {true, LiveRings::TelRssi, QColor(214, 39, 40), 1, readoutFigureOf(LiveRssi), true},
    });
    telemetry->setScale(0, {0, 10, 2, QStringLiteral("V"), true});
    telemetry->setScale(1, {-100, 0, 20, QStringLiteral("dBm"), false});

    for (MonitorPlot *plot : {channels, telemetry}) {
        plot->setRings(&monitor.rings());
        connect(plot, &MonitorPlot::cursorMoved, this, &MonitorWindow::showCursor);
        connect(plot, &MonitorPlot::cursorLeft, this, [this] {
            channels->setCursorUs(std::nullopt);
            telemetry->setCursorUs(std::nullopt);
            cursorText->clear();
        });
    }
}

// A tick per series, in its colour: unticked hides it.
QWidget *MonitorWindow::legend(MonitorPlot *plot, const QStringList &names)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < names.size(); ++i) {
        auto *tick = new QCheckBox(names[i], row);
        tick->setObjectName(QStringLiteral("show") + names[i]);
        tick->setChecked(true);
        tick->setIcon(swatch(plot->seriesColour(i)));
        connect(tick, &QCheckBox::toggled, plot, [plot, i](bool on) { plot->setSeriesShown(i, on); });
        layout->addWidget(tick);
    }
    layout->addStretch(1);
    return row;
}

const LiveRings &MonitorWindow::shownRings() const
{
    return paused ? frozen : monitor.rings();
}

void MonitorWindow::setPaused(bool pause)
{
    if (pause == paused) return;
    paused = pause;
    pauseButton->setText(paused ? tr("Resume", "button") : tr("Pause", "button"));
    // A copy, so the frozen picture survives the rings moving on, whatever the pause's length.
    if (paused) frozen = monitor.rings();
    for (MonitorPlot *plot : {channels, telemetry}) plot->setRings(&shownRings());
    if (paused) {
        showView(endUs);
    } else {
        frozen.clear();
        advance();
    }
}

void MonitorWindow::advance()
{
    monitor.takeNow(); // into the rings even while paused: they keep every frame
    if (paused) return;
    const qint64 spanUs = qint64(spanBox->value()) * 1000000, nowUs = LinkPump::lineClockUs();
    // The plots move only once the axis has moved by a whole column.
    channels->follow(nowUs, spanUs);
    telemetry->follow(nowUs, spanUs);
    endUs = channels->viewToUs();
    if (const auto at = channels->cursorUs()) showCursor(*at);
}

void MonitorWindow::showView(qint64 end)
{
    endUs = end;
    const qint64 fromUs = end - qint64(spanBox->value()) * 1000000;
    channels->setView(fromUs, end);
    telemetry->setView(fromUs, end);
    if (const auto at = channels->cursorUs()) showCursor(*at);
}

void MonitorWindow::showCursor(qint64 atUs)
{
    channels->setCursorUs(atUs);
    telemetry->setCursorUs(atUs);
    cursorText->setText(cursorReadout(shownRings(), atUs, endUs));
}

void MonitorWindow::showRecordingState()
{
    const LiveRecording &r = monitor.recording();
    recordButton->setText(r.isRecording() ? tr("Stop", "button") : tr("Record...", "button"));
    recordButton->setToolTip(r.isRecording() ? tr("End the recording")
                                             : tr("Record every frame to a CSV file"));
    if (r.isRecording()) {
        //: %1 is the file's name, %2 the time recorded (minutes:seconds), %n the rows taken so far.
        recordStatus->setText(tr("Recording %1: %2, %n row(s)", nullptr, int(r.rows()))
                                  .arg(QFileInfo(r.path()).fileName(), elapsedText(r.elapsedMs())));
        if (!statusTimer.isActive()) statusTimer.start();
        return;
    }
    statusTimer.stop();
    if (r.failure().isEmpty())
        //: %1 is the file; %n the rows it holds.
        recordStatus->setText(r.path().isEmpty()
                                  ? QString()
                                  : tr("Recorded %n row(s) to %1", nullptr, int(r.rowsKept())).arg(r.path()));
    else
        recordStatus->setText(r.failure());
}

void MonitorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    repaintTimer.start();
    showRecordingState();
    advance();
}

void MonitorWindow::hideEvent(QHideEvent *event)
{
    repaintTimer.stop();
    statusTimer.stop();
    QDialog::hideEvent(event);
}

// Closing the window (or Escape) ends a recording cleanly: its count and time show nowhere else.
void MonitorWindow::reject()
{
    monitor.finishRecording();
    QDialog::reject();
}
