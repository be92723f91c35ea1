// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/meanings.h"

#include <QCoreApplication>

namespace {

// A '#' in a key stands for any number in the name, which %1 in the text and label then repeats
// ("sub#" is sub1..sub8; "PRM0#_Mix" is PRM01_Mix..PRM04_Mix).
struct MeaningRow {
    const char *key;
    const char *unit;
    const char *text;
    const char *label;
};

// clang-format off
constexpr MeaningRow kMeanings[] = {
    // BASIC
    {"rev#", "", QT_TRANSLATE_NOOP("Meanings", "Servo direction of channel %1: REV turns the servo the other way for the same stick."), ""},
    {"sub#", "steps", QT_TRANSLATE_NOOP("Meanings", "Sub-trim of channel %1: shifts the servo's centre so the linkage sits neutral without bending it."), ""},
    {"Lepa#", "%", QT_TRANSLATE_NOOP("Meanings", "End point of channel %1 on the left (low) side: how far the servo may travel that way."), ""},
    {"Repa#", "%", QT_TRANSLATE_NOOP("Meanings", "End point of channel %1 on the right (high) side: how far the servo may travel that way."), ""},
    {"FS#", "%", QT_TRANSLATE_NOOP("Meanings", "Fail-safe of channel %1: the position the servo goes to when the receiver loses the signal."), ""},
    {"delay#", "%", QT_TRANSLATE_NOOP("Meanings", "Servo delay of channel %1: slows the servo, for gear doors or flaps that should move gently."), ""},
    {"AUX#", "", QT_TRANSLATE_NOOP("Meanings", "Control that drives channel %1: switch SwA or SwB, knob VrA, VrB/SwC, Lock-C, or none (NULL)."), ""},
    {"comboBox_AUX1", "", QT_TRANSLATE_NOOP("Meanings", "Channel 1 follows its stick; it has no control to choose (NC)."), "BASIC / AUX-CH / CH1"},
    {"comboBox_AUX2", "", QT_TRANSLATE_NOOP("Meanings", "Channel 2 follows its stick; it has no control to choose (NC)."), "BASIC / AUX-CH / CH2"},
    {"comboBox_AUX3", "", QT_TRANSLATE_NOOP("Meanings", "Channel 3 follows its stick; it has no control to choose (NC)."), "BASIC / AUX-CH / CH3"},
    {"comboBox_AUX4", "", QT_TRANSLATE_NOOP("Meanings", "Channel 4 follows its stick; it has no control to choose (NC)."), "BASIC / AUX-CH / CH4"},
    // ADVANCE1
    {"DR_MIX", "", QT_TRANSLATE_NOOP("Meanings", "Dual rate on or off: when on, switch SWA picks the UP or the DOWN rate of each D/R channel."), ""},
    {"DR_CH", "", QT_TRANSLATE_NOOP("Meanings", "Which dual-rate channel (CH1 to CH4) the D/R rows show and edit."), ""},
    {"DR_SW", "", QT_TRANSLATE_NOOP("Meanings", "The switch that selects the dual rate (SWA)."), ""},
    {"DR_UP1", "%", QT_TRANSLATE_NOOP("Meanings", "Dual rate of the channel chosen under CH with the switch UP: stick travel in percent of full."), ""},
    {"DR_DOWN1", "%", QT_TRANSLATE_NOOP("Meanings", "Dual rate of the channel chosen under CH with the switch DOWN: stick travel in percent of full."), ""},
    {"DR_UP_CH#", "%", QT_TRANSLATE_NOOP("Meanings", "Dual rate of channel %1 with the switch UP: stick travel in percent of full (choose CH%1 under CH)."), ""},
    {"DR_DOWN_CH#", "%", QT_TRANSLATE_NOOP("Meanings", "Dual rate of channel %1 with the switch DOWN: stick travel in percent of full (choose CH%1 under CH)."), ""},
    {"comboBox_DR_SW1", "", QT_TRANSLATE_NOOP("Meanings", "The switch that selects the dual rate (SWA); the same setting as SW on ADVANCE2."), "ADVANCE1 / D/R / SW"},
    {"AttiM", "", QT_TRANSLATE_NOOP("Meanings", "The channel that sends the attitude (flight mode) position, CH5 to CH8, or OFF."), ""},
    {"Atti#", "%", QT_TRANSLATE_NOOP("Meanings", "Output of the attitude channel in flight-mode position %1."), ""},
    {"EleMix", "", QT_TRANSLATE_NOOP("Meanings", "Elevon mix on or off, for flying wings: aileron and elevator both drive the two wing servos."), ""},
    {"Elev01", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: how much aileron moves the first wing servo (AILE1)."), ""},
    {"Elev02", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: how much aileron moves the second wing servo (AILE2)."), ""},
    {"Elev03", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: how much elevator moves the second wing servo (ELEV2)."), ""},
    {"Elev04", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: how much elevator moves the first wing servo (ELEV1)."), ""},
    {"Elev05", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: the second amount on the AILE1 row, for the first wing servo."), ""},
    {"Elev06", "%", QT_TRANSLATE_NOOP("Meanings", "Elevon: the second amount on the AILE2 row, for the second wing servo."), ""},
    {"RuMix", "", QT_TRANSLATE_NOOP("Meanings", "V-tail mix on or off: elevator and rudder both drive the two tail servos."), ""},
    {"Ru1", "%", QT_TRANSLATE_NOOP("Meanings", "V-tail: how much elevator moves the first tail servo (ELEV1)."), ""},
    {"Ru2", "%", QT_TRANSLATE_NOOP("Meanings", "V-tail: how much elevator moves the second tail servo (ELEV2)."), ""},
    {"Ru3", "%", QT_TRANSLATE_NOOP("Meanings", "V-tail: how much rudder moves the second tail servo (RUDD2)."), ""},
    {"Ru4", "%", QT_TRANSLATE_NOOP("Meanings", "V-tail: how much rudder moves the first tail servo (RUDD1)."), ""},
    // ADVANCE2
    {"comboBox_DR_MIX2", "", QT_TRANSLATE_NOOP("Meanings", "Dual rate on or off; the same setting as MIX on ADVANCE1."), "ADVANCE2 / D/R CURE / MIX"},
    {"comboBox_DR_CH2", "", QT_TRANSLATE_NOOP("Meanings", "Which dual-rate channel RATE and EXP show; the same setting as CH on ADVANCE1."), "ADVANCE2 / D/R CURE / CH"},
    {"DR_POSI", "", QT_TRANSLATE_NOOP("Meanings", "Which switch position (UP or DOWN) RATE and EXP show and edit."), ""},
    {"spinBox_DR_RATE", "%", QT_TRANSLATE_NOOP("Meanings", "Dual rate of the channel under CH at the switch position under POSI: stick travel in percent of full."), "ADVANCE2 / D/R CURE / RATE"},
    {"spinBox_DR_EXP", "%", QT_TRANSLATE_NOOP("Meanings", "Exponential of the channel under CH at the position under POSI: softens or sharpens the stick around centre."), "ADVANCE2 / D/R CURE / EXP"},
    {"DR_EXP_UP_CH#", "%", QT_TRANSLATE_NOOP("Meanings", "Exponential of channel %1 with the switch UP: softens or sharpens the stick around centre."), ""},
    {"DR_EXP_DOWN_CH#", "%", QT_TRANSLATE_NOOP("Meanings", "Exponential of channel %1 with the switch DOWN: softens or sharpens the stick around centre."), ""},
    {"THCURE_MIX", "", QT_TRANSLATE_NOOP("Meanings", "Throttle curve on or off: when on, the seven points shape the throttle's response to the stick."), ""},
    {"THCURE_Data0#", "%", QT_TRANSLATE_NOOP("Meanings", "Throttle curve point %1 of 7: the throttle output at that stick position, from low stick to high."), ""},
    {"THCURE_Extra", "", QT_TRANSLATE_NOOP("Meanings", "A throttle-curve value the transmitter keeps with the curve; no row of the form shows it."), ""},
    // PROG.MIX
    {"PRM0#_Mix", "", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: INH not in use, OFF set up but switched off, ON mixing."), ""},
    {"PRM0#_Master", "", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: the master channel, whose movement is mixed in."), ""},
    {"PRM0#_Slave", "", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: the slave channel, which follows the master as well as its own control."), ""},
    {"PRM0#_Data1", "%", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: the offset, the master's position where the mix starts."), ""},
    {"PRM0#_Data2", "%", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: how much the slave moves as the master moves up."), ""},
    {"PRM0#_Data3", "%", QT_TRANSLATE_NOOP("Meanings", "Programmable mix %1: how much the slave moves as the master moves down."), ""},
    // SYSTEM
    {"Volt", "V", QT_TRANSLATE_NOOP("Meanings", "Transmitter battery alarm: the transmitter warns when its battery falls below this voltage."), ""},
    {"rxVolt", "V", QT_TRANSLATE_NOOP("Meanings", "Receiver battery alarm: warns when the receiver's battery, reported by telemetry, falls below this."), ""},
    {"extVolt", "V", QT_TRANSLATE_NOOP("Meanings", "External voltage alarm: warns when the voltage the receiver measures (flight pack) falls below this."), ""},
    {"Rssi", "dBm", QT_TRANSLATE_NOOP("Meanings", "Signal-strength alarm: warns when the receiver's signal falls below this level."), ""},
    {"Mode", "", QT_TRANSLATE_NOOP("Meanings", "Stick mode 1 to 4: which stick works throttle, elevator, rudder and aileron."), ""},
    {"spinBox_Vertion", "", QT_TRANSLATE_NOOP("Meanings", "The transmitter's firmware version, as it reports it; it is not sent back."), "SYSTEM / VERSION / MODE / TX Version"},
    {"comboBox_PRM02_Master_2", "", QT_TRANSLATE_NOOP("Meanings", "The version of the transmitter's protocol this program speaks."), "SYSTEM / VERSION / MODE / PC Version"},
    {"StkTrim#", "steps", QT_TRANSLATE_NOOP("Meanings", "Stick trim %1 as the transmitter keeps it: the trim buttons move it, 0 is centre."), ""},
};
// clang-format on

// The number a '#' in `key` stands for in `name`, or -1 when the key does not describe the name. Without
// a string made: every editor's tooltip asks at start, each through the whole table.
int matchKey(QLatin1String key, const QString &name)
{
    const int hash = int(key.indexOf(QLatin1Char('#')));
    if (hash < 0) return key == name ? 0 : -1;
    const QLatin1String head = key.left(hash), tail = key.mid(hash + 1);
    const int digits = int(name.size() - head.size() - tail.size());
    if (digits <= 0 || !name.startsWith(head) || !name.endsWith(tail)) return -1;
    int n = 0;
    for (int i = hash; i < hash + digits; ++i) {
        const QChar c = name.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace

SettingMeaning meaningOf(const QString &key)
{
    for (const MeaningRow &row : kMeanings) {
        const int n = matchKey(QLatin1String(row.key), key);
        if (n < 0) continue;
        auto fill = [n](const QString &s) { return s.contains(QLatin1String("%1")) ? s.arg(n) : s; };
        // The unit's symbols read the same everywhere; only "steps" is a word.
        const QString unit = qstrcmp(row.unit, "steps") == 0
                                 ? QCoreApplication::translate("Meanings", "steps")
                                 : QString::fromLatin1(row.unit);
        //: %1 in a meaning is the channel, mix, point or position number.
        return {fill(QCoreApplication::translate("Meanings", row.text)), unit,
                fill(QString::fromUtf8(row.label)), true};
    }
    return {};
}
