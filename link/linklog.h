// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The link's log: frames built and sent, blocks taken or dropped, the port's failures.
// QT_LOGGING_RULES="txconfig.link=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
