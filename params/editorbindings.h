// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every editor of the form bound to the ParameterSet field it shows and stores, written once. The
// editors' value-changed slots (params/editors.cpp) and the display pass's copies (display/) are both
// generated from this list, so a box cannot be shown from one field and stored into another.
//
// A row names the display group, the editor's class prefix and its name (objectName = prefix_name) and
// the field. Rows stand group by group in the order the display pass sets them: later rows see what
// earlier rows' slots stored, so the order within a group counts. What an edit does is the row's kind:
//   STORES  the slot only stores the value into the field (generated)
//   EDITS   the slot stores and then applies a dual-rate rule (written by hand in params/editors.cpp)
//   SHOWS   no slot: the pass shows the field and an edit is undone on the next pass
//   HOLDS   no slot and no field: the pass holds the box at its first item
// Only comboBox_AUX1..comboBox_AUX4 (HOLDS) and comboBox_DR_SW1 (SHOWS) have no slot.
#define TX_EDITOR_BINDINGS(STORES, EDITS, SHOWS, HOLDS)                                                      \
    STORES(Rev, comboBox, rev1, rev1)                                                                        \
    STORES(Rev, comboBox, rev2, rev2)                                                                        \
    STORES(Rev, comboBox, rev3, rev3)                                                                        \
    STORES(Rev, comboBox, rev4, rev4)                                                                        \
    STORES(Rev, comboBox, rev5, rev5)                                                                        \
    STORES(Rev, comboBox, rev6, rev6)                                                                        \
    STORES(Rev, comboBox, rev7, rev7)                                                                        \
    STORES(Rev, comboBox, rev8, rev8)                                                                        \
    STORES(EPA, spinBox, Lepa1, Lepa1)                                                                       \
    STORES(EPA, spinBox, Lepa2, Lepa2)                                                                       \
    STORES(EPA, spinBox, Lepa3, Lepa3)                                                                       \
    STORES(EPA, spinBox, Lepa4, Lepa4)                                                                       \
    STORES(EPA, spinBox, Lepa5, Lepa5)                                                                       \
    STORES(EPA, spinBox, Lepa6, Lepa6)                                                                       \
    STORES(EPA, spinBox, Lepa7, Lepa7)                                                                       \
    STORES(EPA, spinBox, Lepa8, Lepa8)                                                                       \
    STORES(EPA, spinBox, Repa1, Repa1)                                                                       \
    STORES(EPA, spinBox, Repa2, Repa2)                                                                       \
    STORES(EPA, spinBox, Repa3, Repa3)                                                                       \
    STORES(EPA, spinBox, Repa4, Repa4)                                                                       \
    STORES(EPA, spinBox, Repa5, Repa5)                                                                       \
    STORES(EPA, spinBox, Repa6, Repa6)                                                                       \
    STORES(EPA, spinBox, Repa7, Repa7)                                                                       \
    STORES(EPA, spinBox, Repa8, Repa8)                                                                       \
    STORES(SubTrim, spinBox, sub1, sub1)                                                                     \
    STORES(SubTrim, spinBox, sub2, sub2)                                                                     \
    STORES(SubTrim, spinBox, sub3, sub3)                                                                     \
    STORES(SubTrim, spinBox, sub4, sub4)                                                                     \
    STORES(SubTrim, spinBox, sub5, sub5)                                                                     \
    STORES(SubTrim, spinBox, sub6, sub6)                                                                     \
    STORES(SubTrim, spinBox, sub7, sub7)                                                                     \
    STORES(SubTrim, spinBox, sub8, sub8)                                                                     \
    STORES(FS, spinBox, FS1, FS1)                                                                            \
    STORES(FS, spinBox, FS2, FS2)                                                                            \
    STORES(FS, spinBox, FS3, FS3)                                                                            \
    STORES(FS, spinBox, FS4, FS4)                                                                            \
    STORES(FS, spinBox, FS5, FS5)                                                                            \
    STORES(FS, spinBox, FS6, FS6)                                                                            \
    STORES(FS, spinBox, FS7, FS7)                                                                            \
    STORES(FS, spinBox, FS8, FS8)                                                                            \
    STORES(Delay, spinBox, delay1, delay1)                                                                   \
    STORES(Delay, spinBox, delay2, delay2)                                                                   \
    STORES(Delay, spinBox, delay3, delay3)                                                                   \
    STORES(Delay, spinBox, delay4, delay4)                                                                   \
    STORES(Delay, spinBox, delay5, delay5)                                                                   \
    STORES(Delay, spinBox, delay6, delay6)                                                                   \
    STORES(Delay, spinBox, delay7, delay7)                                                                   \
    STORES(Delay, spinBox, delay8, delay8)                                                                   \
    /* channels 1 to 4 have no source to choose */                                                           \
    HOLDS(Aux, comboBox, AUX1)                                                                               \
    HOLDS(Aux, comboBox, AUX2)                                                                               \
    HOLDS(Aux, comboBox, AUX3)                                                                               \
    HOLDS(Aux, comboBox, AUX4)                                                                               \
    STORES(Aux, comboBox, AUX5, AUX5)                                                                        \
    STORES(Aux, comboBox, AUX6, AUX6)                                                                        \
    STORES(Aux, comboBox, AUX7, AUX7)                                                                        \
    STORES(Aux, comboBox, AUX8, AUX8)                                                                        \
    /* the D/R mix, channel and switch are shown on ADVANCE1 and ADVANCE2 from one field each */             \
    STORES(DR, comboBox, DR_MIX1, DR_MIX)                                                                    \
    EDITS(DR, comboBox, DR_CH1, DR_CH)                                                                       \
    SHOWS(DR, comboBox, DR_SW1, DR_SW)                                                                       \
    EDITS(DR, spinBox, DR_UP1, DR_UP1)                                                                       \
    EDITS(DR, spinBox, DR_DOWN1, DR_DOWN1)                                                                   \
    STORES(Parameter, doubleSpinBox, Volt, Volt)                                                             \
    STORES(Parameter, spinBox, Mode, Mode)                                                                   \
    STORES(Parameter, spinBox, Vertion, Vertion)                                                             \
    STORES(Parameter, doubleSpinBox, rxVolt, rxVolt)                                                         \
    STORES(Parameter, doubleSpinBox, extVolt, extVolt)                                                       \
    STORES(Parameter, spinBox, Rssi, Rssi)                                                                   \
    STORES(Atti, comboBox, AttiM, AttiM)                                                                     \
    STORES(Atti, spinBox, Atti1, Atti1)                                                                      \
    STORES(Atti, spinBox, Atti2, Atti2)                                                                      \
    STORES(Atti, spinBox, Atti3, Atti3)                                                                      \
    STORES(Atti, spinBox, Atti4, Atti4)                                                                      \
    STORES(Atti, spinBox, Atti5, Atti5)                                                                      \
    STORES(Atti, spinBox, Atti6, Atti6)                                                                      \
    STORES(Elev, comboBox, EleMix, EleMix)                                                                   \
    STORES(Elev, spinBox, Elev01, Elev01)                                                                    \
    STORES(Elev, spinBox, Elev02, Elev02)                                                                    \
    STORES(Elev, spinBox, Elev03, Elev03)                                                                    \
    STORES(Elev, spinBox, Elev04, Elev04)                                                                    \
    STORES(Elev, spinBox, Elev05, Elev05)                                                                    \
    STORES(Elev, spinBox, Elev06, Elev06)                                                                    \
    STORES(Vtype, comboBox, RuMix, RuMix)                                                                    \
    STORES(Vtype, spinBox, Ru1, Ru1)                                                                         \
    STORES(Vtype, spinBox, Ru2, Ru2)                                                                         \
    STORES(Vtype, spinBox, Ru3, Ru3)                                                                         \
    STORES(Vtype, spinBox, Ru4, Ru4)                                                                         \
    STORES(Prm, comboBox, PRM01_Mix, PRM01_Mix)                                                              \
    STORES(Prm, comboBox, PRM01_Master, PRM01_Master)                                                        \
    STORES(Prm, comboBox, PRM01_Slave, PRM01_Slave)                                                          \
    STORES(Prm, spinBox, PRM01_Data1, PRM01_Data1)                                                           \
    STORES(Prm, spinBox, PRM01_Data2, PRM01_Data2)                                                           \
    STORES(Prm, spinBox, PRM01_Data3, PRM01_Data3)                                                           \
    STORES(Prm, comboBox, PRM02_Mix, PRM02_Mix)                                                              \
    STORES(Prm, comboBox, PRM02_Master, PRM02_Master)                                                        \
    STORES(Prm, comboBox, PRM02_Slave, PRM02_Slave)                                                          \
    STORES(Prm, spinBox, PRM02_Data1, PRM02_Data1)                                                           \
    STORES(Prm, spinBox, PRM02_Data2, PRM02_Data2)                                                           \
    STORES(Prm, spinBox, PRM02_Data3, PRM02_Data3)                                                           \
    STORES(Prm, comboBox, PRM03_Mix, PRM03_Mix)                                                              \
    STORES(Prm, comboBox, PRM03_Master, PRM03_Master)                                                        \
    STORES(Prm, comboBox, PRM03_Slave, PRM03_Slave)                                                          \
    STORES(Prm, spinBox, PRM03_Data1, PRM03_Data1)                                                           \
    STORES(Prm, spinBox, PRM03_Data2, PRM03_Data2)                                                           \
    STORES(Prm, spinBox, PRM03_Data3, PRM03_Data3)                                                           \
    STORES(Prm, comboBox, PRM04_Mix, PRM04_Mix)                                                              \
    STORES(Prm, comboBox, PRM04_Master, PRM04_Master)                                                        \
    STORES(Prm, comboBox, PRM04_Slave, PRM04_Slave)                                                          \
    STORES(Prm, spinBox, PRM04_Data1, PRM04_Data1)                                                           \
    STORES(Prm, spinBox, PRM04_Data2, PRM04_Data2)                                                           \
    STORES(Prm, spinBox, PRM04_Data3, PRM04_Data3)                                                           \
    STORES(DRCure, comboBox, DR_MIX2, DR_MIX)                                                                \
    /* selects nothing: the pass moves comboBox_DR_CH1 next period, and its slot selects */                  \
    STORES(DRCure, comboBox, DR_CH2, DR_CH)                                                                  \
    STORES(DRCure, comboBox, DR_SW2, DR_SW)                                                                  \
    EDITS(DRCure, comboBox, DR_POSI, DR_POSI)                                                                \
    EDITS(DRCure, spinBox, DR_RATE, DR_RATE)                                                                 \
    EDITS(DRCure, spinBox, DR_EXP, DR_EXP)                                                                   \
    STORES(THcure, comboBox, THCURE_MIX, THCURE_MIX)                                                         \
    STORES(THcure, spinBox, THCURE_Data01, THCURE_Data01)                                                    \
    STORES(THcure, spinBox, THCURE_Data02, THCURE_Data02)                                                    \
    STORES(THcure, spinBox, THCURE_Data03, THCURE_Data03)                                                    \
    STORES(THcure, spinBox, THCURE_Data04, THCURE_Data04)                                                    \
    STORES(THcure, spinBox, THCURE_Data05, THCURE_Data05)                                                    \
    STORES(THcure, spinBox, THCURE_Data06, THCURE_Data06)                                                    \
    STORES(THcure, spinBox, THCURE_Data07, THCURE_Data07)
