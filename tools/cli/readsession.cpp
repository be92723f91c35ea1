#include "readsession.h"

#include "link/blocks.h"
#include "link/streamreceiver.h"
#include "seriallink.h"

#include <bitset>

ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress, int quietMs)
{
    ReadOutcome outcome;
    SerialLink link(portName);
    if (!link.open()) {
        outcome.failure = link.failure();
        return outcome;
    }

    StreamReceiver receiver;
    std::bitset<kFrameNumbers + 1> arrived; // indexed by frame number
    auto received = [&] { return int(arrived.count()); };
    auto complete = [&] { return received() == kFrameNumbers && outcome.trimsReceived; };
    link.onData = [&](const QByteArray &chunk) {
        const int before = received();
        for (const QByteArray &frame : receiver.feed(chunk)) {
            const DecodedFrame decoded = decodeFrame(frame, outcome.set);
            if (decoded.number) arrived.set(decoded.number);
            if (decoded.kind == FrameKind::Telemetry) outcome.trimsReceived = true;
        }
        // One answer per notification, as the window gives: the transmitter paces itself on them.
        link.send("WWW");
        if (progress && received() != before) progress(received());
    };

    link.send("OK");
    bool alive = link.wait(SerialLink::kSettleMs);
    if (alive) link.send("RR");
    // Each round waits for something new; a round that brings nothing ends the read.
    while (alive && !complete()) {
        const int blocks = received();
        const bool trims = outcome.trimsReceived;
        alive = link.wait(quietMs, [&] { return received() != blocks || outcome.trimsReceived != trims; });
        if (received() == blocks && outcome.trimsReceived == trims) break;
    }
    if (!alive) {
        outcome.failure = link.failure();
        return outcome;
    }
    link.close();
    for (int number = 1; number <= kFrameNumbers; ++number)
        if (!arrived.test(number)) outcome.missing.append(number);
    return outcome;
}
