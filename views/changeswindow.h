// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/namedfields.h"

#include <QDialog>
#include <QVector>

class CompareTable;
class QPushButton;

// The form against the transmitter, beside the form: one row per setting not on the transmitter.
// A row activated (double-click, Enter) goes to its editor; Revert puts the transmitter's values of the
// ticked rows back into the form. The window only shows and asks; the form does the work.
class ChangesWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ChangesWindow(QWidget *parent = nullptr);

    struct Change {
        const NamedField *setting;
        QString label, form, transmitter;
    };
    // The changes; `known` false says the transmitter's settings are not known yet.
    void showChanges(const QVector<Change> &changes, int equal, bool known);
    CompareTable *table() const { return m_table; }

signals:
    void goTo(const NamedField *setting);
    void revert(const QVector<const NamedField *> &settings);

private:
    CompareTable *m_table;
    QPushButton *m_revert;
    QVector<const NamedField *> m_settings;
};
