// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resetquestion.h"

#include "app/askfirst.h"
#include <QCoreApplication>

bool confirmFactoryReset(QWidget *parent)
{
    return askFirst(parent,
                    QCoreApplication::translate("Questions", "Reset the transmitter to factory settings? The "
                                                             "model on the transmitter will be replaced."),
                    QCoreApplication::translate("Questions", "Reset"));
}
