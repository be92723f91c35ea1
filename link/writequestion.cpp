#include "link/writequestion.h"

#include <QMessageBox>
#include <QPushButton>

bool confirmWrite(QWidget *parent, FormSource source)
{
    const QString holds =
        source == FormSource::PartialRead
            ? QStringLiteral("The form holds a mix: the last READ was incomplete, so some settings are the "
                             "transmitter's and the others are what the form held before.")
            : QStringLiteral("The form holds the program's start-up values: nothing has been read from the "
                             "transmitter or loaded from a file yet.");
    QMessageBox box(QMessageBox::Question, QStringLiteral("Note"),
                    holds +
                        QStringLiteral("\n\nWrite them anyway? The whole model on the transmitter will be "
                                       "replaced, trims, mixes and curves included."),
                    QMessageBox::NoButton, parent);
    QPushButton *write = box.addButton(QStringLiteral("Write"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == write;
}
