// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resetquestion.h"

#include "app/askfirst.h"

bool confirmFactoryReset(QWidget *parent)
{
    return askFirst(parent,
                    QStringLiteral("Reset the transmitter to factory settings? The model on the transmitter "
                                   "will be replaced."),
                    QStringLiteral("Reset"));
}
