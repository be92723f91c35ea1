// SPDX-License-Identifier: GPL-3.0-or-later
#include "writesession.h"

#include "link/serialsession.h"
#include "readsession.h"

WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const QVector<TextFrame> &frames,
                              bool verify, const std::function<void(TextFrame, int, int)> &progress,
                              int quietMs)
{
    WriteOutcome outcome;
    SerialSession link(portName);
    bool alive = link.openAndGreet();
    std::array<QString, 4> sentText;
    for (int i = 0; alive && i < frames.size(); ++i) {
        if (progress) progress(frames[i], i, int(frames.size()));
        sentText[size_t(frames[i])] = buildFrame(frames[i], set, frameTemplate(frames[i]));
        link.send(sentText[size_t(frames[i])].toLatin1());
        ++outcome.framesSent;
        alive = link.wait(kFrameGapMs);
    }
    if (!alive) {
        outcome.failure = link.failure();
        return outcome;
    }
    link.send("WWW");
    if (verify) {
        ReadOutcome back;
        if (!readModelOver(link, back, {}, quietMs)) {
            outcome.failure = link.failure();
            return outcome;
        }
        // Frames not sent are expected to stay as the transmitter had them.
        ParameterSet expected = back.set;
        for (TextFrame f : frames) readFrameFields(f, sentText[size_t(f)], 0, expected);
        QVector<int> arrived;
        for (int n = 1; n <= kFrameNumbers; ++n)
            if (!back.missing.contains(n)) arrived << n;
        const bool sentTrims = frames.contains(TextFrame::I);
        outcome.checked = true;
        outcome.uncheckedFrames = back.missing;
        outcome.differences = compareReadBack(expected, back.set, arrived,
                                              sentTrims ? back.trims : std::optional<std::array<int, 4>>());
    }
    link.close();
    return outcome;
}
