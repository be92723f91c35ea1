// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/blocks.h"

#include <algorithm>
#include <vector>

namespace {

using P = ParameterSet;

// How a payload byte (or byte pair) becomes a parameter.
enum class Dec { Plain, Minus100, Minus120, BE16 };

struct BlockField {
    int byte;
    IntField field;
    Dec dec;
    DoubleField volts = nullptr; // set to the value / 10 as well
};

struct BlockRow {
    quint8 code;
    int number;
    std::vector<BlockField> fields;
};

template <std::size_t N> std::vector<BlockField> run(int first, const IntField (&group)[N], Dec dec)
{
    std::vector<BlockField> v;
    for (std::size_t i = 0; i < N; ++i) v.push_back({first + int(i), group[i], dec});
    return v;
}

std::vector<BlockField> join(std::initializer_list<std::vector<BlockField>> parts)
{
    std::vector<BlockField> v;
    for (const auto &part : parts) v.insert(v.end(), part.begin(), part.end());
    return v;
}

const std::vector<BlockRow> &blockTable()
{
    namespace f = fields;
    static const std::vector<BlockRow> table = {
        {0x44, 1, run(3, f::rev, Dec::Plain)},
        {0x55, 2, run(3, f::sub, Dec::Minus120)},
        {0x66, 3, run(3, f::Lepa, Dec::Plain)},
        {0x77, 4, run(3, f::Repa, Dec::Plain)},
        {0x88, 5, run(3, f::FS, Dec::Plain)},
        {0x99,
         6,
         {{3, &P::VoltRaw, Dec::BE16, &P::Volt}, {5, &P::Mode, Dec::BE16}, {7, &P::Vertion, Dec::BE16}}},
        {0xA1, 8, join({run(3, {&P::AttiM}, Dec::Plain), run(4, f::Atti, Dec::Plain)})},
        {0xA2, 9,
         join({run(3, {&P::EleMix}, Dec::Plain),
               run(4, {&P::Elev01, &P::Elev05, &P::Elev02, &P::Elev06, &P::Elev03, &P::Elev04},
                   Dec::Minus120)})},
        {0xA3, 10,
         join({run(3, {&P::RuMix}, Dec::Plain), run(4, f::Ru, Dec::Minus100),
               run(8, {&P::DR_MIX}, Dec::Plain)})},
        {0xA4, 11, run(3, f::delay, Dec::Plain)},
        {0xA5, 12, join({run(3, f::DR_UP_CH, Dec::Plain), run(7, f::DR_DOWN_CH, Dec::Plain)})},
        {0xA6, 13,
         join({run(3,
                   {&P::PRM01_Data2, &P::PRM02_Data2, &P::PRM01_Data3, &P::PRM02_Data3, &P::PRM01_Data1,
                    &P::PRM02_Data1},
                   Dec::Minus100),
               run(9, {&P::PRM01_Master, &P::PRM02_Master}, Dec::Plain)})},
        {0xA7, 14, run(3, {&P::PRM01_Slave, &P::PRM02_Slave, &P::PRM01_Mix, &P::PRM02_Mix}, Dec::Plain)},
        {0xA8, 15,
         join({run(3, {&P::PRM03_Mix, &P::PRM03_Master, &P::PRM03_Slave}, Dec::Plain),
               run(6, {&P::PRM03_Data1, &P::PRM03_Data2, &P::PRM03_Data3}, Dec::Minus100),
               run(9, {&P::PRM04_Mix, &P::PRM04_Master}, Dec::Plain)})},
        {0xA9, 16,
         join(
             {run(3, {&P::PRM04_Slave}, Dec::Plain),
              run(4, {&P::PRM04_Data1, &P::PRM04_Data2, &P::PRM04_Data3}, Dec::Minus100),
              run(7, {&P::THCURE_MIX, &P::THCURE_Extra, &P::THCURE_Data01, &P::THCURE_Data02}, Dec::Plain)})},
        {0xAA, 17,
         run(3,
             {&P::THCURE_Data03, &P::THCURE_Data04, &P::THCURE_Data05, &P::THCURE_Data06, &P::THCURE_Data07},
             Dec::Plain)},
        {0xAB,
         18,
         {{3, &P::DR_SW, Dec::Plain},
          {4, &P::DR_POSI, Dec::Plain},
          {5, &P::extVoltRaw, Dec::BE16, &P::extVolt},
          {7, &P::Rssi, Dec::Minus100},
          {8, &P::rxVoltRaw, Dec::Plain, &P::rxVolt}}},
        {0xAC, 19, join({run(3, f::DR_EXP_UP_CH, Dec::Minus100), run(7, f::DR_EXP_DOWN_CH, Dec::Minus100)})},
    };
    return table;
}

const BlockRow *findRow(quint8 code)
{
    for (const BlockRow &row : blockTable())
        if (row.code == code) return &row;
    return nullptr;
}

quint8 byteAt(const QByteArray &b, int i)
{
    return i < b.size() ? quint8(b.at(i)) : 0;
}

void putBe16(QByteArray &b, int at, int v)
{
    v = std::clamp(v, 0, 0xFFFF);
    b[at] = char(v >> 8);
    b[at + 1] = char(v & 0xFF);
}

char toByte(int v)
{
    return char(std::clamp(v, 0, 255));
}

} // namespace

