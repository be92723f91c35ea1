// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"

#include "params/choicelists.h"
#include "ui_mainwindow.h"

namespace form {
// The lists themselves live with the parameters (params/choicelists.h); this is which box offers which.
using namespace choices;

std::vector<Choices> choiceTable(const Ui::MainWindow &f)
{
    return {
        {direction,
         {f.comboBox_rev1, f.comboBox_rev2, f.comboBox_rev3, f.comboBox_rev4, f.comboBox_rev5,
          f.comboBox_rev6, f.comboBox_rev7, f.comboBox_rev8}},
        {unassigned, {f.comboBox_AUX1, f.comboBox_AUX2, f.comboBox_AUX3, f.comboBox_AUX4}},
        {auxSource, {f.comboBox_AUX5, f.comboBox_AUX6, f.comboBox_AUX7, f.comboBox_AUX8}},
        {onOff,
         {f.comboBox_DR_MIX1, f.comboBox_DR_MIX2, f.comboBox_EleMix, f.comboBox_RuMix,
          f.comboBox_THCURE_MIX}},
        {dualRateChannel, {f.comboBox_DR_CH1, f.comboBox_DR_CH2}},
        {dualRateSwitch, {f.comboBox_DR_SW1, f.comboBox_DR_SW2}},
        {dualRatePosition, {f.comboBox_DR_POSI}},
        {attitudeChannel, {f.comboBox_AttiM}},
        {mixState, {f.comboBox_PRM01_Mix, f.comboBox_PRM02_Mix, f.comboBox_PRM03_Mix, f.comboBox_PRM04_Mix}},
        {channel,
         {f.comboBox_PRM01_Master, f.comboBox_PRM01_Slave, f.comboBox_PRM02_Master, f.comboBox_PRM02_Slave,
          f.comboBox_PRM03_Master, f.comboBox_PRM03_Slave, f.comboBox_PRM04_Master, f.comboBox_PRM04_Slave}},
        {pcVersion, {f.comboBox_PRM02_Master_2}},
    };
}

} // namespace form
