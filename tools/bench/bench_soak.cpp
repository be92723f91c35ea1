// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: the program's window, shown, against the transmitter emulator streaming at the link's full
// rate (115200 baud carry 576 twenty-byte frames a second: channel frames at 524/s with a telemetry
// frame after every tenth) for SECONDS (default 600). Prints the CPU the program used (% of one core),
// its RSS at the start and end of the measured span, the frames the emulator sent and the frames the
// receive path handed on; exits non-zero if a frame went missing.
//
// At the same time a second emulator streams the same to the floor program (build/soak_floor: poll,
// read, "WWW", no Qt), measured over a span of the same length under the same load; the ratio of the
// two is the program's cost over what taking the stream costs at all.
//
// A third emulator streams the same to the show floor (build/show_floor: the plainest Qt window showing
// the same values, fed on a thread), measured the same way; the program's ratio to it is what the window
// costs over the least any window showing the stream costs. With --still the sticks and telemetry hold
// still, so that nothing on the screen changes.
//
// With --monitor the span is cut into slices of kSliceMs, the Monitor window closed and shown in turn
// (closed first), and the program's CPU in each state is printed with their ratio: over whole slices, and
// settled, leaving out each slice's first kSettleMs (showing the window, its first full paint; closing it),
// which a pilot pays once per opening, not every ten seconds.
//
// The window runs in this process exactly as main() runs it, so that OPEN can be pressed without a
// desktop; the emulators are processes of their own (build/txemu), so their work is not counted.
#include "app/glchoice.h"
#include "app/mainwindow.h"
#include "link/blocks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kChannelHz = 524;
constexpr int kTelemetryEvery = 10;
constexpr int kFrameBytes = 20; // channel and telemetry frames alike
// The first seconds of moving bars fill Qt's caches (glyphs, style rules, pixmaps): growth before that
// is the program settling, not a leak.
constexpr int kWarmUpMs = 10000;
constexpr int kSliceMs = 10000;
constexpr int kSettleMs = 2000;

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double rssMiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QRegularExpression rss("VmRSS:\\s+(\\d+) kB");
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : 0;
}

// Runs the event loop until `done` or `ms` have passed, looking every 10 ms: the loop itself must
// sleep between events, or the harness would spend the CPU that is being measured.
template <typename Done> bool runUntil(Done done, int ms)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    look.start(10);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (!done()) loop.exec();
    return done();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int fail(const char *why)
{
    std::fprintf(stderr, "bench_soak: %s\n", why);
    return 2;
}

// A process of the harness. It runs detached, its output going to a file, so that nothing of it (pipes,
// a process descriptor) is watched by the window's event loop and charged to the program.
struct Helper {
    QTemporaryFile output;
    qint64 pid = 0;

    bool start(const QString &program, const QStringList &arguments)
    {
        if (!output.open()) return false;
        QProcess process;
        process.setProgram(QCoreApplication::applicationDirPath() + '/' + program);
        process.setArguments(arguments);
        process.setStandardOutputFile(output.fileName());
        process.setStandardErrorFile(QProcess::nullDevice()); // the emulator logs every "WWW"
        return process.startDetached(&pid);
    }
    // Waits up to `ms` for the output to hold `lines` lines, and returns the last of them.
    QString line(int lines, int ms)
    {
        QStringList got;
        runUntil(
            [&] {
                output.seek(0);
                got = QString::fromLocal8Bit(output.readAll()).split('\n', Qt::SkipEmptyParts);
                return got.size() >= lines;
            },
            ms);
        return got.size() >= lines ? got[lines - 1].trimmed() : QString();
    }
    void signal(int number) const { ::kill(pid_t(pid), number); }
};

// Starts an emulator at the link's full rate; returns its pseudo-terminal, or an empty string.
QString startEmulator(Helper &emulator, bool still)
{
    QStringList arguments{"--channel-rate",    QString::number(kChannelHz),
                          "--telemetry-every", QString::number(kTelemetryEvery),
                          "--write-gap",       "1"};
    if (still) arguments << "--still";
    if (!emulator.start("txemu", arguments)) return QString();
    return emulator.line(1, 5000);
}

struct Tally {
    quint64 channel = 0, telemetry = 0;
    QString wwwReceived;
};

