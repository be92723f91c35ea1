// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

// A question before a command that cannot be undone: titled "Note", with the command's own button and
// Cancel, which is the default and what Escape answers. True only when the command's button was chosen.
bool askFirst(QWidget *parent, const QString &text, const QString &action,
              QMessageBox::ButtonRole role = QMessageBox::DestructiveRole);

// The link commands' message: a "Note" box without a parent window, as the transmitter's users have
// always seen them.
void note(const QString &text);
