// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the live exchange: what a program must spend at the very least to take the transmitter's
// stream. It opens PORT as the window does (115200 baud, raw), sends "OK", and then does nothing but wait
// for the descriptor, read what is there and answer "WWW", once per read. No Qt, no decoding, no display.
//
//   soak_floor PORT WARMUP_SECONDS SECONDS
//
// After WARMUP_SECONDS it measures its CPU for SECONDS, then goes on reading until the line has been
// quiet for a second, and prints "CPU_SECONDS SPAN_SECONDS BYTES READS" (BYTES and READS over the whole
// run) for bench_soak to set beside the program's figures.
#include "rawport.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool writeAll(int fd, const char *text, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, text, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        text += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PORT WARMUP_SECONDS SECONDS\n", argv[0]);
        return 2;
    }
    const double warmUp = std::atof(argv[2]), seconds = std::atof(argv[3]);
    const int fd = openRawPort(argv[1]);
    if (fd < 0) return 2;

    const double start = now();
    double spanStart = 0, cpuStart = 0, spanCpu = -1, lastRead = start;
    unsigned long long bytes = 0, reads = 0;
    char buf[4096];
    for (;;) {
        const double t = now();
        if (spanStart == 0 && t - start >= warmUp) {
            spanStart = t;
            cpuStart = cpuSeconds();
        }
        if (spanStart > 0 && spanCpu < 0 && t - spanStart >= seconds) spanCpu = cpuSeconds() - cpuStart;
        if (spanCpu >= 0 && t - lastRead >= 1.0) break; // the stream has stopped
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) continue;
        bytes += size_t(n);
        ++reads;
        lastRead = now();
        if (!writeAll(fd, "WWW", 3)) return 2;
    }
    std::printf("%.3f %.3f %llu %llu\n", spanCpu, seconds, bytes, reads);
    ::close(fd);
    return 0;
}