// Stops the emulator's live frames and reads how many it sent.
bool stopStream(Helper &emulator, Tally &tally)
{
    emulator.signal(SIGUSR1);
    const QRegularExpression counts(
        "streamed: (\\d+) channel frames, (\\d+) telemetry frames; received: (\\d+)");
    const auto match = counts.match(emulator.line(2, 10000));
    if (!match.hasMatch()) return false;
    tally = {match.captured(1).toULongLong(), match.captured(2).toULongLong(), match.captured(3)};
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool withoutGl = leaveOutOpenGl(); // as main() starts the program
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool withMonitor = args.removeAll(QStringLiteral("--monitor")) > 0;
    const bool still = args.removeAll(QStringLiteral("--still")) > 0;
    const int seconds = args.isEmpty() ? 600 : args.first().toInt();
    if (seconds <= 0) return fail("usage: bench_soak [SECONDS] [--monitor] [--still]");

    Helper emulator, floorEmulator, floor, showEmulator, show;
    const QString port = startEmulator(emulator, still), floorPort = startEmulator(floorEmulator, still),
                  showPort = startEmulator(showEmulator, still);
    if (port.isEmpty() || floorPort.isEmpty() || showPort.isEmpty())
        return fail("the emulator did not start");
    qputenv("TXCONFIG_EXTRA_PORTS", port.toLocal8Bit());

    MainWindow window;
    window.show();
    restoreOpenGlChoice(withoutGl);
    auto *box = window.findChild<QComboBox *>("portNameBox");
    auto *open = window.findChild<QAbstractButton *>("openButton");
    // The ports are listed as the window first draws the port box.
    if (!runUntil([&] { return box->findText(port) >= 0; }, 5000)) return fail("the port was not listed");
    box->setCurrentIndex(box->findText(port));
    const double rssOpened = rssMiB();
    if (!floor.start("soak_floor",
                     QStringList{floorPort, QString::number(kWarmUpMs / 1000), QString::number(seconds)}))
        return fail("the floor program did not start");
    if (!show.start("show_floor",
                    QStringList{showPort, QString::number(kWarmUpMs / 1000), QString::number(seconds)}))
        return fail("the show floor did not start");
    open->click();
    if (open->text() != "CLOSE") return fail("the port did not open");

    runFor(kWarmUpMs);
    const double cpuStart = cpuSeconds(), rssStart = rssMiB();
    QElapsedTimer wall;
    wall.start();
    // Per state of the monitor: CPU and wall seconds.
    double monitorCpu[2] = {}, monitorWall[2] = {}, settledCpu[2] = {}, settledWall[2] = {};
    if (withMonitor) {
        QAction *showMonitor = window.findChild<QAction *>("monitorAction");
        if (!showMonitor) return fail("the window has no monitor");
        const int slices = std::max(2, seconds * 1000 / kSliceMs / 2 * 2);
        for (int i = 0; i < slices; ++i) {
            const bool shown = i % 2 == 1;
            if (shown)
                showMonitor->trigger();
            else if (auto *monitor = window.findChild<QDialog *>("monitorWindow"))
                monitor->close();
            const double sliceCpu = cpuSeconds();
            QElapsedTimer slice;
            slice.start();
            const int sliceMs = seconds * 1000 / slices;
            runFor(std::min(kSettleMs, sliceMs / 2));
            const double settledStart = cpuSeconds();
            QElapsedTimer settled;
            settled.start();
            runFor(sliceMs - std::min(kSettleMs, sliceMs / 2));
            const double sliceEnd = cpuSeconds();
            monitorCpu[shown] += sliceEnd - sliceCpu;
            monitorWall[shown] += slice.elapsed() / 1000.0;
            settledCpu[shown] += sliceEnd - settledStart;
            settledWall[shown] += settled.elapsed() / 1000.0;
        }
    } else {
        runFor(seconds * 1000);
    }
    const double cpu = cpuSeconds() - cpuStart, elapsed = wall.elapsed() / 1000.0, rssEnd = rssMiB();

    // Stop the stream without closing the port, so every frame already sent can still arrive.
    Tally tally, floorTally;
    if (!stopStream(emulator, tally)) return fail("the emulator gave no tally");
    const quint64 sentChannel = tally.channel, sentTelemetry = tally.telemetry;
    const auto &got = window.session().framesReceived();
    auto gotChannel = [&] { return got[size_t(FrameKind::Channel)]; };
    auto gotTelemetry = [&] { return got[size_t(FrameKind::Telemetry)]; };
    runUntil([&] { return gotChannel() >= sentChannel && gotTelemetry() >= sentTelemetry; }, 5000);

    // The floor started a little before OPEN was pressed; its span ends within this second.
    runFor(1000);
    if (!stopStream(floorEmulator, floorTally)) return fail("the floor's emulator gave no tally");
    Tally showTally;
    if (!stopStream(showEmulator, showTally)) return fail("the show floor's emulator gave no tally");
    const QStringList floorFigures = floor.line(1, 10000).split(' ');
    const QStringList showFigures = show.line(1, 10000).split(' ');
    if (showFigures.size() != 3) return fail("the show floor gave no figures");
    const double showCpu = showFigures[0].toDouble(), showSpan = showFigures[1].toDouble();
    if (floorFigures.size() != 4) return fail("the floor program gave no figures");
    const double floorCpu = floorFigures[0].toDouble(), floorSpan = floorFigures[1].toDouble();
    const quint64 floorSent = floorTally.channel + floorTally.telemetry,
                  floorFrames = floorFigures[2].toULongLong() / kFrameBytes;

    const quint64 sent = sentChannel + sentTelemetry, decoded = gotChannel() + gotTelemetry();
    std::printf("span:       %.0f s measured after %d s of warm-up\n", elapsed, kWarmUpMs / 1000);
    std::printf("CPU:        %.2f s = %.2f %% of one core\n", cpu, 100 * cpu / elapsed);
    std::printf("RSS:        %.2f MiB at the start, %.2f MiB at the end (%+.2f MiB); %.2f MiB before OPEN\n",
                rssStart, rssEnd, rssEnd - rssStart, rssOpened);
    std::printf("sent:       %llu frames (%llu channel, %llu telemetry), %.0f/s over the whole stream\n",
                sent, sentChannel, sentTelemetry, sent / (elapsed + kWarmUpMs / 1000.0));
    std::printf("decoded:    %llu frames (%llu channel, %llu telemetry) in %s notifications\n", decoded,
                gotChannel(), gotTelemetry(), qPrintable(tally.wwwReceived));
    std::printf("lost:       %lld frames\n", static_cast<long long>(sent) - static_cast<long long>(decoded));
    std::printf("floor:      %.2f s = %.2f %% of one core (poll, read, \"WWW\"; no Qt); %llu frames sent, "
                "%llu read in %s reads, %lld lost\n",
                floorCpu, 100 * floorCpu / floorSpan, floorSent, floorFrames,
                qPrintable(floorFigures[3].trimmed()),
                static_cast<long long>(floorSent) - static_cast<long long>(floorFrames));
    std::printf("ratio:      %.2f (program / floor, CPU per second)\n",
                (cpu / elapsed) / (floorCpu / floorSpan));
    std::printf(
        "show floor: %.2f s = %.2f %% of one core (8 bars and 10 fields set when changed, every 100 ms; "
        "fed on a thread); %llu frames sent, %s decoded\n",
        showCpu, 100 * showCpu / showSpan, showTally.channel + showTally.telemetry,
        qPrintable(showFigures[2].trimmed()));
    std::printf("show ratio: %.2f (program / show floor, CPU per second; channels %s)\n",
                (cpu / elapsed) / (showCpu / showSpan), still ? "still" : "moving");

    if (withMonitor) {
        const double closed = monitorCpu[0] / monitorWall[0], shown = monitorCpu[1] / monitorWall[1];
        std::printf("monitor:    closed %.2f %%, shown %.2f %% of one core (%.0f s each, in %d s slices "
                    "taking turns); shown / closed %.2f\n",
                    100 * closed, 100 * shown, monitorWall[0], kSliceMs / 1000, shown / closed);
        const double settledClosed = settledCpu[0] / settledWall[0],
                     settledShown = settledCpu[1] / settledWall[1];
        std::printf(
            "settled:    closed %.2f %%, shown %.2f %% of one core (each slice's first %d s left out); "
            "shown / closed %.2f\n",
            100 * settledClosed, 100 * settledShown, kSettleMs / 1000, settledShown / settledClosed);
    }

    open->click(); // CLOSE
    for (Helper *h : {&emulator, &floorEmulator, &showEmulator}) h->signal(SIGTERM);
    return decoded == sent ? 0 : 1;
}
