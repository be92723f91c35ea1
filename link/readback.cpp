// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readback.h"

#include "link/blocks.h"
#include "params/pilotlabels.h"

#include <QCoreApplication>
#include <QStringList>

ParameterSet sentSettings(const std::array<QString, 4> &frames)
{
    ParameterSet p;
    for (TextFrame f : kSendOrder) readFrameFields(f, frames[size_t(f)], 0, p);
    return p;
}

QVector<SettingDifference> compareReadBack(const ParameterSet &sent, const ParameterSet &answer,
                                           const QVector<int> &arrivedNumbers,
                                           const std::optional<std::array<int, 4>> &liveTrims)
{
    QVector<IntField> checked;
    for (int number : arrivedNumbers) checked += answerFields(number);
    QVector<SettingDifference> out;
    for (const NamedField &f : kNamedFields) {
        int held = 0;
        const int trim = int(std::find(std::begin(fields::StkTrim), std::end(fields::StkTrim), f.field) -
                             std::begin(fields::StkTrim));
        if (trim < 4) {
            if (!liveTrims) continue;
            held = (*liveTrims)[size_t(trim)];
        } else if (checked.contains(f.field)) {
            held = answer.*f.field;
        } else {
            continue; // not in the answer (a view of the dual rates, or its frame did not come)
        }
        if (held != sent.*f.field)
            out.append({pilotLabel(f), pilotValue(f, sent.*f.field), pilotValue(f, held)});
    }
    return out;
}

QString differenceLines(const QVector<SettingDifference> &differences)
{
    QStringList lines;
    for (const SettingDifference &d : differences)
        //: %1 is the setting as the form labels it, %2 the form's value, %3 the transmitter's.
        lines << QCoreApplication::translate("ReadBack", "%1: form %2, transmitter %3")
                     .arg(d.label, d.sent, d.transmitter);
    return lines.join('\n');
}
