// SPDX-License-Identifier: GPL-3.0-or-later
// Times one listing of the serial ports, the work the port box would repeat every second while the
// link is closed, against the check that runs instead when nothing changed.
#include "app/portlist.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

void listPorts(benchmark::State &state)
{
    for (auto _ : state) benchmark::DoNotOptimize(availablePortEntries());
}
BENCHMARK(listPorts)->Unit(benchmark::kMillisecond);

void lookForChange(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(QFileInfo(QStringLiteral("/dev")).lastModified());
        benchmark::DoNotOptimize(qgetenv("TXCONFIG_EXTRA_PORTS"));
    }
}
BENCHMARK(lookForChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
