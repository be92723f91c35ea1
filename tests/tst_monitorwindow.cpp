// SPDX-License-Identifier: GPL-3.0-or-later
// The Monitor window beside the form, over the emulator: opened by Ctrl+M, paused and resumed with
// Space while the frames keep being kept, read by the cursor; a recording from the views menu that
// ends with the monitor window or the port.

#include "views/livemonitor.h"
#include "views/monitorwindow.h"
#include "app/noticebar.h"
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "widgets/monitorplot.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using support::LinkRig;
using support::ModalWatcher;

namespace {

MonitorWindow *openMonitor(LinkRig &rig)
{
    rig.window->show();
    if (!QTest::qWaitForWindowActive(rig.window.get())) return nullptr;
    QTest::keyClick(rig.window.get(), Qt::Key_M, Qt::ControlModifier);
    return rig.window->findChild<MonitorWindow *>("monitorWindow");
}

int channelSamples(const LiveMonitor &monitor)
{
    return monitor.rings().channels().size();
}

QByteArrayList csvLines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList();
}

} // namespace

class TestMonitorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.*.debug=false"); }

    // Pause freezes the picture; the rings go on taking every frame, and Resume shows them.
    void pauseFreezesTheGraphAndKeepsTheFrames()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        MonitorWindow *monitor = openMonitor(rig);
        QVERIFY(monitor && monitor->isVisible() && !monitor->isModal());
        QCOMPARE(monitor->windowTitle(), QString("Monitor"));
        const auto *live = rig.window->findChild<LiveMonitor *>();
        QVERIFY(support::runUntil([&] { return channelSamples(*live) > 20; }, 3000));
        MonitorPlot *plot = monitor->channelPlot();
        // The span, to a whole number of columns.
        const qint64 columnUs =
            qint64(MonitorWindow::kDefaultSpanSeconds) * 1000000 / plot->plotArea().width();
        QCOMPARE(plot->viewToUs() - plot->viewFromUs(), columnUs * plot->plotArea().width());
        QCOMPARE(monitor->telemetryPlot()->plotArea().width(), plot->plotArea().width());

        QTest::keyClick(monitor, Qt::Key_Space);
        QVERIFY(monitor->isPaused());
        QCOMPARE(monitor->findChild<QPushButton *>("pauseButton")->text(), QString("Resume"));
        const qint64 frozenEnd = plot->viewToUs();
        const int frozenSamples = monitor->shownRings().channels().size();
        const int liveBefore = channelSamples(*live);
        QVERIFY(support::runUntil([&] { return channelSamples(*live) > liveBefore + 10; }, 3000));
        QCOMPARE(plot->viewToUs(), frozenEnd);
        QCOMPARE(monitor->telemetryPlot()->viewToUs(), frozenEnd);
        QCOMPARE(monitor->shownRings().channels().size(), frozenSamples);

        // The cursor reads the frozen values at its time, a few columns before the end.
        const QRect area = plot->plotArea();
        QMouseEvent move(QEvent::MouseMove, QPointF(area.right() - 4, area.center().y()), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        QVERIFY(plot->cursorUs().has_value());
        QCOMPARE(monitor->telemetryPlot()->cursorUs(), plot->cursorUs());
        const SampleRing &ring = monitor->shownRings().channels();
        const int at = ring.lastAtOrBefore(*plot->cursorUs());
        QVERIFY(at >= 0);
        const QString readout = monitor->findChild<QLabel *>("cursorReadout")->text();
        QVERIFY2(readout.contains(QStringLiteral("  CH1 %1  ").arg(ring.value(at, 0))), qPrintable(readout));
        QVERIFY2(readout.startsWith(QStringLiteral("-0.0")), qPrintable(readout));

        QTest::keyClick(monitor, Qt::Key_Space);
        QVERIFY(!monitor->isPaused());
        QVERIFY(plot->viewToUs() > frozenEnd);
        QVERIFY(monitor->shownRings().channels().size() > frozenSamples);

        // A channel unticked in the legend is hidden; the span is chosen from 2 to 60 s.
        monitor->findChild<QCheckBox *>("showCH3")->click();
        QVERIFY(!plot->seriesShown(2));
        QVERIFY(plot->seriesShown(1));
        auto *span = monitor->findChild<QSpinBox *>("spanBox");
        QCOMPARE(span->minimum(), 2);
        QCOMPARE(span->maximum(), 60);
        span->setValue(30);
        support::runFor(100);
        QCOMPARE(plot->viewToUs() - plot->viewFromUs(),
                 qint64(30) * 1000000 / plot->plotArea().width() * plot->plotArea().width());

        // Hidden, it repaints no more.
        monitor->hide();
        const qint64 hiddenEnd = plot->viewToUs();
        support::runFor(300);
        QCOMPARE(plot->viewToUs(), hiddenEnd);
    }

    // Record from the views menu: the file is asked for, the monitor shows time and rows; closing
    // the monitor ends the recording, and so does closing the port.
    void aRecordingEndsWithTheMonitorWindowOrThePort()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto *live = rig.window->findChild<LiveMonitor *>();
        auto *record = rig.window->findChild<QAction *>("recordAction");
        QTemporaryDir dir;
        ModalWatcher watcher;
        watcher.answerFileDialog(dir.filePath("first")); // ".csv" is added
        record->trigger();
        QVERIFY(live->recording().isRecording());
        QCOMPARE(live->recording().path(), dir.filePath("first.csv"));
        auto *monitor = rig.window->findChild<MonitorWindow *>("monitorWindow");
        QVERIFY(monitor && monitor->isVisible());
        QVERIFY(support::runUntil([&] { return live->recording().rows() > 20; }, 3000));
        auto *status = monitor->findChild<QLabel *>("recordStatus");
        QTRY_VERIFY(status->text().startsWith("Recording first.csv: 0:0"));
        QCOMPARE(monitor->findChild<QPushButton *>("recordButton")->text(), QString("Stop"));

        monitor->close();
        QVERIFY(!live->recording().isRecording());
        const qint64 rows = live->recording().rowsKept();
        QCOMPARE(csvLines(dir.filePath("first.csv")).size(), int(rows) + 2);

        // A failure is told at the foot of the form and in the monitor; the link goes on.
        QVERIFY(QDir().mkpath(dir.filePath("flight")));
        watcher.answerFileDialog(dir.filePath("flight/gone.csv"));
        record->trigger();
        QVERIFY(live->recording().isRecording());
        QVERIFY(QDir(dir.filePath("flight")).removeRecursively());
        QVERIFY(support::runUntil([&] { return !live->recording().isRecording(); }, 3000));
        const QString notice = live->recording().failure();
        QVERIFY(notice.startsWith("Recording stopped: "));
        auto *bar = rig.window->findChild<NoticeBar *>();
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->text(), notice);
        QCOMPARE(status->text(), notice);
        QCOMPARE(rig.openButton()->text(), QString("CLOSE"));

        // Every frame the emulator sent from the start to the goodbye is a row. The emulator writes from
        // this thread: with nothing of it waiting to be written, and this thread asleep, the line's
        // reader takes all there is and nothing new comes.
        rig.emu.keepLiveFrames();
        QVERIFY(support::runUntil([&] { return !rig.emu.hasPendingOutput(); }, 1000));
        QThread::msleep(100);
        rig.window->session().takeReceived();
        const int sentBefore = rig.emu.liveFramesSent().size();
        QVERIFY(live->recording().start(dir.filePath("second.csv"))); // no dialog: no frame in between
        QVERIFY(support::runUntil([&] { return live->recording().rows() > 20; }, 3000));
        QVERIFY(support::runUntil([&] { return !rig.emu.hasPendingOutput(); }, 1000));
        QThread::msleep(100);      // frames read from the line that the window has not taken yet
        rig.openButton()->click(); // CLOSE
        const int sentUntilGoodbye = rig.emu.liveFramesSent().size();
        QVERIFY(!live->recording().isRecording());
        QCOMPARE(int(live->recording().rowsKept()), sentUntilGoodbye - sentBefore);
        QCOMPARE(csvLines(dir.filePath("second.csv")).size(), int(live->recording().rowsKept()) + 2);
        QCOMPARE(status->text(), QStringLiteral("Recorded %1 rows to %2")
                                     .arg(live->recording().rowsKept())
                                     .arg(dir.filePath("second.csv")));
        QCOMPARE(watcher.dialogs.size(), 2);
        QCOMPARE(watcher.dialogs[1].folder, dir.path()); // the folder of the last file
    }
};

QTEST_MAIN(TestMonitorWindow)
#include "tst_monitorwindow.moc"
