// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/textframes.h"

#include <algorithm>
#include <vector>

namespace {

enum class Enc { Digit, Hex16, Hex116, Hex120, Digits3 };

struct EncInfo {
    int width;
    int offset;
    int low; // nominal range: the values for which the width holds
    int high;
};

EncInfo info(Enc e)
{
    switch (e) {
    case Enc::Digit:
        return {1, 0, 0, 9};
    case Enc::Hex16:
        return {2, 16, 0, 239};
    case Enc::Hex116:
        return {2, 116, -100, 139};
    case Enc::Hex120:
        return {2, 120, -104, 135};
    case Enc::Digits3:
        return {3, 0, 0, 999};
    }
    return {1, 0, 0, 9};
}

// One field of a frame. A field without a parameter is a constant digit; a raw-voltage field also
// names its volts so that reading it back sets both forms.
struct TextField {
    IntField field;
    Enc enc;
    DoubleField volts = nullptr;
    int constant = 0;
};

struct FrameLayout {
    QChar lead;
    std::vector<TextField> fields;
    QString initial;
};

using P = ParameterSet;

template <std::size_t N> void append(std::vector<TextField> &v, const IntField (&group)[N], Enc enc)
{
    for (IntField f : group) v.push_back({f, enc});
}

FrameLayout layoutS()
{
    namespace f = fields;
    FrameLayout l{
        'S', {}, "S00100000787878787878787870707070707070707070707070707070424210424242424213027E2Y"};
    append(l.fields, f::rev, Enc::Digit);
    append(l.fields, f::sub, Enc::Hex120);
    append(l.fields, f::Lepa, Enc::Hex16);
    append(l.fields, f::Repa, Enc::Hex16);
    append(l.fields, f::FS, Enc::Hex16);
    append(l.fields, f::AUX, Enc::Digit);
    l.fields.push_back({&P::VoltRaw, Enc::Hex16, &P::Volt});
    l.fields.push_back({&P::Mode, Enc::Digit});
    return l;
}

FrameLayout layoutG()
{
    namespace f = fields;
    FrameLayout l{
        'G', {}, "G41E2D3C4855680DCDCDCDCDC1409632A696674747474747474740074746474647464640135006D2Z"};
    l.fields.push_back({&P::AttiM, Enc::Digit});
    append(l.fields, f::Atti, Enc::Hex16);
    l.fields.push_back({&P::EleMix, Enc::Digit});
    append(l.fields, {&P::Elev01, &P::Elev05, &P::Elev02, &P::Elev06, &P::Elev03, &P::Elev04}, Enc::Hex120);
    l.fields.push_back({&P::RuMix, Enc::Digit});
    append(l.fields, f::Ru, Enc::Hex116);
    l.fields.push_back({nullptr, Enc::Digit, nullptr, 6});
    append(l.fields, f::delay, Enc::Hex16);
    append(l.fields, {&P::DR_MIX, &P::DR_CH}, Enc::Digit);
    append(l.fields, {&P::DR_UP1, &P::DR_DOWN1}, Enc::Hex16);
    append(l.fields,
           {&P::PRM01_Data2, &P::PRM02_Data2, &P::PRM01_Data3, &P::PRM02_Data3, &P::PRM01_Data1,
            &P::PRM02_Data1},
           Enc::Hex116);
    append(
        l.fields,
        {&P::PRM01_Master, &P::PRM02_Master, &P::PRM01_Slave, &P::PRM02_Slave, &P::PRM01_Mix, &P::PRM02_Mix},
        Enc::Digit);
    return l;
}

FrameLayout layoutH()
{
    namespace f = fields;
    FrameLayout l{
        'H', {}, "H0000000000000000000000000000000000000000000000000000000000000000000000000000000X"};
    append(l.fields, f::DR_UP_CH, Enc::Hex16);
    append(l.fields, f::DR_DOWN_CH, Enc::Hex16);
    append(l.fields, {&P::PRM03_Mix, &P::PRM03_Master, &P::PRM03_Slave}, Enc::Digit);
    append(l.fields, {&P::PRM03_Data1, &P::PRM03_Data2, &P::PRM03_Data3}, Enc::Hex116);
    append(l.fields, {&P::PRM04_Mix, &P::PRM04_Master, &P::PRM04_Slave}, Enc::Digit);
    append(l.fields, {&P::PRM04_Data1, &P::PRM04_Data2, &P::PRM04_Data3}, Enc::Hex116);
    append(l.fields, {&P::THCURE_MIX, &P::THCURE_Extra}, Enc::Digit);
    append(l.fields, f::THCURE_Data, Enc::Hex16);
    l.fields.push_back({&P::DR_POSI, Enc::Digit});
    append(l.fields, f::DR_EXP_UP_CH, Enc::Hex116);
    append(l.fields, f::DR_EXP_DOWN_CH, Enc::Hex116);
    l.fields.push_back({&P::extVoltRaw, Enc::Digits3, &P::extVolt});
    l.fields.push_back({&P::Rssi, Enc::Hex120});
    l.fields.push_back({&P::DR_SW, Enc::Digit});
    l.fields.push_back({&P::rxVoltRaw, Enc::Hex16, &P::rxVolt});
    return l;
}

FrameLayout layoutI()
{
    FrameLayout l{'I', {}, "I" + QString(79, '0') + "V"};
    append(l.fields, fields::StkTrim, Enc::Hex16);
    return l;
}

const FrameLayout &layout(TextFrame frame)
{
    static const FrameLayout layouts[] = {layoutS(), layoutG(), layoutH(), layoutI()};
    return layouts[int(frame)];
}

QString encodeField(Enc enc, int v)
{
    const EncInfo e = info(enc);
    v = std::clamp(v, e.low, e.high);
    if (enc == Enc::Digits3)
        return QString::number(v / 100 % 10) + QString::number(v / 10 % 10) + QString::number(v % 10);
    if (enc == Enc::Digit) return QString::number(v);
    return QString::number(v + e.offset, 16).toUpper();
}

int decodeField(Enc enc, const QString &text)
{
    if (enc == Enc::Digits3) {
        int v = 0;
        for (int i = 0; i < 3; ++i) v = v * 10 + text.mid(i, 1).toInt(nullptr, 16);
        return v;
    }
    return text.toInt(nullptr, 16) - info(enc).offset;
}

} // namespace

