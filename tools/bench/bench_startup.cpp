// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost of one process: `bench_startup program` starts as the program does (application,
// main window, show; English with its catalogue, as the program installs it), `bench_startup program-de`
// the same in German (Qt's catalogue and the program's), `bench_startup bare` with a bare 1100x680
// QMainWindow instead (as Qt starts any window: on X with Qt 5 that loads the GL driver), `bench_startup
// bare-nogl` the bare window started without GL integration as the program starts, `bench_startup labelled`
// the bare window with one label (what any window showing a word pays: Qt opens its font database for the
// first text). At the event loop's first turn it prints the CPU
// used so far (user + system, ms) and the peak RSS (MiB), then exits. scripts/bench startup runs both a
// number of times and prints them side by side.
#include "app/glchoice.h"
#include "app/mainwindow.h"
#include "files/language.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

double cpuMs(const rusage &u)
{
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool labelled = argc > 1 && std::strcmp(argv[1], "labelled") == 0;
    const bool bareNoGl = argc > 1 && std::strcmp(argv[1], "bare-nogl") == 0;
    const bool german = argc > 1 && std::strcmp(argv[1], "program-de") == 0;
    if (argc < 2 || (!bare && !labelled && !bareNoGl && !german && std::strcmp(argv[1], "program") != 0)) {
        std::fprintf(stderr, "usage: %s program|program-de|bare|bare-nogl|labelled\n", argv[0]);
        return 2;
    }
    // The program asks for no GL integration as main() does; the bare windows start as Qt starts any
    // window (`bare` and `labelled`), or likewise without GL (`bare-nogl`).
    const bool withoutGl = (!bare && !labelled) || bareNoGl ? leaveOutOpenGl() : false;
    QApplication app(argc, argv);
    std::unique_ptr<Translations> words;
    if (!bare && !labelled)
        words = std::make_unique<Translations>(german ? QStringLiteral("de") : QStringLiteral("en"));
    std::unique_ptr<QMainWindow> window;
    if (bare || labelled || bareNoGl) {
        window = std::make_unique<QMainWindow>();
        window->resize(1100, 680);
        // The floor of any window that shows a word: Qt opens its font database for the first text.
        if (labelled) window->setCentralWidget(new QLabel(QStringLiteral("CH1")));
    } else {
        window = std::make_unique<MainWindow>();
    }
    window->show();
    restoreOpenGlChoice(withoutGl);
    QTimer::singleShot(0, &app, [] {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        std::printf("%.1f %.1f\n", cpuMs(u), u.ru_maxrss / 1024.0);
        std::fflush(stdout);
        std::_Exit(0); // the measurement is taken; tearing the window down would only slow the runs
    });
    return app.exec();
}
