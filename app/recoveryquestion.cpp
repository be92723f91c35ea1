// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recoveryquestion.h"

#include "app/askfirst.h"
#include "files/history.h"
#include "files/journal.h"

#include <QFileInfo>

#include <QMessageBox>
#include <QPushButton>

RecoveryChoice askRecovery(QWidget *parent, const JournalEntry &entry, const QString &noRestore)
{
    QString text =
        journalSummary(entry) +
        QStringLiteral(" The transmitter may now hold part of it and part of the model it replaced.");
    if (!noRestore.isEmpty()) text += QStringLiteral("\n\n") + noRestore;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Note"), text, QMessageBox::NoButton, parent);
    QPushButton *restore =
        box.addButton(QStringLiteral("Restore the earlier model"), QMessageBox::AcceptRole);
    QPushButton *resend = box.addButton(QStringLiteral("Send it again"), QMessageBox::ActionRole);
    QPushButton *later = box.addButton(QStringLiteral("Not now"), QMessageBox::RejectRole);
    restore->setEnabled(noRestore.isEmpty());
    box.setDefaultButton(noRestore.isEmpty() ? restore : resend);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) return RecoveryChoice::Restore;
    if (box.clickedButton() == resend) return RecoveryChoice::Resend;
    return RecoveryChoice::NotNow;
}

DraftChoice askDraft(QWidget *parent, const QDateTime &editedAt)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Note"),
                    QStringLiteral("Edits made at %1 were neither sent nor saved when the program ended.")
                        .arg(editedAt.toString(QStringLiteral("HH:mm"))),
                    QMessageBox::NoButton, parent);
    QPushButton *restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    // Escape keeps the draft for the next start: nothing the pilot did not choose is lost.
    QPushButton *keep = box.addButton(QMessageBox::Cancel);
    keep->hide();
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == restore) return DraftChoice::Restore;
    if (box.clickedButton() == discard) return DraftChoice::Discard;
    return DraftChoice::Keep;
}

std::optional<RecoveryPlan> planRecovery(QWidget *parent, const JournalEntry &entry)
{
    QString why, noRestore;
    std::optional<ParameterSet> earlier;
    if (entry.before.isEmpty())
        noRestore =
            QStringLiteral("No copy of the earlier model was kept (\"Send anyway\" was chosen), so it "
                           "cannot be restored.");
    else if (!(earlier = HistoryStore::readEntry(entry.before, &why)))
        noRestore = QStringLiteral("The copy of the earlier model cannot be read (%1: %2).")
                        .arg(QFileInfo(entry.before).fileName(), why);
    const RecoveryChoice choice = askRecovery(parent, entry, noRestore);
    if (choice == RecoveryChoice::NotNow) return std::nullopt;
    const QString done =
        QStringLiteral("Checked: the transmitter holds the model sent; the interrupted %1 is mended.")
            .arg(entry.command);
    if (choice == RecoveryChoice::Restore)
        return RecoveryPlan{*earlier, QStringLiteral("Restore the earlier model"), done};
    if (entry.sending.isEmpty()) why = QStringLiteral("no copy was kept");
    const std::optional<ParameterSet> sending =
        entry.sending.isEmpty() ? std::nullopt : HistoryStore::readEntry(entry.sending, &why);
    if (!sending) {
        note(QStringLiteral("The model the %1 was sending cannot be read (%2: %3). Nothing was sent.")
                 .arg(entry.command, entry.sending, why));
        return std::nullopt;
    }
    return RecoveryPlan{*sending, QStringLiteral("Send it again"), done};
}
