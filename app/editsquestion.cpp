// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editsquestion.h"

#include <QMessageBox>
#include <QPushButton>

EditsChoice askAboutEdits(QWidget *parent, const QString &consequence, bool offerSave)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Note"),
                    QStringLiteral("The form holds edits that are neither on the transmitter nor in a "
                                   "file.\n\n") +
                        consequence,
                    QMessageBox::NoButton, parent);
    QPushButton *save = offerSave ? box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole) : nullptr;
    QPushButton *discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (save && box.clickedButton() == save) return EditsChoice::Save;
    return box.clickedButton() == discard ? EditsChoice::Discard : EditsChoice::Cancel;
}
