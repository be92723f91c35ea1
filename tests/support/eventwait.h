// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Waiting the way the tool waits: a local event loop, no sleeping in between. QTest::qWait sleeps
// between rounds of events, which merges writes that a running application would see one by one.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace support {

// Runs the event loop until `done` holds or `timeoutMs` has passed; returns whether it held.
inline bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs) loop.quit();
    });
    if (done()) return true;
    poll.start(1);
    loop.exec();
    return done();
}

inline void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}

} // namespace support
