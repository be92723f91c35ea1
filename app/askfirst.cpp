// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/askfirst.h"

#include <QCoreApplication>
#include <QPushButton>

bool askFirst(QWidget *parent, const QString &text, const QString &action, QMessageBox::ButtonRole role)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Questions", "Note"), text,
                    QMessageBox::NoButton, parent);
    QPushButton *go = box.addButton(action, role);
    QPushButton *cancel =
        box.addButton(QCoreApplication::translate("Questions", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == go;
}

void note(const QString &text)
{
    QMessageBox::about(nullptr, QCoreApplication::translate("Questions", "Note"), text);
}
