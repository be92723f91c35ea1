// SPDX-License-Identifier: GPL-3.0-or-later
// Times one display pass on a shown window whose parameter set does not change (the steady case
// that runs ten times a second for the whole session), and one pass after every value changed,
// painting included.
#include "app/mainwindow.h"
#include "params/parameterset.h"

#include <QApplication>
#include <QMetaMethod>
#include <benchmark/benchmark.h>

namespace {

MainWindow *window = nullptr;

QMetaMethod slot(const char *signature)
{
    const QMetaObject *meta = window->metaObject();
    return meta->method(meta->indexOfMethod(signature));
}

void steadyDisplayPass(benchmark::State &state)
{
    const QMetaMethod pass = slot("ui_Display()");
    pass.invoke(window, Qt::DirectConnection);
    for (auto _ : state) pass.invoke(window, Qt::DirectConnection);
}
BENCHMARK(steadyDisplayPass)->Unit(benchmark::kMicrosecond);

void changingDisplayPass(benchmark::State &state)
{
    const QMetaMethod pass = slot("ui_Display()");
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        for (IntField f : fields::servoOut) params.*f = 500 + (tick * 37) % 1000;
        params.sub1 = tick % 2 ? 10 : -10;
        params.THCURE_Data04 = tick % 2 ? 40 : 60;
        params.txVoltage = 700 + tick % 100;
        pass.invoke(window, Qt::DirectConnection);
        QCoreApplication::processEvents(); // the repaints the pass asked for count too
    }
}
BENCHMARK(changingDisplayPass)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow w;
    w.show();
    QCoreApplication::processEvents();
    window = &w;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
