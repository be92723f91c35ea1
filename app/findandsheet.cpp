// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "files/sheetfile.h"
#include "files/usersettings.h"
#include "params/modelsheet.h"
#include "views/settingfinder.h"

#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace {

// The filters name the file types the same way in every language.
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kHtmlFilter = QStringLiteral("HTML (*.html *.htm)");

// The desktop's Find key, and Ctrl+F where the desktop names another or none.
QList<QKeySequence> findKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Find);
    const QKeySequence ctrlF(Qt::CTRL | Qt::Key_F);
    if (!keys.contains(ctrlF)) keys.append(ctrlF);
    return keys;
}

QAction *addWindowAction(QWidget *window, QMenu *menu, const QString &text, const QList<QKeySequence> &keys)
{
    QAction *action = menu->addAction(text);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action); // the key works wherever focus is in the window
    return action;
}

QVector<const NamedField *> everySetting()
{
    QVector<const NamedField *> all;
    for (const NamedField &f : kNamedFields) all.append(&f);
    return all;
}

} // namespace

void MainWindow::setUpFindAndSheet(QMenu *views)
{
    // Made when first asked for: most sessions never search, and its list is a tenth of the start-up.
    connect(addWindowAction(this, views, tr("Find..."), findKeys()), &QAction::triggered, this, [this] {
        if (!finder) finder = new SettingFinder(ui->tabWidget);
        finder->open();
    });
    connect(addWindowAction(this, views, tr("Export sheet..."), {QKeySequence(Qt::CTRL | Qt::Key_P)}),
            &QAction::triggered, this, [this] {
                const QString written =
                    exportSheet(this, params, transmitter.isOpen() ? transmitter.portName() : QString());
                if (!written.isEmpty())
                    commands.notices()->post(
                        tr("Sheet written to %1").arg(QDir::toNativeSeparators(written)));
            });
}

QString exportSheet(QWidget *parent, const ParameterSet &form, const QString &port)
{
    QString filter = kPdfFilter;
    QString path =
        QFileDialog::getSaveFileName(parent, QCoreApplication::translate("MainWindow", "Export sheet"),
                                     fileDialogFolder() + QStringLiteral("/model-sheet.pdf"),
                                     kPdfFilter + QStringLiteral(";;") + kHtmlFilter, &filter);
    if (path.isEmpty()) return QString();
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == kHtmlFilter ? QStringLiteral(".html") : QStringLiteral(".pdf");

    SheetHeading heading;
    heading.source = QCoreApplication::translate("MainWindow", "the form of %1")
                         .arg(parent->windowTitle().remove(QStringLiteral("[*]")));
    heading.made = QDateTime::currentDateTime();
    heading.port = port;
    // The transmitter reports its version with the model; before a READ it is not known.
    if (form.Vertion > 0) heading.transmitterVersion = QString::number(form.Vertion);
    QString error;
    if (!writeSheetFile(path, modelSheetHtml(form, everySetting(), heading), &error)) {
        QMessageBox::critical(
            parent, QCoreApplication::translate("Commands", "ERROR"),
            QCoreApplication::translate("MainWindow", "The sheet could not be written to %1: %2")
                .arg(path, error));
        return QString();
    }
    return path;
}
