// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/textframes.h"

// The fields each text frame carries, asked once: building the list for every input would cost more
// than the reading under test.
inline const QVector<CarriedField> &carried(TextFrame frame)
{
    static const QVector<CarriedField> lists[] = {carriedFields(TextFrame::S), carriedFields(TextFrame::G),
                                                  carriedFields(TextFrame::H), carriedFields(TextFrame::I)};
    return lists[int(frame)];
}
