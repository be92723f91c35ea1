#include "writesession.h"

#include "seriallink.h"

WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const QVector<TextFrame> &frames,
                              const std::function<void(TextFrame, int, int)> &progress)
{
    WriteOutcome outcome;
    SerialLink link(portName);
    if (!link.open()) {
        outcome.failure = link.failure();
        return outcome;
    }
    link.send("OK");
    bool alive = link.wait(SerialLink::kSettleMs);
    for (int i = 0; alive && i < frames.size(); ++i) {
        if (progress) progress(frames[i], i, int(frames.size()));
        link.send(buildFrame(frames[i], set, frameTemplate(frames[i])).toLatin1());
        ++outcome.framesSent;
        alive = link.wait(kFrameGapMs);
    }
    if (!alive) {
        outcome.failure = link.failure();
        return outcome;
    }
    link.send("WWW");
    link.close();
    return outcome;
}
