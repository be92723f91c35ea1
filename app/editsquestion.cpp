// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editsquestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

EditsChoice askAboutEdits(QWidget *parent, const QString &consequence, bool offerSave)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Questions", "Note"),
                    //: %1 says what the command about to run does to the edits.
                    QCoreApplication::translate("Questions", "The form holds edits that are neither on the "
                                                             "transmitter nor in a file.\n\n%1")
                        .arg(consequence),
                    QMessageBox::NoButton, parent);
    QPushButton *save =
        offerSave ? box.addButton(QCoreApplication::translate("Questions", "Save"), QMessageBox::AcceptRole)
                  : nullptr;
    QPushButton *discard =
        box.addButton(QCoreApplication::translate("Questions", "Discard"), QMessageBox::DestructiveRole);
    QPushButton *cancel =
        box.addButton(QCoreApplication::translate("Questions", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (save && box.clickedButton() == save) return EditsChoice::Save;
    return box.clickedButton() == discard ? EditsChoice::Discard : EditsChoice::Cancel;
}
