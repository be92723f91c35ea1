// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QString>
#include <QVector>

// The four 81-character text frames the tool sends (and a parameter file holds).
enum class TextFrame { S, G, H, I };

// Every send goes out in this order, each frame followed by this pause, then "WWW".
inline constexpr TextFrame kSendOrder[] = {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I};
constexpr int kFrameGapMs = 800;

// Characters of a frame that carry fields (the lead letter included); the rest is the buffer's tail.
int frameFieldLength(TextFrame frame);
// The frame's start-up buffer contents (81 characters).
QString frameTemplate(TextFrame frame);
// The parameters the frame carries, in position order (constants and tails are not parameters).
QVector<IntField> frameParameters(TextFrame frame);

// Recomputes the raw tenths the frame carries from their volts: VoltRaw for S, rxVoltRaw then
// extVoltRaw for H.
void updateRawVoltages(TextFrame frame, ParameterSet &p);
// Tenths of a volt as the transmitter expects them: x * 10 rounded to single precision, truncated.
int voltsToTenths(double volts);

// The field text of a frame: lead letter and every field, fieldLength() characters. A value that does
// not fit its field is clamped into the field's range so that every later field keeps its position.
QString encodeFrameFields(TextFrame frame, const ParameterSet &p);
// Recomputes the raw voltages, then returns the buffer with its leading fields replaced.
QString buildFrame(TextFrame frame, ParameterSet &p, const QString &buffer);

// A parameter that a frame carries, with the values its field can hold (a value outside them is sent
// clamped); a raw-voltage field also names its volts.
struct CarriedField {
    IntField field;
    int low;
    int high;
    DoubleField volts;
};
QVector<CarriedField> carriedFields(TextFrame frame);

// Reads the fields of one frame that starts at `start` in `text` back into `p` (markers are not
// checked here). Text that is not hexadecimal reads as 0 before the field's offset is removed.
void readFrameFields(TextFrame frame, const QString &text, int start, ParameterSet &p);
