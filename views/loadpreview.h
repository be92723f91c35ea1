// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/comparetable.h"

#include <QVector>

#include <optional>

class QWidget;

// Before LOAD sends a file: what it would change on the transmitter, a tick per setting, all ticked.
// The ticked rows, or nothing when the pilot cancels.
std::optional<QVector<int>> askLoadPreview(QWidget *parent, const QString &fileName,
                                           const QVector<CompareTable::Row> &rows, int equal);
