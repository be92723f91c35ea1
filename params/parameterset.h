// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one program-wide record of the transmitter's model settings, its live values and the link state.
// Default member initialisers are the start-up values; a value-initialised ParameterSet is therefore
// also the reference the reset and the sanitiser take their fallback values from.
struct ParameterSet {
    // BASIC: per channel
    int rev1 = 0, rev2 = 0, rev3 = 1, rev4 = 0, rev5 = 0, rev6 = 0, rev7 = 0, rev8 = 0;
    int sub1 = 0, sub2 = 0, sub3 = 0, sub4 = 0, sub5 = 0, sub6 = 0, sub7 = 0, sub8 = 0;
    int Lepa1 = 96, Lepa2 = 96, Lepa3 = 96, Lepa4 = 96, Lepa5 = 96, Lepa6 = 96, Lepa7 = 96, Lepa8 = 96;
    int Repa1 = 96, Repa2 = 96, Repa3 = 96, Repa4 = 96, Repa5 = 96, Repa6 = 96, Repa7 = 96, Repa8 = 96;
    int FS1 = 50, FS2 = 50, FS3 = 0, FS4 = 50, FS5 = 50, FS6 = 50, FS7 = 50, FS8 = 50;
    int delay1 = 100, delay2 = 100, delay3 = 100, delay4 = 100;
    int delay5 = 100, delay6 = 100, delay7 = 100, delay8 = 100;
    int AUX5 = 1, AUX6 = 3, AUX7 = 0, AUX8 = 2;

    // ADVANCE1
    int DR_MIX = 0, DR_CH = 0, DR_SW = 0;
    int DR_UP1 = 100, DR_DOWN1 = 100; // view of the selected D/R channel
    int AttiM = 4;
    int Atti1 = 14, Atti2 = 29, Atti3 = 44, Atti4 = 56, Atti5 = 69, Atti6 = 88;
    int EleMix = 0;
    int Elev01 = 100, Elev02 = 100, Elev03 = 100, Elev04 = -100, Elev05 = 100, Elev06 = 100;
    int RuMix = 0;
    int Ru1 = 50, Ru2 = -50, Ru3 = 50, Ru4 = 50;

    // ADVANCE2
    int DR_POSI = 0;
    int DR_RATE = 100, DR_EXP = 0; // view of the selected D/R channel and position
    int THCURE_MIX = 0;
    int THCURE_Data01 = 0, THCURE_Data02 = 16, THCURE_Data03 = 33, THCURE_Data04 = 50;
    int THCURE_Data05 = 67, THCURE_Data06 = 84, THCURE_Data07 = 100;
    int THCURE_Extra = 0;

    // Dual-rate storage: four D/R channels, rate and exponential per switch position
    int DR_UP_CH1 = 100, DR_UP_CH2 = 100, DR_UP_CH3 = 100, DR_UP_CH4 = 100;
    int DR_DOWN_CH1 = 100, DR_DOWN_CH2 = 100, DR_DOWN_CH3 = 100, DR_DOWN_CH4 = 100;
    int DR_EXP_UP_CH1 = 0, DR_EXP_UP_CH2 = 0, DR_EXP_UP_CH3 = 0, DR_EXP_UP_CH4 = 0;
    int DR_EXP_DOWN_CH1 = 0, DR_EXP_DOWN_CH2 = 0, DR_EXP_DOWN_CH3 = 0, DR_EXP_DOWN_CH4 = 0;

    // PROG.MIX
    int PRM01_Mix = 0, PRM01_Master = 0, PRM01_Slave = 3, PRM01_Data1 = 0, PRM01_Data2 = 0, PRM01_Data3 = 0;
    int PRM02_Mix = 0, PRM02_Master = 1, PRM02_Slave = 5, PRM02_Data1 = 0, PRM02_Data2 = 0, PRM02_Data3 = 0;
    int PRM03_Mix = 0, PRM03_Master = 0, PRM03_Slave = 3, PRM03_Data1 = 0, PRM03_Data2 = 0, PRM03_Data3 = 0;
    int PRM04_Mix = 0, PRM04_Master = 1, PRM04_Slave = 5, PRM04_Data1 = 0, PRM04_Data2 = 0, PRM04_Data3 = 0;

    // SYSTEM; the volts and their tenths disagree at start-up until a frame is built or received
    double Volt = 11.0, rxVolt = 4.0, extVolt = 11.0;
    int VoltRaw = 37, rxVoltRaw = 40, extVoltRaw = 110;
    int Rssi = -100;
    int Mode = 1;
    int Vertion = 0;
    int StkTrim1 = 120, StkTrim2 = 120, StkTrim3 = 120, StkTrim4 = 120;

    // Live values streamed by the transmitter
    int servoOut1 = 1000, servoOut2 = 1000, servoOut3 = 1000, servoOut4 = 1000;
    int servoOut5 = 1000, servoOut6 = 1000, servoOut7 = 1000, servoOut8 = 1000;
    int txVoltage = 0;  // 0.01 V
    int rxVoltage = 0;  // 0.1 V
    int extVoltage = 0; // 0.1 V
    int rssiRaw = 0;

