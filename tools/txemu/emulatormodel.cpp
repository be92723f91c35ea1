// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulatormodel.h"

#include "link/blocks.h"
#include "link/textframes.h"
#include "params/rules.h"

namespace {

template <std::size_t N> void setGroup(ParameterSet &p, const IntField (&group)[N], const int (&values)[N])
{
    for (std::size_t i = 0; i < N; ++i) p.*group[i] = values[i];
}

} // namespace

ParameterSet demoModel()
{
    namespace f = fields;
    ParameterSet p;
    setGroup(p, f::rev, {0, 1, 0, 1, 0, 0, 1, 0});
    setGroup(p, f::sub, {5, -12, 0, 20, -3, 0, 0, 8});
    setGroup(p, f::Lepa, {100, 95, 110, 96, 96, 80, 96, 120});
    setGroup(p, f::Repa, {100, 92, 105, 96, 96, 85, 96, 110});
    setGroup(p, f::FS, {48, 52, 5, 50, 50, 60, 50, 50});
    setGroup(p, f::delay, {100, 100, 100, 100, 80, 90, 100, 100});
    setGroup(p, f::AUX, {0, 1, 2, 3});

    p.DR_MIX = 1;
    setGroup(p, f::DR_UP_CH, {80, 80, 80, 80});
    setGroup(p, f::DR_DOWN_CH, {60, 60, 60, 60});
    setGroup(p, f::DR_EXP_UP_CH, {30, 30, 25, 0});
    setGroup(p, f::DR_EXP_DOWN_CH, {40, 40, 35, 0});

    p.AttiM = 1;
    setGroup(p, f::Atti, {10, 25, 40, 60, 75, 90});
    p.EleMix = 1;
    p.Elev01 = 60, p.Elev02 = -60, p.Elev03 = 70, p.Elev04 = -70, p.Elev05 = 50, p.Elev06 = 50;

    p.PRM01_Mix = 2, p.PRM01_Master = 0, p.PRM01_Slave = 4;
    p.PRM01_Data1 = 40, p.PRM01_Data2 = -30, p.PRM01_Data3 = 25;
    p.PRM02_Mix = 1, p.PRM02_Master = 1, p.PRM02_Slave = 5;
    p.PRM03_Mix = 2, p.PRM03_Master = 2, p.PRM03_Slave = 6;
    p.PRM03_Data1 = -15, p.PRM03_Data2 = 45, p.PRM03_Data3 = 35;

    p.THCURE_MIX = 1;
    setGroup(p, f::THCURE_Data, {0, 20, 38, 52, 66, 82, 100});

    p.Mode = 2;
    p.Volt = 7.4, p.rxVolt = 4.8, p.extVolt = 11.1;
    p.Rssi = -85;
    p.Vertion = 50;
    setGroup(p, f::StkTrim, {120, 116, 124, 120});
    selectDualRate(p);
    return withRawVoltages(p);
}

ParameterSet withRawVoltages(ParameterSet p)
{
    updateRawVoltages(TextFrame::S, p);
    updateRawVoltages(TextFrame::H, p);
    return p;
}

QVector<QByteArray> readAnswer(const ParameterSet &model)
{
    QVector<QByteArray> frames;
    for (quint8 code : paramBlockCodes()) {
        const int number = paramBlockNumber(code);
        if (number > kAuxBlockNumber && frames.size() < kAuxBlockNumber) frames.append(encodeAuxBlock(model));
        QByteArray block = encodeParamBlock(code, model);
        block[1] = char(number);
        frames.append(block);
    }
    return frames;
}
