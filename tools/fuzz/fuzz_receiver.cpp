// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the stream receiver. The input chooses a stream of frames (kinds and
// payloads), where the port opened (at a frame's start, inside a live frame, or after junk) and
// where the line cut it into notifications.
//
// Always: no fault, bounded memory, and every frame handed out is a whole frame made of bytes that
// came in that order. On streams whose bytes decide them (every other reading contradicted within
// the receiver's lookahead, and no notification that is one frame by its shape unless it is one sent):
// exactly the frames sent from a frame's start, and otherwise exactly the frames sent from some point
// on, so no block or aux block that was not sent.

#include "framestream.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

// What the receiver may hold at most: a tentative reading's frames and an undecided stretch.
constexpr int kMostBuffered = StreamReceiver::kTrustSpan + StreamReceiver::kDecideSpan + 2 * kLiveFrameLength;

enum class Start { AtFrame, InsideLiveFrame, AfterJunk };

[[noreturn]] void fail(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "fuzz_receiver: %s\n%s\n", what, detail.toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto start = Start(input.ConsumeIntegralInRange(0, 2));
    const int count = input.ConsumeIntegralInRange(1, 16);
    const int maxCut = input.ConsumeIntegralInRange(1, 64);
    auto pick = [&input](int n) { return input.ConsumeIntegralInRange(0, n - 1); };
    framestream::Generator<decltype(pick)> gen(pick);

    QByteArray prefix;
    if (start == Start::InsideLiveFrame)
        prefix = gen.frame(pick(2) ? framestream::Kind::Channel : framestream::Kind::Telemetry)
                     .right(1 + pick(19));
    if (start == Start::AfterJunk)
        for (int i = pick(65); i > 0; --i) prefix.append(char(pick(256)));
    const framestream::Stream s = gen.stream(gen.frames(count), prefix, maxCut);

    StreamReceiver receiver;
    QVector<QByteArray> out;
    for (const QByteArray &chunk : framestream::notifications(s)) {
        out += receiver.feed(chunk);
        if (receiver.buffered() > kMostBuffered) fail("holds too much", chunk);
    }
    int from = 0;
    for (const QByteArray &f : out) {
        const int at = int(s.bytes.indexOf(f, from));
        if (classifyFrame(f) == FrameKind::None || at < 0)
            fail("handed out bytes that are no frame of the line", f);
        from = at + int(f.size());
    }

    const bool exact = start == Start::AtFrame ? out == s.frames : framestream::isTailOf(out, s.frames);
    if (exact) return 0;
    // Held to it only where the bytes can decide (the reference is costly, so asked only now).
    const framestream::Reference reference(s);
    if (reference.decidable() && reference.truthful())
        fail(start == Start::AtFrame ? "lost or invented a frame" : "not the frames sent from some point on",
             s.bytes);
    return 0;
}
