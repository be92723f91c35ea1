// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

#include <QString>

class QWidget;

// An editor's tooltip, which assistive tools read as well: where the setting sits on the form, what it
// does, the range the editor and the transmitter both accept with its unit, and the factory value.
// With a `transmitterValue` the first line is exactly "On the transmitter: <transmitterValue>", so a
// view that knows the transmitter's copy can put it first. The D/R rate and exponential follow the
// channel and position selected in `form`.
QString editorToolTip(const QWidget *editor, const ParameterSet &form, const QString &transmitterValue);
