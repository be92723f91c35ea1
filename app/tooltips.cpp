// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "views/editortips.h"

#include "ui_mainwindow.h"

#include <QAbstractSpinBox>
#include <QComboBox>

// Every editor of the form explains itself on hover, and to a screen reader.
void MainWindow::setUpToolTips()
{
    for (QWidget *editor : ui->tabWidget->findChildren<QWidget *>())
        if (qobject_cast<QAbstractSpinBox *>(editor) || qobject_cast<QComboBox *>(editor))
            editor->setToolTip(editorToolTip(editor, params, QString()));
}
