// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

// The parameters a parameter file carries, under their own names, grouped as the form shows them.
// Dumps and comparisons of files walk this table, so a name is printed the way the code spells it.

// The form's tabs that hold settings, in tab order.
enum class FormGroup { Basic, Advance1, Advance2, ProgMix, System };
// The tab's caption: "BASIC", "ADVANCE1", "ADVANCE2", "PROG.MIX", "SYSTEM".
const char *formGroupCaption(FormGroup group);

struct NamedField {
    const char *name;
    IntField field;    // what the text frame carries
    FormGroup group;   // the tab of the field's editor (or, without one, of the editor that edits it)
    DoubleField volts; // set for the three alarms: the frame carries tenths, the name is the volts'
};

// clang-format off
#define TX_FIELD(name, group) NamedField{#name, &ParameterSet::name, FormGroup::group, nullptr}
#define TX_VOLTS(name, tenths) NamedField{#name, &ParameterSet::tenths, FormGroup::System, &ParameterSet::name}

// Every parameter of the S, G, H and I frames exactly once, in the form's order. The dual-rate storage
// sits with the editors that write it: rates on ADVANCE1, exponentials on ADVANCE2.
inline constexpr NamedField kNamedFields[] = {
    TX_FIELD(rev1, Basic), TX_FIELD(rev2, Basic), TX_FIELD(rev3, Basic), TX_FIELD(rev4, Basic),
    TX_FIELD(rev5, Basic), TX_FIELD(rev6, Basic), TX_FIELD(rev7, Basic), TX_FIELD(rev8, Basic),
    TX_FIELD(sub1, Basic), TX_FIELD(sub2, Basic), TX_FIELD(sub3, Basic), TX_FIELD(sub4, Basic),
    TX_FIELD(sub5, Basic), TX_FIELD(sub6, Basic), TX_FIELD(sub7, Basic), TX_FIELD(sub8, Basic),
    TX_FIELD(Lepa1, Basic), TX_FIELD(Lepa2, Basic), TX_FIELD(Lepa3, Basic), TX_FIELD(Lepa4, Basic),
    TX_FIELD(Lepa5, Basic), TX_FIELD(Lepa6, Basic), TX_FIELD(Lepa7, Basic), TX_FIELD(Lepa8, Basic),
    TX_FIELD(Repa1, Basic), TX_FIELD(Repa2, Basic), TX_FIELD(Repa3, Basic), TX_FIELD(Repa4, Basic),
    TX_FIELD(Repa5, Basic), TX_FIELD(Repa6, Basic), TX_FIELD(Repa7, Basic), TX_FIELD(Repa8, Basic),
    TX_FIELD(FS1, Basic), TX_FIELD(FS2, Basic), TX_FIELD(FS3, Basic), TX_FIELD(FS4, Basic),
    TX_FIELD(FS5, Basic), TX_FIELD(FS6, Basic), TX_FIELD(FS7, Basic), TX_FIELD(FS8, Basic),
    TX_FIELD(delay1, Basic), TX_FIELD(delay2, Basic), TX_FIELD(delay3, Basic), TX_FIELD(delay4, Basic),
    TX_FIELD(delay5, Basic), TX_FIELD(delay6, Basic), TX_FIELD(delay7, Basic), TX_FIELD(delay8, Basic),
    TX_FIELD(AUX5, Basic), TX_FIELD(AUX6, Basic), TX_FIELD(AUX7, Basic), TX_FIELD(AUX8, Basic),

    TX_FIELD(DR_MIX, Advance1), TX_FIELD(DR_CH, Advance1), TX_FIELD(DR_UP1, Advance1),
    TX_FIELD(DR_DOWN1, Advance1), TX_FIELD(DR_UP_CH1, Advance1), TX_FIELD(DR_UP_CH2, Advance1),
    TX_FIELD(DR_UP_CH3, Advance1), TX_FIELD(DR_UP_CH4, Advance1), TX_FIELD(DR_DOWN_CH1, Advance1),
    TX_FIELD(DR_DOWN_CH2, Advance1), TX_FIELD(DR_DOWN_CH3, Advance1), TX_FIELD(DR_DOWN_CH4, Advance1),
    TX_FIELD(AttiM, Advance1), TX_FIELD(Atti1, Advance1), TX_FIELD(Atti2, Advance1),
    TX_FIELD(Atti3, Advance1), TX_FIELD(Atti4, Advance1), TX_FIELD(Atti5, Advance1),
    TX_FIELD(Atti6, Advance1), TX_FIELD(EleMix, Advance1), TX_FIELD(Elev01, Advance1),
    TX_FIELD(Elev02, Advance1), TX_FIELD(Elev03, Advance1), TX_FIELD(Elev04, Advance1),
    TX_FIELD(Elev05, Advance1), TX_FIELD(Elev06, Advance1), TX_FIELD(RuMix, Advance1),
    TX_FIELD(Ru1, Advance1), TX_FIELD(Ru2, Advance1), TX_FIELD(Ru3, Advance1), TX_FIELD(Ru4, Advance1),

    TX_FIELD(DR_SW, Advance2), TX_FIELD(DR_POSI, Advance2), TX_FIELD(DR_EXP_UP_CH1, Advance2),
    TX_FIELD(DR_EXP_UP_CH2, Advance2), TX_FIELD(DR_EXP_UP_CH3, Advance2), TX_FIELD(DR_EXP_UP_CH4, Advance2),
    TX_FIELD(DR_EXP_DOWN_CH1, Advance2), TX_FIELD(DR_EXP_DOWN_CH2, Advance2),
    TX_FIELD(DR_EXP_DOWN_CH3, Advance2), TX_FIELD(DR_EXP_DOWN_CH4, Advance2), TX_FIELD(THCURE_MIX, Advance2),
    TX_FIELD(THCURE_Data01, Advance2), TX_FIELD(THCURE_Data02, Advance2), TX_FIELD(THCURE_Data03, Advance2),
    TX_FIELD(THCURE_Data04, Advance2), TX_FIELD(THCURE_Data05, Advance2), TX_FIELD(THCURE_Data06, Advance2),
    TX_FIELD(THCURE_Data07, Advance2), TX_FIELD(THCURE_Extra, Advance2),

    TX_FIELD(PRM01_Mix, ProgMix), TX_FIELD(PRM01_Master, ProgMix), TX_FIELD(PRM01_Slave, ProgMix),
    TX_FIELD(PRM01_Data1, ProgMix), TX_FIELD(PRM01_Data2, ProgMix), TX_FIELD(PRM01_Data3, ProgMix),
    TX_FIELD(PRM02_Mix, ProgMix), TX_FIELD(PRM02_Master, ProgMix), TX_FIELD(PRM02_Slave, ProgMix),
    TX_FIELD(PRM02_Data1, ProgMix), TX_FIELD(PRM02_Data2, ProgMix), TX_FIELD(PRM02_Data3, ProgMix),
    TX_FIELD(PRM03_Mix, ProgMix), TX_FIELD(PRM03_Master, ProgMix), TX_FIELD(PRM03_Slave, ProgMix),
    TX_FIELD(PRM03_Data1, ProgMix), TX_FIELD(PRM03_Data2, ProgMix), TX_FIELD(PRM03_Data3, ProgMix),
    TX_FIELD(PRM04_Mix, ProgMix), TX_FIELD(PRM04_Master, ProgMix), TX_FIELD(PRM04_Slave, ProgMix),
    TX_FIELD(PRM04_Data1, ProgMix), TX_FIELD(PRM04_Data2, ProgMix), TX_FIELD(PRM04_Data3, ProgMix),

    TX_VOLTS(Volt, VoltRaw), TX_VOLTS(rxVolt, rxVoltRaw), TX_VOLTS(extVolt, extVoltRaw),
    TX_FIELD(Rssi, System), TX_FIELD(Mode, System), TX_FIELD(StkTrim1, System), TX_FIELD(StkTrim2, System),
    TX_FIELD(StkTrim3, System), TX_FIELD(StkTrim4, System),
};
// clang-format on

#undef TX_FIELD
#undef TX_VOLTS
