// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/paramfile.h"
#include "params/namedfields.h"
#include "widgets/comparetable.h"

#include <QVector>

#include <optional>

class QWidget;

// Before LOAD sends a file: what it would change on the transmitter, a tick per setting, all ticked.
// The ticked rows, or nothing when the pilot cancels.
std::optional<QVector<int>> askLoadPreview(QWidget *parent, const QString &fileName,
                                           const QVector<CompareTable::Row> &rows, int equal);

// LOAD's look before sending: the file's frames over `form` (the rules applied) against what the
// transmitter `held`. The settings whose transmitter value the pilot keeps (none when the file changes
// nothing), or nothing when the pilot cancels.
std::optional<QVector<const NamedField *>>
keptOnTransmitter(QWidget *parent, const ParameterSet &form, const ParameterSet &fromFile,
                  const LoadedFrames &loaded, const ParameterSet &held, const QString &fileName);
