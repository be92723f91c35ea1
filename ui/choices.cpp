// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"

#include "ui_mainwindow.h"

namespace form {
namespace {

const std::vector<const char *> kDirection = {"NOR", "REV"};
const std::vector<const char *> kUnassigned = {"NC"};
const std::vector<const char *> kAuxSource = {"SwA", "SwB", "VrA", "VrB/SwC", "NULL", "Lock-C"};
const std::vector<const char *> kSwitch = {"OFF", "ON"};
const std::vector<const char *> kDualRateChannel = {"CH1", "CH2", "CH3", "CH4"};
const std::vector<const char *> kDualRateSwitch = {"SWA"};
const std::vector<const char *> kDualRatePosition = {"UP", "DOWN"};
const std::vector<const char *> kAttitudeChannel = {"CH5", "CH6", "CH7", "CH8", "OFF"};
const std::vector<const char *> kMixState = {"INH", "OFF", "ON"};
const std::vector<const char *> kChannel = {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
const std::vector<const char *> kPcVersion = {"V5.0"};

} // namespace

std::vector<Choices> choiceTable(const Ui::MainWindow &f)
{
    return {
        {kDirection,
         {f.comboBox_rev1, f.comboBox_rev2, f.comboBox_rev3, f.comboBox_rev4, f.comboBox_rev5,
          f.comboBox_rev6, f.comboBox_rev7, f.comboBox_rev8}},
        {kUnassigned, {f.comboBox_AUX1, f.comboBox_AUX2, f.comboBox_AUX3, f.comboBox_AUX4}},
        {kAuxSource, {f.comboBox_AUX5, f.comboBox_AUX6, f.comboBox_AUX7, f.comboBox_AUX8}},
        {kSwitch,
         {f.comboBox_DR_MIX1, f.comboBox_DR_MIX2, f.comboBox_EleMix, f.comboBox_RuMix,
          f.comboBox_THCURE_MIX}},
        {kDualRateChannel, {f.comboBox_DR_CH1, f.comboBox_DR_CH2}},
        {kDualRateSwitch, {f.comboBox_DR_SW1, f.comboBox_DR_SW2}},
        {kDualRatePosition, {f.comboBox_DR_POSI}},
        {kAttitudeChannel, {f.comboBox_AttiM}},
        {kMixState, {f.comboBox_PRM01_Mix, f.comboBox_PRM02_Mix, f.comboBox_PRM03_Mix, f.comboBox_PRM04_Mix}},
        {kChannel,
         {f.comboBox_PRM01_Master, f.comboBox_PRM01_Slave, f.comboBox_PRM02_Master, f.comboBox_PRM02_Slave,
          f.comboBox_PRM03_Master, f.comboBox_PRM03_Slave, f.comboBox_PRM04_Master, f.comboBox_PRM04_Slave}},
        {kPcVersion, {f.comboBox_PRM02_Master_2}},
    };
}

} // namespace form
