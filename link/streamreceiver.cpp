#include "link/streamreceiver.h"

#include "link/blocks.h"

namespace {

constexpr int kWait = 0;
constexpr int kDrop = -1;

quint8 at(const char *p, int i)
{
    return quint8(p[i]);
}

bool isLive(quint8 id)
{
    return id == kChannelId || id == kTelemetryId;
}
// 0xAA is listed too: block 17.
bool isListedCode(quint8 code)
{
    return paramBlockNumber(code) != 0;
}

// What starts at p (n bytes available): the length of the frame to take, kWait or kDrop.
int frameAtHead(const char *p, int n)
{
    if (n < 2) return kWait;
    if (at(p, 0) == kMarker && isLive(at(p, 1))) return n >= kLiveFrameLength ? kLiveFrameLength : kWait;
    if (n < 3) return kWait;
    const quint8 code = at(p, 2);
    if (at(p, 0) == kMarker) {
        if (!isListedCode(code)) return kDrop;
        if (n < kParamBlockLength) return kWait;
        if (at(p, 11) == kMarker) return kParamBlockLength;
        return code == kAuxCode ? kAuxBlockLength : kDrop;
    }
    if (code == kAuxCode) return n >= kAuxBlockLength ? kAuxBlockLength : kWait;
    return kDrop;
}

} // namespace

bool StreamReceiver::isWholeFrame(const QByteArray &chunk)
{
    switch (classifyFrame(chunk)) {
    case FrameKind::None:
        return false;
    case FrameKind::Channel:
    case FrameKind::Telemetry:
        return true;
    case FrameKind::ParamBlock:
        return !isLive(quint8(chunk.at(1)));
    case FrameKind::AuxBlock:
        return quint8(chunk.at(0)) != kMarker;
    }
    return false;
}

QVector<QByteArray> StreamReceiver::feed(const QByteArray &chunk)
{
    QVector<QByteArray> frames;
    if (m_buffer.isEmpty() && isWholeFrame(chunk)) {
        frames.append(chunk);
        return frames;
    }
    m_buffer.append(chunk);

    // Walk with an offset and cut once at the end: a megabyte of garbage must not cost a copy per byte.
    const char *data = m_buffer.constData();
    const int size = int(m_buffer.size());
    int head = 0;
    while (head < size) {
        const int verdict = frameAtHead(data + head, size - head);
        if (verdict == kWait) break;
        if (verdict == kDrop) {
            ++head;
            continue;
        }
        frames.append(QByteArray(data + head, verdict));
        head += verdict;
    }
    m_buffer.remove(0, head);
    if (m_buffer.size() > kMaxBuffered) m_buffer.remove(0, m_buffer.size() - kMaxBuffered);
    return frames;
}
