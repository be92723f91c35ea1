// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/changeswindow.h"

#include "widgets/comparetable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

ChangesWindow::ChangesWindow(QWidget *parent) : QDialog(parent), m_table(new CompareTable(this))
{
    setObjectName(QStringLiteral("changesWindow"));
    setWindowTitle(tr("Changes"));
    auto *buttons = new QDialogButtonBox(this);
    m_revert = buttons->addButton(tr("Revert", "button"), QDialogButtonBox::ActionRole);
    m_revert->setObjectName(QStringLiteral("changesRevert"));
    m_revert->setToolTip(tr("Put the transmitter's values of the ticked settings back into the form"));
    // Enter on a row goes to its editor; no button may take it as the default's key.
    for (QPushButton *b : {m_revert, buttons->addButton(QDialogButtonBox::Close)}) b->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_table, &CompareTable::rowActivated, this, [this](int row) {
        if (row >= 0 && row < m_settings.size()) emit goTo(m_settings[row]);
    });
    connect(m_table, &CompareTable::tickedChanged, this,
            [this] { m_revert->setEnabled(!m_table->tickedRows().isEmpty()); });
    connect(m_revert, &QPushButton::clicked, this, [this] {
        QVector<const NamedField *> ticked;
        for (int row : m_table->tickedRows()) ticked << m_settings[row];
        emit revert(ticked);
    });
    resize(720, 480);
}

void ChangesWindow::showChanges(const QVector<Change> &changes, int equal, bool known)
{
    m_settings.clear();
    if (!known) {
        //: READ is the name of the form's button and stays as it is.
        m_table->showMessage(
            tr("What the transmitter holds is not known yet: READ it, or send the form to it."));
        m_revert->setEnabled(false);
        return;
    }
    QVector<CompareTable::Row> rows;
    for (const Change &c : changes) {
        m_settings << c.setting;
        rows.append({c.label, c.form, c.transmitter});
    }
    //: Column header over the form's values.
    const QString formHeader = tr("Form");
    //: Column header over the values the transmitter holds.
    const QString transmitterHeader = tr("Transmitter");
    m_table->setRows(rows, equal, formHeader, transmitterHeader);
}
