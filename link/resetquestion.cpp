#include "link/resetquestion.h"

#include <QMessageBox>
#include <QPushButton>

bool confirmFactoryReset(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Note"),
                    QStringLiteral("Reset the transmitter to factory settings? The model on the transmitter "
                                   "will be replaced."),
                    QMessageBox::NoButton, parent);
    QPushButton *reset = box.addButton(QStringLiteral("Reset"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == reset;
}
