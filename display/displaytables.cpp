#include "display/displaytables.h"

#include "display/hoverstyle.h"
#include "ui_mainwindow.h"

namespace {

using U = Ui::MainWindow;
using P = ParameterSet;
using Combo = QComboBox *U::*;

DisplayCopy spin(QSpinBox *U::*w, IntField f)
{
    return {w, nullptr, nullptr, f, nullptr};
}
DisplayCopy combo(Combo w, IntField f)
{
    return {nullptr, w, nullptr, f, nullptr};
}
DisplayCopy volts(QDoubleSpinBox *U::*w, DoubleField f)
{
    return {nullptr, nullptr, w, nullptr, f};
}

std::vector<DisplayGroup> buildGroups()
{
    std::vector<DisplayGroup> g(kGroupCount);
    auto at = [&g](Group which) -> DisplayGroup & { return g[int(which)]; };

    at(Group::Rev).copies = {combo(&U::comboBox_rev1, &P::rev1), combo(&U::comboBox_rev2, &P::rev2),
                             combo(&U::comboBox_rev3, &P::rev3), combo(&U::comboBox_rev4, &P::rev4),
                             combo(&U::comboBox_rev5, &P::rev5), combo(&U::comboBox_rev6, &P::rev6),
                             combo(&U::comboBox_rev7, &P::rev7), combo(&U::comboBox_rev8, &P::rev8)};
    at(Group::Rev).tracked = {&U::comboBox_rev1, &U::comboBox_rev2, &U::comboBox_rev3, &U::comboBox_rev4,
                              &U::comboBox_rev5, &U::comboBox_rev6, &U::comboBox_rev7, &U::comboBox_rev8};

    at(Group::EPA).copies = {spin(&U::spinBox_Lepa1, &P::Lepa1), spin(&U::spinBox_Lepa2, &P::Lepa2),
                             spin(&U::spinBox_Lepa3, &P::Lepa3), spin(&U::spinBox_Lepa4, &P::Lepa4),
                             spin(&U::spinBox_Lepa5, &P::Lepa5), spin(&U::spinBox_Lepa6, &P::Lepa6),
                             spin(&U::spinBox_Lepa7, &P::Lepa7), spin(&U::spinBox_Lepa8, &P::Lepa8),
                             spin(&U::spinBox_Repa1, &P::Repa1), spin(&U::spinBox_Repa2, &P::Repa2),
                             spin(&U::spinBox_Repa3, &P::Repa3), spin(&U::spinBox_Repa4, &P::Repa4),
                             spin(&U::spinBox_Repa5, &P::Repa5), spin(&U::spinBox_Repa6, &P::Repa6),
                             spin(&U::spinBox_Repa7, &P::Repa7), spin(&U::spinBox_Repa8, &P::Repa8)};

    at(Group::SubTrim).copies = {spin(&U::spinBox_sub1, &P::sub1), spin(&U::spinBox_sub2, &P::sub2),
                                 spin(&U::spinBox_sub3, &P::sub3), spin(&U::spinBox_sub4, &P::sub4),
                                 spin(&U::spinBox_sub5, &P::sub5), spin(&U::spinBox_sub6, &P::sub6),
                                 spin(&U::spinBox_sub7, &P::sub7), spin(&U::spinBox_sub8, &P::sub8)};

    at(Group::FS).copies = {spin(&U::spinBox_FS1, &P::FS1), spin(&U::spinBox_FS2, &P::FS2),
                            spin(&U::spinBox_FS3, &P::FS3), spin(&U::spinBox_FS4, &P::FS4),
                            spin(&U::spinBox_FS5, &P::FS5), spin(&U::spinBox_FS6, &P::FS6),
                            spin(&U::spinBox_FS7, &P::FS7), spin(&U::spinBox_FS8, &P::FS8)};

    at(Group::Delay).copies = {spin(&U::spinBox_delay1, &P::delay1), spin(&U::spinBox_delay2, &P::delay2),
                               spin(&U::spinBox_delay3, &P::delay3), spin(&U::spinBox_delay4, &P::delay4),
                               spin(&U::spinBox_delay5, &P::delay5), spin(&U::spinBox_delay6, &P::delay6),
                               spin(&U::spinBox_delay7, &P::delay7), spin(&U::spinBox_delay8, &P::delay8)};

    // Channels 1 to 4 have no source to choose: their boxes snap back to "NC".
    at(Group::Aux).copies = {combo(&U::comboBox_AUX1, nullptr),  combo(&U::comboBox_AUX2, nullptr),
                             combo(&U::comboBox_AUX3, nullptr),  combo(&U::comboBox_AUX4, nullptr),
                             combo(&U::comboBox_AUX5, &P::AUX5), combo(&U::comboBox_AUX6, &P::AUX6),
                             combo(&U::comboBox_AUX7, &P::AUX7), combo(&U::comboBox_AUX8, &P::AUX8)};
    at(Group::Aux).tracked = {&U::comboBox_AUX1, &U::comboBox_AUX2, &U::comboBox_AUX3, &U::comboBox_AUX4,
                              &U::comboBox_AUX5, &U::comboBox_AUX6, &U::comboBox_AUX7, &U::comboBox_AUX8};

    at(Group::DR).copies = {combo(&U::comboBox_DR_MIX1, &P::DR_MIX), combo(&U::comboBox_DR_CH1, &P::DR_CH),
                            combo(&U::comboBox_DR_SW1, &P::DR_SW), spin(&U::spinBox_DR_UP1, &P::DR_UP1),
                            spin(&U::spinBox_DR_DOWN1, &P::DR_DOWN1)};
    at(Group::DR).tracked = {&U::comboBox_DR_MIX1, &U::comboBox_DR_CH1, &U::comboBox_DR_SW1};

    at(Group::Parameter).copies = {
        volts(&U::doubleSpinBox_Volt, &P::Volt),       spin(&U::spinBox_Mode, &P::Mode),
        spin(&U::spinBox_Vertion, &P::Vertion),        volts(&U::doubleSpinBox_rxVolt, &P::rxVolt),
        volts(&U::doubleSpinBox_extVolt, &P::extVolt), spin(&U::spinBox_Rssi, &P::Rssi)};

    at(Group::Atti).copies = {combo(&U::comboBox_AttiM, &P::AttiM), spin(&U::spinBox_Atti1, &P::Atti1),
                              spin(&U::spinBox_Atti2, &P::Atti2),   spin(&U::spinBox_Atti3, &P::Atti3),
                              spin(&U::spinBox_Atti4, &P::Atti4),   spin(&U::spinBox_Atti5, &P::Atti5),
                              spin(&U::spinBox_Atti6, &P::Atti6)};
    at(Group::Atti).tracked = {&U::comboBox_AttiM};

    at(Group::Elev).copies = {combo(&U::comboBox_EleMix, &P::EleMix), spin(&U::spinBox_Elev01, &P::Elev01),
                              spin(&U::spinBox_Elev02, &P::Elev02),   spin(&U::spinBox_Elev03, &P::Elev03),
                              spin(&U::spinBox_Elev04, &P::Elev04),   spin(&U::spinBox_Elev05, &P::Elev05),
                              spin(&U::spinBox_Elev06, &P::Elev06)};
    at(Group::Elev).tracked = {&U::comboBox_EleMix};

    at(Group::Vtype).copies = {combo(&U::comboBox_RuMix, &P::RuMix), spin(&U::spinBox_Ru1, &P::Ru1),
                               spin(&U::spinBox_Ru2, &P::Ru2), spin(&U::spinBox_Ru3, &P::Ru3),
                               spin(&U::spinBox_Ru4, &P::Ru4)};
    at(Group::Vtype).tracked = {&U::comboBox_RuMix};

    at(Group::Prm).copies = {
        combo(&U::comboBox_PRM01_Mix, &P::PRM01_Mix),     combo(&U::comboBox_PRM01_Master, &P::PRM01_Master),
        combo(&U::comboBox_PRM01_Slave, &P::PRM01_Slave), spin(&U::spinBox_PRM01_Data1, &P::PRM01_Data1),
        spin(&U::spinBox_PRM01_Data2, &P::PRM01_Data2),   spin(&U::spinBox_PRM01_Data3, &P::PRM01_Data3),
        combo(&U::comboBox_PRM02_Mix, &P::PRM02_Mix),     combo(&U::comboBox_PRM02_Master, &P::PRM02_Master),
        combo(&U::comboBox_PRM02_Slave, &P::PRM02_Slave), spin(&U::spinBox_PRM02_Data1, &P::PRM02_Data1),
        spin(&U::spinBox_PRM02_Data2, &P::PRM02_Data2),   spin(&U::spinBox_PRM02_Data3, &P::PRM02_Data3),
        combo(&U::comboBox_PRM03_Mix, &P::PRM03_Mix),     combo(&U::comboBox_PRM03_Master, &P::PRM03_Master),
        combo(&U::comboBox_PRM03_Slave, &P::PRM03_Slave), spin(&U::spinBox_PRM03_Data1, &P::PRM03_Data1),
        spin(&U::spinBox_PRM03_Data2, &P::PRM03_Data2),   spin(&U::spinBox_PRM03_Data3, &P::PRM03_Data3),
        combo(&U::comboBox_PRM04_Mix, &P::PRM04_Mix),     combo(&U::comboBox_PRM04_Master, &P::PRM04_Master),
        combo(&U::comboBox_PRM04_Slave, &P::PRM04_Slave), spin(&U::spinBox_PRM04_Data1, &P::PRM04_Data1),
        spin(&U::spinBox_PRM04_Data2, &P::PRM04_Data2),   spin(&U::spinBox_PRM04_Data3, &P::PRM04_Data3)};
    at(Group::Prm).tracked = {&U::comboBox_PRM01_Mix, &U::comboBox_PRM01_Master, &U::comboBox_PRM01_Slave,
                              &U::comboBox_PRM02_Mix, &U::comboBox_PRM02_Master, &U::comboBox_PRM02_Slave,
                              &U::comboBox_PRM03_Mix, &U::comboBox_PRM03_Master, &U::comboBox_PRM03_Slave,
                              &U::comboBox_PRM04_Mix, &U::comboBox_PRM04_Master, &U::comboBox_PRM04_Slave};

    at(Group::DRCure).copies = {
        combo(&U::comboBox_DR_MIX2, &P::DR_MIX), combo(&U::comboBox_DR_CH2, &P::DR_CH),
        combo(&U::comboBox_DR_SW2, &P::DR_SW),   combo(&U::comboBox_DR_POSI, &P::DR_POSI),
        spin(&U::spinBox_DR_RATE, &P::DR_RATE),  spin(&U::spinBox_DR_EXP, &P::DR_EXP)};
    at(Group::DRCure).tracked = {&U::comboBox_DR_MIX2, &U::comboBox_DR_CH2, &U::comboBox_DR_SW2,
                                 &U::comboBox_DR_POSI};

    at(Group::THcure).copies = {combo(&U::comboBox_THCURE_MIX, &P::THCURE_MIX),
                                spin(&U::spinBox_THCURE_Data01, &P::THCURE_Data01),
                                spin(&U::spinBox_THCURE_Data02, &P::THCURE_Data02),
                                spin(&U::spinBox_THCURE_Data03, &P::THCURE_Data03),
                                spin(&U::spinBox_THCURE_Data04, &P::THCURE_Data04),
                                spin(&U::spinBox_THCURE_Data05, &P::THCURE_Data05),
                                spin(&U::spinBox_THCURE_Data06, &P::THCURE_Data06),
                                spin(&U::spinBox_THCURE_Data07, &P::THCURE_Data07)};
    at(Group::THcure).tracked = {&U::comboBox_THCURE_MIX};

    int counter = 0;
    for (DisplayGroup &group : g) {
        group.firstCounter = counter;
        counter += int(group.tracked.size());
    }
    return g;
}

void apply(const DisplayCopy &c, U &ui, const ParameterSet &p)
{
    if (c.spin)
        (ui.*c.spin)->setValue(p.*c.field);
    else if (c.combo)
        (ui.*c.combo)->setCurrentIndex(c.field ? p.*c.field : 0);
    else
        (ui.*c.volts)->setValue(p.*c.voltsField);
}

} // namespace

const DisplayGroup &displayGroup(Group group)
{
    static const std::vector<DisplayGroup> groups = buildGroups();
    return groups[int(group)];
}

void showGroup(Group which, Ui::MainWindow &ui, const ParameterSet &p, int *hoverCounters)
{
    const DisplayGroup &group = displayGroup(which);
    for (const DisplayCopy &copy : group.copies) apply(copy, ui, p);
    for (std::size_t i = 0; i < group.tracked.size(); ++i)
        trackHover(ui.*group.tracked[i], hoverCounters[group.firstCounter + int(i)]);
}
