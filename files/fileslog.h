// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The parameter files' log: the frames' lengths as a file is read, the path of each save and load.
// QT_LOGGING_RULES="txconfig.files=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