    // Link and run state
    int StkTrimLock = 0; // keeps telemetry off the trims during RESET and Load
    int ReadFlag = 0;    // number of the last parameter block received
};

using IntField = int ParameterSet::*;
using DoubleField = double ParameterSet::*;

// The program-wide instance. Constant-initialised, so it holds its start-up values before any code runs.
extern ParameterSet params;

// Groups of numbered fields, in channel order, for the tables that walk them.
namespace fields {
using P = ParameterSet;
inline constexpr IntField rev[8] = {&P::rev1, &P::rev2, &P::rev3, &P::rev4,
                                    &P::rev5, &P::rev6, &P::rev7, &P::rev8};
inline constexpr IntField sub[8] = {&P::sub1, &P::sub2, &P::sub3, &P::sub4,
                                    &P::sub5, &P::sub6, &P::sub7, &P::sub8};
inline constexpr IntField Lepa[8] = {&P::Lepa1, &P::Lepa2, &P::Lepa3, &P::Lepa4,
                                     &P::Lepa5, &P::Lepa6, &P::Lepa7, &P::Lepa8};
inline constexpr IntField Repa[8] = {&P::Repa1, &P::Repa2, &P::Repa3, &P::Repa4,
                                     &P::Repa5, &P::Repa6, &P::Repa7, &P::Repa8};
inline constexpr IntField FS[8] = {&P::FS1, &P::FS2, &P::FS3, &P::FS4, &P::FS5, &P::FS6, &P::FS7, &P::FS8};
inline constexpr IntField delay[8] = {&P::delay1, &P::delay2, &P::delay3, &P::delay4,
                                      &P::delay5, &P::delay6, &P::delay7, &P::delay8};
inline constexpr IntField AUX[4] = {&P::AUX5, &P::AUX6, &P::AUX7, &P::AUX8};
inline constexpr IntField Atti[6] = {&P::Atti1, &P::Atti2, &P::Atti3, &P::Atti4, &P::Atti5, &P::Atti6};
inline constexpr IntField Elev[6] = {&P::Elev01, &P::Elev02, &P::Elev03, &P::Elev04, &P::Elev05, &P::Elev06};
inline constexpr IntField Ru[4] = {&P::Ru1, &P::Ru2, &P::Ru3, &P::Ru4};
inline constexpr IntField THCURE_Data[7] = {&P::THCURE_Data01, &P::THCURE_Data02, &P::THCURE_Data03,
                                            &P::THCURE_Data04, &P::THCURE_Data05, &P::THCURE_Data06,
                                            &P::THCURE_Data07};
inline constexpr IntField DR_UP_CH[4] = {&P::DR_UP_CH1, &P::DR_UP_CH2, &P::DR_UP_CH3, &P::DR_UP_CH4};
inline constexpr IntField DR_DOWN_CH[4] = {&P::DR_DOWN_CH1, &P::DR_DOWN_CH2, &P::DR_DOWN_CH3,
                                           &P::DR_DOWN_CH4};
inline constexpr IntField DR_EXP_UP_CH[4] = {&P::DR_EXP_UP_CH1, &P::DR_EXP_UP_CH2, &P::DR_EXP_UP_CH3,
                                             &P::DR_EXP_UP_CH4};
inline constexpr IntField DR_EXP_DOWN_CH[4] = {&P::DR_EXP_DOWN_CH1, &P::DR_EXP_DOWN_CH2, &P::DR_EXP_DOWN_CH3,
                                               &P::DR_EXP_DOWN_CH4};
inline constexpr IntField PRM_Mix[4] = {&P::PRM01_Mix, &P::PRM02_Mix, &P::PRM03_Mix, &P::PRM04_Mix};
inline constexpr IntField PRM_Master[4] = {&P::PRM01_Master, &P::PRM02_Master, &P::PRM03_Master,
                                           &P::PRM04_Master};
inline constexpr IntField PRM_Slave[4] = {&P::PRM01_Slave, &P::PRM02_Slave, &P::PRM03_Slave, &P::PRM04_Slave};
inline constexpr IntField PRM_Data[12] = {&P::PRM01_Data1, &P::PRM01_Data2, &P::PRM01_Data3, &P::PRM02_Data1,
                                          &P::PRM02_Data2, &P::PRM02_Data3, &P::PRM03_Data1, &P::PRM03_Data2,
                                          &P::PRM03_Data3, &P::PRM04_Data1, &P::PRM04_Data2, &P::PRM04_Data3};
inline constexpr IntField StkTrim[4] = {&P::StkTrim1, &P::StkTrim2, &P::StkTrim3, &P::StkTrim4};
inline constexpr IntField servoOut[8] = {&P::servoOut1, &P::servoOut2, &P::servoOut3, &P::servoOut4,
                                         &P::servoOut5, &P::servoOut6, &P::servoOut7, &P::servoOut8};
} // namespace fields
