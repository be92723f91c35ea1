// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/transmittersession.h"

#include <QString>

// The Note after a send whose read-back was not clean: what differs, what could not be checked, and
// that the form keeps its values. `answer` is the read-back's.
QString readBackNote(const TransmitterSession::SendCheck &check, const ReadAnswer &answer);
