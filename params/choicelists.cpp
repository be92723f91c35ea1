// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/choicelists.h"

#include <algorithm>
#include <iterator>

namespace choices {

const std::vector<const char *> direction = {"NOR", "REV"};
const std::vector<const char *> unassigned = {"NC"};
const std::vector<const char *> auxSource = {"SwA", "SwB", "VrA", "VrB/SwC", "NULL", "Lock-C"};
const std::vector<const char *> onOff = {"OFF", "ON"};
const std::vector<const char *> dualRateChannel = {"CH1", "CH2", "CH3", "CH4"};
const std::vector<const char *> dualRateSwitch = {"SWA"};
const std::vector<const char *> dualRatePosition = {"UP", "DOWN"};
const std::vector<const char *> attitudeChannel = {"CH5", "CH6", "CH7", "CH8", "OFF"};
const std::vector<const char *> mixState = {"INH", "OFF", "ON"};
const std::vector<const char *> channel = {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
const std::vector<const char *> pcVersion = {"V5.0"};

const std::vector<const char *> *forField(IntField field)
{
    using P = ParameterSet;
    namespace f = fields;
    auto in = [field](const auto &group) {
        return std::find(std::begin(group), std::end(group), field) != std::end(group);
    };
    if (in(f::rev)) return &direction;
    if (in(f::AUX)) return &auxSource;
    if (in(f::PRM_Mix)) return &mixState;
    if (in(f::PRM_Master) || in(f::PRM_Slave)) return &channel;
    const std::pair<IntField, const std::vector<const char *> *> single[] = {
        {&P::DR_MIX, &onOff},
        {&P::EleMix, &onOff},
        {&P::RuMix, &onOff},
        {&P::THCURE_MIX, &onOff},
        {&P::DR_CH, &dualRateChannel},
        {&P::DR_SW, &dualRateSwitch},
        {&P::DR_POSI, &dualRatePosition},
        {&P::AttiM, &attitudeChannel},
    };
    for (const auto &[f, list] : single)
        if (f == field) return list;
    return nullptr;
}

} // namespace choices
