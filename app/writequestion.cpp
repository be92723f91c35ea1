// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/writequestion.h"

#include "app/askfirst.h"

bool confirmWrite(QWidget *parent, FormSource source)
{
    const QString holds =
        source == FormSource::PartialRead
            ? QStringLiteral("The form holds a mix: the last READ was incomplete, so some settings are the "
                             "transmitter's and the others are what the form held before.")
            : QStringLiteral("The form holds the program's start-up values: nothing has been read from the "
                             "transmitter or loaded from a file yet.");
    return askFirst(parent,
                    holds +
                        QStringLiteral("\n\nWrite them anyway? The whole model on the transmitter will be "
                                       "replaced, trims, mixes and curves included."),
                    QStringLiteral("Write"));
}
