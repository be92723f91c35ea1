// SPDX-License-Identifier: GPL-3.0-or-later
// The text-frame field reader, on any text and any frame start, even one that puts the frame partly or
// wholly outside the text. It must read nothing but its frame's characters, write nothing but its
// frame's parameters, and set each voltage together with its tenths.
#include "carried.h"
#include "link/textframes.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void check(bool ok, const char *what)
{
    if (ok) return;
    std::fprintf(stderr, "fuzz_textfields: %s\n", what);
    std::abort();
}

// A set whose every carried value differs from the start-up set's, to see what a read leaves alone.
ParameterSet shifted()
{
    ParameterSet p;
    for (TextFrame frame : kSendOrder)
        for (const CarriedField &c : carried(frame)) {
            p.*c.field += 1000;
            if (c.volts) p.*c.volts += 100.0;
        }
    return p;
}

bool sameFields(const ParameterSet &a, const ParameterSet &b, TextFrame frame)
{
    for (const CarriedField &c : carried(frame)) {
        if (a.*c.field != b.*c.field) return false;
        if (c.volts && a.*c.volts != b.*c.volts) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const TextFrame frame = kSendOrder[in.ConsumeIntegralInRange(0, 3)];
    const QByteArray bytes = QByteArray::fromStdString(in.ConsumeRemainingBytesAsString());
    const QString text = QString::fromUtf8(bytes);
    const int length = frameFieldLength(frame);
    // Starts before, inside and past the text.
    const int start = int(size % unsigned(text.size() + 2 * length + 1)) - length;

    ParameterSet fromStartUp;
    readFrameFields(frame, text, start, fromStartUp);

    // Only the frame's own characters count: the rest of the text replaced, the same values come out.
    QString framed(text.size(), QChar(0x2603));
    for (int i = std::max(start, 0); i < std::min(start + length, int(text.size())); ++i) framed[i] = text[i];
    ParameterSet fromShifted = shifted();
    readFrameFields(frame, framed, start, fromShifted);
    check(sameFields(fromStartUp, fromShifted, frame), "a value depends on text outside the frame");

    // The other frames' parameters, the version and the live values stay as they were.
    const ParameterSet startUp, other = shifted();
    for (TextFrame f : kSendOrder)
        if (f != frame) {
            check(sameFields(fromStartUp, startUp, f), "another frame's parameter changed");
            check(sameFields(fromShifted, other, f), "another frame's parameter changed");
        }
    check(fromStartUp.Vertion == startUp.Vertion && fromStartUp.servoOut1 == startUp.servoOut1 &&
              fromStartUp.StkTrimLock == startUp.StkTrimLock,
          "a parameter no frame carries changed");

    for (const CarriedField &c : carried(frame))
        if (c.volts) check(fromStartUp.*c.volts == fromStartUp.*c.field / 10.0, "volts disagree with tenths");
    return 0;
}
