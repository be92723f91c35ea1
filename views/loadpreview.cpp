// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/loadpreview.h"

#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"

#include <QCoreApplication>
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
    // Named after the form's button, whose name stays as it is in every language.
    dialog.setWindowTitle(QStringLiteral("LOAD"));
    //: %1 is the parameter file's name.
    auto *intro = new QLabel(
        QCoreApplication::translate("LoadPreview", "Sending %1 changes these settings on the transmitter. "
                                                   "A setting left unticked keeps the transmitter's value.")
            .arg(fileName),
        &dialog);
    intro->setWordWrap(true);
    auto *table = new CompareTable(&dialog);
    //: Column header over the file's values.
    const QString fileHeader = QCoreApplication::translate("LoadPreview", "File");
    //: Column header over the values the transmitter holds.
    const QString transmitterHeader = QCoreApplication::translate("LoadPreview", "Transmitter");
    table->setRows(rows, equal, fileHeader, transmitterHeader);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton *send = buttons->addButton(QCoreApplication::translate("LoadPreview", "Send", "button"),
                                           QDialogButtonBox::AcceptRole);
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

std::optional<QVector<const NamedField *>>
keptOnTransmitter(QWidget *parent, const ParameterSet &form, const ParameterSet &fromFile,
                  const LoadedFrames &loaded, const ParameterSet &held, const QString &fileName)
{
    ParameterSet candidate = form;
    copyLoadedFrames(fromFile, loaded, candidate);
    selectDualRate(candidate);
    sanitise(candidate);
    const SettingsDiff diff = compareLoadedSettings(candidate, held);
    if (diff.differing.isEmpty()) return QVector<const NamedField *>();
    QVector<CompareTable::Row> rows;
    for (const NamedField *f : diff.differing)
        rows.append({pilotLabel(*f), pilotValue(*f, candidate), pilotValue(*f, held)});
    const std::optional<QVector<int>> ticked = askLoadPreview(parent, fileName, rows, diff.equal);
    if (!ticked) return std::nullopt;
    QVector<const NamedField *> kept;
    for (int i = 0; i < diff.differing.size(); ++i)
        if (!ticked->contains(i)) kept << diff.differing[i];
    return kept;
}