int be16(const QByteArray &b, int a)
{
    return byteAt(b, a) * 256 + byteAt(b, a + 1);
}

FrameKind classifyFrame(const QByteArray &chunk)
{
    const int n = chunk.size();
    if (n == kLiveFrameLength && byteAt(chunk, 0) == kMarker) {
        if (byteAt(chunk, 1) == kChannelId) return FrameKind::Channel;
        if (byteAt(chunk, 1) == kTelemetryId) return FrameKind::Telemetry;
    }
    if (n == kAuxBlockLength && byteAt(chunk, 2) == kAuxCode) return FrameKind::AuxBlock;
    if (n == kParamBlockLength && byteAt(chunk, 0) == kMarker && byteAt(chunk, 11) == kMarker)
        return FrameKind::ParamBlock;
    return FrameKind::None;
}

int paramBlockNumber(quint8 code)
{
    const BlockRow *row = findRow(code);
    return row ? row->number : 0;
}

DecodedFrame identifyFrame(const QByteArray &frame)
{
    const FrameKind kind = classifyFrame(frame);
    switch (kind) {
    case FrameKind::AuxBlock:
        return {kind, kAuxBlockNumber};
    case FrameKind::ParamBlock:
        return {kind, paramBlockNumber(quint8(frame.at(2)))};
    default:
        return {kind, 0};
    }
}

DecodedFrame decodeFrame(const QByteArray &frame, ParameterSet &p)
{
    const DecodedFrame id = identifyFrame(frame);
    switch (id.kind) {
    case FrameKind::Channel:
        decodeChannelFrame(frame, p);
        break;
    case FrameKind::Telemetry:
        decodeTelemetryFrame(frame, p);
        break;
    case FrameKind::AuxBlock:
        decodeAuxBlock(frame, p);
        break;
    case FrameKind::ParamBlock:
        decodeParamBlock(frame, p);
        break;
    case FrameKind::None:
        break;
    }
    return id;
}

QVector<quint8> paramBlockCodes()
{
    QVector<quint8> codes;
    for (const BlockRow &row : blockTable()) codes.append(row.code);
    return codes;
}

QVector<IntField> answerFields(int frameNumber)
{
    QVector<IntField> list;
    if (frameNumber == kAuxBlockNumber) {
        for (IntField f : fields::AUX) list.append(f);
        return list;
    }
    for (const BlockRow &row : blockTable())
        if (row.number == frameNumber)
            for (const BlockField &f : row.fields) list.append(f.field);
    return list;
}

