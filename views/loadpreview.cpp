// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/loadpreview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QVector<int>> askLoadPreview(QWidget *parent, const QString &fileName,
                                           const QVector<CompareTable::Row> &rows, int equal)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("loadPreview"));
    dialog.setWindowTitle(QStringLiteral("LOAD"));
    auto *intro = new QLabel(QStringLiteral("Sending %1 changes these settings on the transmitter. A setting "
                                            "left unticked keeps the transmitter's value.")
                                 .arg(fileName),
                             &dialog);
    intro->setWordWrap(true);
    auto *table = new CompareTable(&dialog);
    table->setRows(rows, equal, QStringLiteral("File"), QStringLiteral("Transmitter"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton *send = buttons->addButton(QStringLiteral("Send"), QDialogButtonBox::AcceptRole);
    send->setObjectName(QStringLiteral("loadSend"));
    send->setDefault(true);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(intro);
    layout->addWidget(table);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.resize(720, 520);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return table->tickedRows();
}
