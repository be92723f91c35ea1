// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QByteArray>
#include <QVector>

#include <array>

// Binary frames sent by the transmitter: 12-byte parameter blocks, the 8-byte aux block, and the
// 20-byte channel and telemetry frames.

enum class FrameKind { None, Channel, Telemetry, AuxBlock, ParamBlock };

constexpr int kParamBlockLength = 12;
constexpr int kAuxBlockLength = 8;
constexpr int kLiveFrameLength = 20;
constexpr int kAuxBlockNumber = 7;
constexpr quint8 kMarker = 0xFE, kChannelId = 0x18, kTelemetryId = 0x19, kAuxCode = 0xAA;

// The unsigned big-endian 16-bit value of bytes a and a + 1; a byte past the end reads as 0.
int be16(const QByteArray &b, int a);

// What a chunk that holds exactly one frame is, judged by its length and marker bytes alone.
FrameKind classifyFrame(const QByteArray &chunk);

// Frame number 1..19 of a parameter block code (never 7, the aux block's), or 0 for an unlisted code.
int paramBlockNumber(quint8 code);
// The 18 parameter block codes in frame-number order.
QVector<quint8> paramBlockCodes();
// The parameters a read answer's frame carries back: a block's payload, or AUX5..AUX8 for number 7.
QVector<IntField> answerFields(int frameNumber);

void decodeChannelFrame(const QByteArray &frame, ParameterSet &p);
// Takes the trims only while StkTrimLock is clear; a trim byte above 238 is stored as 240.
void decodeTelemetryFrame(const QByteArray &frame, ParameterSet &p);
// The four stick trims a telemetry frame reports, as the form stores them (above 238 reads 240).
std::array<int, 4> telemetryTrims(const QByteArray &frame);
void decodeAuxBlock(const QByteArray &frame, ParameterSet &p);
// Stores the payload of a listed code; an unlisted code changes nothing.
void decodeParamBlock(const QByteArray &frame, ParameterSet &p);

struct DecodedFrame {
    FrameKind kind = FrameKind::None;
    int number = 0; // 1..19 for a parameter or aux block; 0 for live frames and unlisted codes
};
// What one whole frame is, without decoding it: a read's answer decides on a block by its number
// before the block may be decoded.
DecodedFrame identifyFrame(const QByteArray &frame);
// Decodes one whole frame into p by its kind: the one dispatch the receive path, the command-line
// tool and the tests share.
DecodedFrame decodeFrame(const QByteArray &frame, ParameterSet &p);

// The transmitter's side of the same tables, for the emulator and the tests. Values are clamped into
// what their bytes can carry.
QByteArray encodeParamBlock(quint8 code, const ParameterSet &p);
QByteArray encodeAuxBlock(const ParameterSet &p);
QByteArray encodeChannelFrame(const ParameterSet &p);
QByteArray encodeTelemetryFrame(const ParameterSet &p);