void decodeChannelFrame(const QByteArray &frame, ParameterSet &p)
{
    for (int i = 0; i < 8; ++i) p.*fields::servoOut[i] = be16(frame, 2 + 2 * i);
    p.txVoltage = be16(frame, 18);
}

void decodeTelemetryFrame(const QByteArray &frame, ParameterSet &p)
{
    p.rssiRaw = byteAt(frame, 2);
    p.rxVoltage = byteAt(frame, 3);
    p.extVoltage = be16(frame, 4);
    // Bytes 6..9 carry two values the tool has no use for.
    if (p.StkTrimLock != 0) return;
    const std::array<int, 4> trims = telemetryTrims(frame);
    for (int i = 0; i < 4; ++i) p.*fields::StkTrim[i] = trims[size_t(i)];
}

std::array<int, 4> telemetryTrims(const QByteArray &frame)
{
    std::array<int, 4> trims{};
    for (int i = 0; i < 4; ++i) {
        const int trim = byteAt(frame, 10 + i);
        trims[size_t(i)] = trim > 238 ? 240 : trim;
    }
    return trims;
}

void decodeAuxBlock(const QByteArray &frame, ParameterSet &p)
{
    for (int i = 0; i < 4; ++i) p.*fields::AUX[i] = byteAt(frame, 3 + i);
}

void decodeParamBlock(const QByteArray &frame, ParameterSet &p)
{
    const BlockRow *row = findRow(byteAt(frame, 2));
    if (!row) return;
    for (const BlockField &f : row->fields) {
        const int b = byteAt(frame, f.byte);
        switch (f.dec) {
        case Dec::Plain:
            p.*f.field = b;
            break;
        case Dec::Minus100:
            p.*f.field = b - 100;
            break;
        case Dec::Minus120:
            p.*f.field = b - 120;
            break;
        case Dec::BE16:
            p.*f.field = be16(frame, f.byte);
            break;
        }
        if (f.volts) p.*f.volts = p.*f.field / 10.0;
    }
}

QByteArray encodeParamBlock(quint8 code, const ParameterSet &p)
{
    QByteArray b(kParamBlockLength, '\0');
    b[0] = char(kMarker);
    b[2] = char(code);
    b[11] = char(kMarker);
    if (const BlockRow *row = findRow(code)) {
        for (const BlockField &f : row->fields) {
            const int v = p.*f.field;
            switch (f.dec) {
            case Dec::Plain:
                b[f.byte] = toByte(v);
                break;
            case Dec::Minus100:
                b[f.byte] = toByte(v + 100);
                break;
            case Dec::Minus120:
                b[f.byte] = toByte(v + 120);
                break;
            case Dec::BE16:
                putBe16(b, f.byte, v);
                break;
            }
        }
    }
    return b;
}

QByteArray encodeAuxBlock(const ParameterSet &p)
{
    QByteArray b(kAuxBlockLength, '\0');
    b[2] = char(kAuxCode);
    for (int i = 0; i < 4; ++i) b[3 + i] = toByte(p.*fields::AUX[i]);
    return b;
}

QByteArray encodeChannelFrame(const ParameterSet &p)
{
    QByteArray b(kLiveFrameLength, '\0');
    b[0] = char(kMarker);
    b[1] = char(kChannelId);
    for (int i = 0; i < 8; ++i) putBe16(b, 2 + 2 * i, p.*fields::servoOut[i]);
    putBe16(b, 18, p.txVoltage);
    return b;
}

QByteArray encodeTelemetryFrame(const ParameterSet &p)
{
    QByteArray b(kLiveFrameLength, '\0');
    b[0] = char(kMarker);
    b[1] = char(kTelemetryId);
    b[2] = toByte(p.rssiRaw);
    b[3] = toByte(p.rxVoltage);
    putBe16(b, 4, p.extVoltage);
    for (int i = 0; i < 4; ++i) b[10 + i] = toByte(p.*fields::StkTrim[i]);
    return b;
}
