// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// A model's settings as a printable page: every setting by tab and group with its value and factory
// value, those that differ from the factory set in bold. Plain HTML that QTextDocument lays out, black
// on white, so that it prints legibly on any printer.
struct SheetHeading {
    QString source;             // where the model came from: a file, a history entry, the form
    QDateTime made;             // when the sheet was made
    QString port;               // empty when none is known
    QString transmitterVersion; // empty when not known
};

QString modelSheetHtml(const ParameterSet &model, const QVector<const NamedField *> &settings,
                       const SheetHeading &heading);

// A setting's value on the sheet: as the form shows it, followed by the number a parameter file and
// `txconfig-cli dump` hold where that reads otherwise ("REV (1)").
QString sheetValue(const NamedField &f, const ParameterSet &p);
