// SPDX-License-Identifier: GPL-3.0-or-later
// The show floor: the plainest Qt window that shows what the program's window shows of the live
// stream, for bench_soak to measure the program against. A 1100x680 QMainWindow with 8 vertical
// QProgressBars (the channels) and 10 QLineEdits (the values and telemetry), each set only when its
// value changed, every 100 ms; fed by the same exchange on a thread (poll, read, "WWW", each read's
// whole frames decoded with the program's own decoders).
//
//   show_floor PORT WARMUP_SECONDS SECONDS
//
// Prints "CPU_SECONDS SPAN_SECONDS FRAMES" once the span is over and the line has been quiet for a
// second.
#include "link/blocks.h"
#include "params/parameterset.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QTimer>

#include "rawport.h"
#include <atomic>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Shared {
    std::mutex lock;
    ParameterSet live;
    std::atomic<quint64> frames{0};
    std::atomic<qint64> lastReadMs{0};
    std::atomic<bool> stop{false};
};

void readLine(int fd, Shared &shared, const QElapsedTimer &clock)
{
    char buffer[4096];
    ParameterSet live;
    while (!shared.stop) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) continue;
        (void)!::write(fd, "WWW", 3);
        shared.lastReadMs = clock.elapsed();
        // The emulator writes a frame at a time, and a read holds whole frames.
        for (ssize_t at = 0; at + 20 <= n; at += 20) {
            const QByteArray frame(buffer + at, 20);
            const FrameKind kind = classifyFrame(frame);
            if (kind == FrameKind::Channel)
                decodeChannelFrame(frame, live);
            else if (kind == FrameKind::Telemetry)
                decodeTelemetryFrame(frame, live);
            else
                continue;
            ++shared.frames;
        }
        const std::lock_guard<std::mutex> hold(shared.lock);
        shared.live = live;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PORT WARMUP_SECONDS SECONDS\n", argv[0]);
        return 2;
    }
    const int warmUpMs = int(std::atof(argv[2]) * 1000), spanMs = int(std::atof(argv[3]) * 1000);
    const int fd = openRawPort(argv[1]);
    if (fd < 0) return 2;

    QMainWindow window;
    auto *central = new QWidget(&window);
    auto *grid = new QGridLayout(central);
    QProgressBar *bars[8];
    for (int i = 0; i < 8; ++i) {
        bars[i] = new QProgressBar(central);
        bars[i]->setOrientation(Qt::Vertical);
        bars[i]->setRange(0, 2000);
        grid->addWidget(bars[i], 0, i);
    }
    QLineEdit *values[10];
    for (int i = 0; i < 10; ++i) {
        values[i] = new QLineEdit(central);
        values[i]->setReadOnly(true);
        grid->addWidget(values[i], 1 + i / 8, i % 8);
    }
    window.setCentralWidget(central);
    window.resize(1100, 680);
    window.show();

    Shared shared;
    QElapsedTimer clock;
    clock.start();
    std::thread reader(readLine, fd, std::ref(shared), std::cref(clock));

    int shownBars[8], shownValues[10];
    std::fill(std::begin(shownBars), std::end(shownBars), -1);
    std::fill(std::begin(shownValues), std::end(shownValues), -1);
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, [&] {
        ParameterSet live;
        {
            const std::lock_guard<std::mutex> hold(shared.lock);
            live = shared.live;
        }
        for (int i = 0; i < 8; ++i) {
            const int v = live.*fields::servoOut[i];
            if (v != shownBars[i]) bars[i]->setValue(shownBars[i] = v);
            if (v != shownValues[i]) values[i]->setText(QString::number(shownValues[i] = v));
        }
        const int telemetry[2] = {live.txVoltage, live.rssiRaw};
        for (int i = 0; i < 2; ++i)
            if (telemetry[i] != shownValues[8 + i])
                values[8 + i]->setText(QString::number(shownValues[8 + i] = telemetry[i]));
    });
    refresh.start(100);

    double cpuStart = -1, spanCpu = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 t = clock.elapsed();
        if (cpuStart < 0 && t >= warmUpMs) cpuStart = cpuSeconds();
        if (cpuStart >= 0 && spanCpu < 0 && t >= warmUpMs + spanMs) spanCpu = cpuSeconds() - cpuStart;
        if (spanCpu >= 0 && t - shared.lastReadMs >= 1000) app.quit(); // the stream has stopped
    });
    watch.start(250);
    app.exec();
    shared.stop = true;
    reader.join();
    std::printf("%.3f %.3f %llu\n", spanCpu, spanMs / 1000.0, static_cast<unsigned long long>(shared.frames));
    ::close(fd);
    return 0;
}
