// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP as an ordinary event: the handler only writes a byte to a pipe, and
// `onSignal` runs from the event loop when it is read. One instance per process.
class SignalExit : public QObject
{
public:
    explicit SignalExit(std::function<void()> onSignal, QObject *parent = nullptr);
    ~SignalExit() override;

private:
    std::function<void()> onSignal;
    QSocketNotifier *notifier = nullptr;
};
