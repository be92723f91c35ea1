// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QRandomGenerator>

// A parameter set with every model setting drawn inside its editor's range (and every voltage a whole
// number of tenths that its text field can carry), for round-trip tests.
inline ParameterSet randomValidParameters(QRandomGenerator &rng)
{
    ParameterSet p;
    auto pick = [&rng](int low, int high) { return int(rng.bounded(low, high + 1)); };
    auto fill = [&](const auto &group, int low, int high) {
        for (IntField f : group) p.*f = pick(low, high);
    };
    namespace f = fields;
    fill(f::rev, 0, 1);
    fill(f::sub, -100, 100);
    fill(f::Lepa, 0, 120);
    fill(f::Repa, 0, 120);
    fill(f::FS, 0, 100);
    fill(f::delay, 0, 100);
    fill(f::AUX, 0, 5);
    fill(f::Atti, 0, 100);
    fill(f::Elev, -100, 100);
    fill(f::Ru, -100, 100);
    fill(f::THCURE_Data, 0, 100);
    fill(f::DR_UP_CH, 0, 100);
    fill(f::DR_DOWN_CH, 0, 100);
    fill(f::DR_EXP_UP_CH, -100, 100);
    fill(f::DR_EXP_DOWN_CH, -100, 100);
    fill(f::PRM_Mix, 0, 2);
    fill(f::PRM_Master, 0, 7);
    fill(f::PRM_Slave, 0, 7);
    fill(f::PRM_Data, -100, 100);
    fill(f::StkTrim, 0, 239); // 240 (a trim at its end) does not fit hex+16 and goes out as 239
    p.DR_MIX = pick(0, 1);
    p.DR_CH = pick(0, 3);
    p.DR_SW = 0;
    p.DR_POSI = pick(0, 1);
    p.DR_UP1 = pick(0, 100);
    p.DR_DOWN1 = pick(0, 100);
    p.AttiM = pick(0, 4);
    p.EleMix = pick(0, 1);
    p.RuMix = pick(0, 1);
    p.THCURE_MIX = pick(0, 1);
    p.THCURE_Extra = pick(0, 4);
    p.Mode = pick(1, 4);
    p.Rssi = pick(-100, 0);
    p.Volt = pick(0, 239) / 10.0;
    p.rxVolt = pick(0, 239) / 10.0;
    p.extVolt = pick(0, 999) / 10.0;
    return p;
}
