// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file reader. The input is a file the user picked: whatever it holds, and even if it
// never ends (a device picked by mistake), reading it must neither crash nor take more than the cap.
// The same bytes also give a parameter set to save: a file this program saves reads back exactly the
// set it holds.
#include "carried.h"
#include "files/paramfile.h"
#include "link/textframes.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The input, then the input again and again, with no end; counts the bytes it hands out.
class EndlessFile : public QIODevice
{
public:
    EndlessFile(const uint8_t *data, size_t size) : m_data(data), m_size(qint64(size)) {}
    bool isSequential() const override { return true; }
    qint64 served() const { return m_served; }

protected:
    qint64 readData(char *out, qint64 max) override
    {
        if (m_size == 0 || max <= 0) return m_size == 0 ? -1 : 0;
        // One period from where the last read stopped, then doubled: a byte loop is too slow here.
        const qint64 at = m_served % m_size;
        qint64 done = std::min(max, m_size - at);
        std::memcpy(out, m_data + at, size_t(done));
        if (done < max) {
            const qint64 n = std::min(max - done, at);
            std::memcpy(out + done, m_data, size_t(n));
            done += n;
        }
        while (done < max) {
            const qint64 n = std::min(max - done, done - done % m_size);
            std::memcpy(out + done, out, size_t(n));
            done += n;
        }
        m_served += max;
        return max;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const uint8_t *m_data;
    qint64 m_size;
    qint64 m_served = 0;
};

void check(bool ok, const char *what)
{
    if (ok) return;
    std::fprintf(stderr, "fuzz_paramfile: %s\n", what);
    std::abort();
}

void readAnyFile(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer finite(&bytes);
    finite.open(QIODevice::ReadOnly);
    ParameterSet p;
    readParameterText(readParameterFileText(finite), p);

    // Reading 64 KiB for every input would slow the fuzzer tenfold; one length in sixteen is plenty
    // now that no content can stretch the read.
    if (size % 16 != 0) return;
    EndlessFile endless(data, size);
    endless.open(QIODevice::ReadOnly);
    const QString text = readParameterFileText(endless);
    check(endless.served() <= kMaxParameterFileBytes, "read past the cap");
    check(text.size() <= kMaxParameterFileBytes, "text longer than the cap");
    readParameterText(text, p);
}

// Values well beyond what each field holds, so that clamping is exercised too.
ParameterSet setFrom(FuzzedDataProvider &in)
{
    ParameterSet p;
    for (TextFrame frame : kSendOrder)
        for (const CarriedField &c : carried(frame)) {
            const int value = in.ConsumeIntegralInRange(c.low - 300, c.high + 300);
            if (c.volts)
                p.*c.volts = value / 10.0;
            else
                p.*c.field = value;
        }
    return p;
}

void savedFileReadsBack(FuzzedDataProvider &in)
{
    ParameterSet saved = setFrom(in);
    const ParameterSet before = saved;
    QString frames;
    for (TextFrame frame : kSendOrder) frames += buildFrame(frame, saved, frameTemplate(frame));
    QByteArray file = frames.toLatin1();
    check(file.size() == 324, "saved file is not 324 bytes");

    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    ParameterSet back;
    const LoadedFrames loaded = readParameterText(readParameterFileText(device), back);
    check(loaded.s && loaded.g && loaded.h && loaded.i, "a saved frame was skipped");
    for (TextFrame frame : kSendOrder)
        for (const CarriedField &c : carried(frame)) {
            const int sent = c.volts ? voltsToTenths(before.*c.volts) : before.*c.field;
            const int expected = std::clamp(sent, c.low, c.high);
            check(back.*c.field == expected, "a field did not read back as saved");
            if (c.volts) check(back.*c.volts == expected / 10.0, "volts did not read back as saved");
        }
    check(back.Vertion == ParameterSet{}.Vertion, "Vertion was loaded");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("txconfig.files.debug=false")); // the "Blength" lines
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readAnyFile(data, size);
    FuzzedDataProvider in(data, size);
    savedFileReadsBack(in);
    return 0;
}
