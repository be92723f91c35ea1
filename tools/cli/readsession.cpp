// SPDX-License-Identifier: GPL-3.0-or-later
#include "readsession.h"

#include "link/blocks.h"
#include "link/serialsession.h"
#include "link/streamreceiver.h"

#include <algorithm>

bool readModelOver(SerialSession &link, ReadOutcome &outcome, const std::function<void(int)> &progress,
                   int quietMs)
{
    StreamReceiver receiver;
    ReadAnswer answer;
    auto complete = [&] { return answer.complete() && outcome.trimsReceived; };
    link.onData = [&](const QByteArray &chunk) {
        const int before = answer.received();
        receiver.setAwaited(answer.awaitedNumbers());
        for (const QByteArray &frame : receiver.feed(chunk)) {
            const DecodedFrame id = identifyFrame(frame);
            if (id.kind == FrameKind::Telemetry) {
                outcome.trimsReceived = true;
                outcome.trims = telemetryTrims(frame);
            }
            // Blocks count only in answer to our "RR"; a copy of one we have changes nothing.
            const bool block = id.kind == FrameKind::ParamBlock || id.kind == FrameKind::AuxBlock;
            if (block && answer.offer(frame, id.number) != ReadAnswer::Offer::Take) continue;
            decodeFrame(frame, outcome.set);
        }
        // One answer per notification, as the window gives: the transmitter paces itself on them.
        link.send("WWW");
        if (progress && answer.received() != before) progress(answer.received());
    };

    bool alive = true;
    answer.begin();
    for (int ask = 0; alive && ask < ReadAnswer::kAsks && !complete(); ++ask) {
        if (ask > 0 && !answer.complete()) answer.askAgain();
        if (ask == 0 || !answer.complete()) link.send("RR");
        // Each round waits for something new; a round that brings nothing ends it.
        for (;;) {
            const int blocks = answer.received();
            const bool trims = outcome.trimsReceived;
            alive = link.wait(quietMs, [&] {
                return complete() || answer.received() != blocks || outcome.trimsReceived != trims;
            });
            if (!alive || complete()) break;
            if (answer.received() == blocks && outcome.trimsReceived == trims) break;
        }
        // Only missing blocks are worth asking for again; missing telemetry is not.
        if (answer.complete()) break;
    }
    answer.end();
    link.onData = nullptr;
    outcome.missing = answer.missing();
    for (int n : answer.conflicts())
        if (!outcome.missing.contains(n)) outcome.missing.append(n);
    std::sort(outcome.missing.begin(), outcome.missing.end());
    return alive;
}

ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress, int quietMs)
{
    ReadOutcome outcome;
    SerialSession link(portName);
    if (!link.openAndGreet() || !readModelOver(link, outcome, progress, quietMs)) {
        outcome.failure = link.failure();
        return outcome;
    }
    link.close();
    return outcome;
}
