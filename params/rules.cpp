// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/rules.h"

#include <vector>

namespace {

const ParameterSet kInitial{};

// The selected D/R channel as 0..3, or -1 when DR_CH selects none.
int drIndex(const ParameterSet &p)
{
    return (p.DR_CH >= 0 && p.DR_CH <= 3) ? p.DR_CH : -1;
}

void storeSelected(ParameterSet &p, const IntField (&group)[4], int v)
{
    const int k = drIndex(p);
    if (k >= 0) p.*group[k] = v;
}

struct Range {
    std::vector<IntField> fields;
    int low;
    int high;
};

// Accepted ranges. The fallback is each field's start-up value; only Volt differs (see sanitise()).
std::vector<SanitiseRule> buildSanitiseRules()
{
    using P = ParameterSet;
    namespace f = fields;
    auto group = [](const auto &arr) { return std::vector<IntField>(std::begin(arr), std::end(arr)); };
    auto plus = [](std::vector<IntField> a, const std::vector<IntField> &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Range ranges[] = {
        {group(f::rev), 0, 1},
        {group(f::sub), -100, 100},
        {plus(group(f::Lepa), group(f::Repa)), 0, 120},
        {group(f::FS), 0, 100},
        {group(f::delay), 0, 100},
        {{&P::DR_MIX}, 0, 1},
        {{&P::DR_CH}, 0, 4},
        {{&P::DR_SW}, 0, 2},
        {plus(plus({&P::DR_UP1, &P::DR_DOWN1}, group(f::DR_UP_CH)), group(f::DR_DOWN_CH)), 0, 100},
        {{&P::DR_POSI}, 0, 4},
        {plus(plus({&P::DR_EXP}, group(f::DR_EXP_UP_CH)), group(f::DR_EXP_DOWN_CH)), -100, 100},
        {{&P::AttiM}, 0, 5},
        {group(f::Atti), 0, 100},
        {{&P::EleMix, &P::RuMix}, 0, 1},
        {group(f::Elev), -100, 100},
        {group(f::Ru), -100, 100},
        {group(f::AUX), 0, 5},
        {{&P::VoltRaw}, 0, 500},
        {{&P::Mode}, 0, 4},
        {group(f::PRM_Mix), 0, 2},
        {plus(group(f::PRM_Master), group(f::PRM_Slave)), 0, 10},
        {group(f::PRM_Data), -100, 100},
        {{&P::rxVoltRaw, &P::extVoltRaw}, 0, 1000},
        {{&P::Rssi}, -100, 0},
        {{&P::THCURE_MIX}, 0, 5},
        {{&P::THCURE_Extra}, 0, 4},
        {group(f::THCURE_Data), 0, 100},
    };
    std::vector<SanitiseRule> rules;
    for (const Range &r : ranges)
        for (IntField field : r.fields) rules.push_back({field, r.low, r.high, kInitial.*field});
    return rules;
}

const std::vector<SanitiseRule> &rules()
{
    static const std::vector<SanitiseRule> table = buildSanitiseRules();
    return table;
}

void restoreInitial(ParameterSet &p, std::initializer_list<IntField> list)
{
    for (IntField field : list) p.*field = kInitial.*field;
}
template <std::size_t N> void restoreInitial(ParameterSet &p, const IntField (&group)[N])
{
    for (IntField field : group) p.*field = kInitial.*field;
}

} // namespace

void selectDualRate(ParameterSet &p)
{
    const int k = drIndex(p);
    if (k < 0) return;
    namespace f = fields;
    p.DR_UP1 = p.*f::DR_UP_CH[k];
    p.DR_DOWN1 = p.*f::DR_DOWN_CH[k];
    const bool down = p.DR_POSI != 0;
    p.DR_RATE = down ? p.*f::DR_DOWN_CH[k] : p.*f::DR_UP_CH[k];
    p.DR_EXP = down ? p.*f::DR_EXP_DOWN_CH[k] : p.*f::DR_EXP_UP_CH[k];
}

void editDrUp(ParameterSet &p, int v)
{
    p.DR_UP1 = v;
    storeSelected(p, fields::DR_UP_CH, v);
    selectDualRate(p);
}

void editDrDown(ParameterSet &p, int v)
{
    p.DR_DOWN1 = v;
    storeSelected(p, fields::DR_DOWN_CH, v);
    selectDualRate(p);
}

void editDrRate(ParameterSet &p, int v)
{
    p.DR_RATE = v;
    storeSelected(p, p.DR_POSI == 0 ? fields::DR_UP_CH : fields::DR_DOWN_CH, v);
    selectDualRate(p);
}

void editDrExp(ParameterSet &p, int v)
{
    p.DR_EXP = v;
    storeSelected(p, p.DR_POSI == 0 ? fields::DR_EXP_UP_CH : fields::DR_EXP_DOWN_CH, v);
    selectDualRate(p);
}

void resetFirstHalf(ParameterSet &p)
{
    using P = ParameterSet;
    namespace f = fields;
    restoreInitial(p, f::rev);
    restoreInitial(p, f::sub);
    restoreInitial(p, f::Lepa);
    restoreInitial(p, f::Repa);
    restoreInitial(p, f::FS);
    restoreInitial(p, f::delay);
    restoreInitial(p, {&P::DR_MIX, &P::DR_CH, &P::DR_SW, &P::DR_UP1, &P::DR_DOWN1});
    restoreInitial(p, f::DR_UP_CH);
    restoreInitial(p, f::DR_DOWN_CH);
    restoreInitial(p, {&P::AttiM, &P::EleMix, &P::RuMix, &P::VoltRaw});
    restoreInitial(p, f::Atti);
    restoreInitial(p, f::Elev);
    restoreInitial(p, f::Ru);
    restoreInitial(p, f::AUX);
    restoreInitial(p, {&P::PRM01_Mix, &P::PRM01_Master, &P::PRM01_Slave, &P::PRM01_Data1, &P::PRM01_Data2,
                       &P::PRM01_Data3, &P::PRM02_Mix, &P::PRM02_Master, &P::PRM02_Slave, &P::PRM02_Data1,
                       &P::PRM02_Data2, &P::PRM02_Data3});
    // The factory values of these two differ from the start-up values.
    p.Volt = 3.7;
    p.Mode = 2;
}

void resetSecondHalf(ParameterSet &p)
{
    using P = ParameterSet;
    namespace f = fields;
    restoreInitial(p, {&P::PRM03_Mix, &P::PRM03_Master, &P::PRM03_Slave, &P::PRM03_Data1, &P::PRM03_Data2,
                       &P::PRM03_Data3, &P::PRM04_Mix, &P::PRM04_Master, &P::PRM04_Slave, &P::PRM04_Data1,
                       &P::PRM04_Data2, &P::PRM04_Data3});
    p.rxVolt = kInitial.rxVolt;
    p.extVolt = kInitial.extVolt;
    restoreInitial(p, {&P::rxVoltRaw, &P::extVoltRaw, &P::Rssi, &P::THCURE_MIX, &P::THCURE_Extra, &P::DR_POSI,
                       &P::DR_EXP});
    restoreInitial(p, f::THCURE_Data);
    restoreInitial(p, f::DR_EXP_UP_CH);
    restoreInitial(p, f::DR_EXP_DOWN_CH);
    restoreInitial(p, f::StkTrim);
}

ParameterSet factorySet()
{
    ParameterSet p;
    resetFirstHalf(p);
    resetSecondHalf(p);
    return p;
}

void sanitise(ParameterSet &p)
{
    for (const SanitiseRule &r : rules())
        if (p.*r.field < r.low || p.*r.field > r.high) p.*r.field = r.fallback;
    // An implausible transmitter alarm falls to 0.0 rather than back to its start-up value.
    if (p.Volt < 0.0 || p.Volt > 50.0) p.Volt = 0.0;
    if (p.rxVolt < 0.0 || p.rxVolt > 100.0) p.rxVolt = kInitial.rxVolt;
    if (p.extVolt < 0.0 || p.extVolt > 100.0) p.extVolt = kInitial.extVolt;
}

const SanitiseRule *sanitiseRules(int *count)
{
    *count = int(rules().size());
    return rules().data();
}
