// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/writequestion.h"

#include "app/askfirst.h"
#include <QCoreApplication>

bool confirmWrite(QWidget *parent, FormSource source)
{
    const QString holds =
        source == FormSource::PartialRead
            ? QCoreApplication::translate("Questions",
                                          "The form holds a mix: the last READ was incomplete, so some "
                                          "settings are the transmitter's and the others are what the form "
                                          "held before.")
            : QCoreApplication::translate("Questions",
                                          "The form holds the program's start-up values: nothing has "
                                          "been read from the transmitter or loaded from a file yet.");
    //: %1 says where the form's values came from.
    return askFirst(parent,
                    QCoreApplication::translate("Questions",
                                                "%1\n\nWrite them anyway? The whole model on the "
                                                "transmitter will be replaced, trims, mixes and "
                                                "curves included.")
                        .arg(holds),
                    QCoreApplication::translate("Questions", "Write"));
}