int frameFieldLength(TextFrame frame)
{
    int n = 1;
    for (const TextField &f : layout(frame).fields) n += info(f.enc).width;
    return n;
}

QString frameTemplate(TextFrame frame)
{
    return layout(frame).initial;
}

QVector<IntField> frameParameters(TextFrame frame)
{
    QVector<IntField> list;
    for (const TextField &f : layout(frame).fields)
        if (f.field) list.append(f.field);
    return list;
}

QVector<CarriedField> carriedFields(TextFrame frame)
{
    QVector<CarriedField> carried;
    for (const TextField &f : layout(frame).fields)
        if (f.field) carried.append({f.field, info(f.enc).low, info(f.enc).high, f.volts});
    return carried;
}

int voltsToTenths(double volts)
{
    return int(float(volts * 10));
}

void updateRawVoltages(TextFrame frame, ParameterSet &p)
{
    for (const TextField &f : layout(frame).fields)
        if (f.volts) p.*f.field = voltsToTenths(p.*f.volts);
}

QString encodeFrameFields(TextFrame frame, const ParameterSet &p)
{
    const FrameLayout &l = layout(frame);
    QString text(l.lead);
    for (const TextField &f : l.fields) text += encodeField(f.enc, f.field ? p.*f.field : f.constant);
    return text;
}

QString buildFrame(TextFrame frame, ParameterSet &p, const QString &buffer)
{
    updateRawVoltages(frame, p);
    const QString fieldsText = encodeFrameFields(frame, p);
    return fieldsText + buffer.mid(fieldsText.size());
}

void readFrameFields(TextFrame frame, const QString &text, int start, ParameterSet &p)
{
    int pos = start + 1;
    for (const TextField &f : layout(frame).fields) {
        const int width = info(f.enc).width;
        if (f.field) {
            p.*f.field = decodeField(f.enc, text.mid(pos, width));
            if (f.volts) p.*f.volts = p.*f.field / 10.0;
        }
        pos += width;
    }
}
