// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/textframes.h"
#include "params/parameterset.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

// Checking a send by reading the transmitter's model back: which settings differ from what went out.

struct SettingDifference {
    QString label;       // as the pilot finds it on the form
    QString sent;        // the form's value, as the frames carried it
    QString transmitter; // what the transmitter answered
};

// The settings the four frames carried, read from their text as the transmitter reads them: values
// clamped into their fields come back clamped.
ParameterSet sentSettings(const std::array<QString, 4> &frames);

// Every setting that the frames carry and the arrived frames of the answer carry back, in the form's
// order. The stick trims are not in the answer: the transmitter reports them live, so they are
// compared with the latest live value when one came after the frames.
QVector<SettingDifference> compareReadBack(const ParameterSet &sent, const ParameterSet &answer,
                                           const QVector<int> &arrivedNumbers,
                                           const std::optional<std::array<int, 4>> &liveTrims);

// The lines of a difference list, one setting a line.
QString differenceLines(const QVector<SettingDifference> &differences);
