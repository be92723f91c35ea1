// SPDX-License-Identifier: GPL-3.0-or-later
// Soak: the program's window, shown, against the transmitter emulator streaming at the link's full
// rate (115200 baud carry 576 twenty-byte frames a second: channel frames at 524/s with a telemetry
// frame after every tenth) for SECONDS (default 600). Prints the CPU the program used (% of one core),
// its RSS at the start and end of the measured span, the frames the emulator sent and the frames the
// receive path handed on; exits non-zero if a frame went missing.
//
// The window runs in this process exactly as main() runs it, so that OPEN can be pressed without a
// desktop; the emulator is a process of its own (build/txemu), so its work is not counted.
#include "app/mainwindow.h"
#include "link/blocks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kChannelHz = 524;
constexpr int kTelemetryEvery = 10;
// The first seconds of moving bars fill Qt's caches (glyphs, style rules, pixmaps): growth before that
// is the program settling, not a leak.
constexpr int kWarmUpMs = 10000;

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString(argv[1]).toInt() : 600;
    if (seconds <= 0) return fail("usage: bench_soak [SECONDS]");

    QProcess emulator;
    emulator.setStandardErrorFile(QProcess::nullDevice()); // it logs every "WWW"
    emulator.start(QCoreApplication::applicationDirPath() + "/txemu",
                   QStringList{"--channel-rate", QString::number(kChannelHz), "--telemetry-every",
                               QString::number(kTelemetryEvery), "--write-gap", "1"});
    if (!emulator.waitForReadyRead(5000)) return fail("the emulator did not start");
    const QString port = QString::fromLocal8Bit(emulator.readLine()).trimmed();
    qputenv("TXCONFIG_EXTRA_PORTS", port.toLocal8Bit());

    MainWindow window;
    window.show();
    auto *box = window.findChild<QComboBox *>("portNameBox");
    auto *open = window.findChild<QAbstractButton *>("openButton");
    // The ports are listed as the window first draws the port box.
    if (!runUntil([&] { return box->findText(port) >= 0; }, 5000)) return fail("the port was not listed");
    box->setCurrentIndex(box->findText(port));
    const double rssOpened = rssMiB();
    open->click();
    if (open->text() != "CLOSE") return fail("the port did not open");

    runFor(kWarmUpMs);
    const double cpuStart = cpuSeconds(), rssStart = rssMiB();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    const double cpu = cpuSeconds() - cpuStart, elapsed = wall.elapsed() / 1000.0, rssEnd = rssMiB();

    // Stop the stream without closing the port, so every frame already sent can still arrive.
    ::kill(pid_t(emulator.processId()), SIGUSR1);
    QByteArray tally;
    runUntil(
        [&] {
            tally += emulator.readAllStandardOutput();
            return tally.contains('\n');
        },
        10000);
    const QRegularExpression counts(
        "streamed: (\\d+) channel frames, (\\d+) telemetry frames; received: (\\d+)");
    const auto match = counts.match(QString::fromLatin1(tally));
    if (!match.hasMatch()) return fail("the emulator gave no tally");
    const quint64 sentChannel = match.captured(1).toULongLong(),
                  sentTelemetry = match.captured(2).toULongLong();
    const auto &got = window.framesReceived();
    auto gotChannel = [&] { return got[size_t(FrameKind::Channel)]; };
    auto gotTelemetry = [&] { return got[size_t(FrameKind::Telemetry)]; };
    runUntil([&] { return gotChannel() >= sentChannel && gotTelemetry() >= sentTelemetry; }, 5000);

    const quint64 sent = sentChannel + sentTelemetry, decoded = gotChannel() + gotTelemetry();
    std::printf("span:       %.0f s measured after %d s of warm-up\n", elapsed, kWarmUpMs / 1000);
    std::printf("CPU:        %.2f s = %.2f %% of one core\n", cpu, 100 * cpu / elapsed);
    std::printf("RSS:        %.2f MiB at the start, %.2f MiB at the end (%+.2f MiB); %.2f MiB before OPEN\n",
                rssStart, rssEnd, rssEnd - rssStart, rssOpened);
    std::printf("sent:       %llu frames (%llu channel, %llu telemetry), %.0f/s over the whole stream\n",
                sent, sentChannel, sentTelemetry, sent / (elapsed + kWarmUpMs / 1000.0));
    std::printf("decoded:    %llu frames (%llu channel, %llu telemetry) in %s notifications\n", decoded,
                gotChannel(), gotTelemetry(), qPrintable(match.captured(3)));
    std::printf("lost:       %lld frames\n", static_cast<long long>(sent) - static_cast<long long>(decoded));

    open->click(); // CLOSE
    emulator.terminate();
    emulator.waitForFinished(5000);
    return decoded == sent ? 0 : 1;
}
