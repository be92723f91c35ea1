// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What each setting does, in a pilot's words: one table beside the field list, read by the editors'
// tooltips, the finder and the model sheet.
struct SettingMeaning {
    QString text;  // one line: what the setting does
    QString unit;  // "%", "steps", "V", "dBm", or empty for a choice or a plain number
    QString label; // only for an editor that shows no setting of its own: its place on the form
    bool found = false;
};

// The meaning of a setting by its name ("sub3", "PRM02_Slave"), or of an editor that shows no setting
// of its own, or shows one away from its tab, by its objectName ("spinBox_DR_RATE", "comboBox_AUX2").
SettingMeaning meaningOf(const QString &key);
