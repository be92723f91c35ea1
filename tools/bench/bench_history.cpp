// SPDX-License-Identifier: GPL-3.0-or-later
// The History window's opening with a full history against a short one: the time from creating the
// window to the first paint of its list, with 1,000 entries and with 10, in alternating runs in one
// process (the medians and their ratio). A window that read every entry before showing would grow
// with the count; one that lists names and counts later should not.
#include "files/history.h"
#include "params/pilotlabels.h"
#include "views/historywindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Fills `folder` with `count` entries of models that differ from each other.
void fill(const QString &folder, int count)
{
    HistoryStore store(folder);
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    QString error;
    for (int i = 0; i < count; ++i) {
        ParameterSet p;
        p.sub1 = i % 200 - 100;
        p.Lepa2 = i % 120;
        store.keep(p, HistoryEvent(i % 11), "/dev/ttyUSB0", &error, start.addSecs(i));
    }
}

// Milliseconds from creating the window to the first paint of its list.
double openMs(const QString &folder)
{
    // The clock stops once the window's paint that drew the list is over: at the first event after it
    // that is not a paint. What the window does in the turns after that is not counted.
    struct FirstPaint : QObject {
        QElapsedTimer clock;
        QObject *list = nullptr;
        bool listPainting = false;
        qint64 paintedAt = -1;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint) {
                if (o == list) listPainting = true;
            } else if (listPainting && paintedAt < 0) {
                paintedAt = clock.nsecsElapsed();
            }
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    HistoryWindow::Form form;
    form.values = [] { return ParameterSet{}; };
    form.restore = [](const ParameterSet &, const QVector<const NamedField *> &) {};
    watch.clock.start();
    HistoryWindow window(folder, form);
    watch.list = window.findChild<QTreeView *>("historyList")->viewport();
    window.show();
    while (watch.paintedAt < 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    qApp->removeEventFilter(&watch);
    return watch.paintedAt / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("txconfig.*.debug=false"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir small, full;
    fill(small.path(), 10);
    fill(full.path(), 1000);
    std::vector<double> ten, thousand;
    for (int i = 0; i < runs; ++i) {
        ten.push_back(openMs(small.path()));
        thousand.push_back(openMs(full.path()));
    }
    std::printf("10 entries     %7.1f ms to the first paint (median of %d)\n", median(ten), runs);
    std::printf("1,000 entries  %7.1f ms to the first paint (median of %d)\n", median(thousand), runs);
    std::printf("ratio          %7.2f\n", median(thousand) / median(ten));
    return 0;
}
