// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recoveryquestion.h"

#include "app/askfirst.h"
#include "files/history.h"
#include "files/journal.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <QMessageBox>
#include <QPushButton>

RecoveryChoice askRecovery(QWidget *parent, const JournalEntry &entry, const QString &noRestore)
{
    //: %1 says which command was cut off, when and on which port.
    QString text =
        QCoreApplication::translate(
            "Recovery", "%1 The transmitter may now hold part of it and part of the model it replaced.")
            .arg(journalSummary(entry));
    if (!noRestore.isEmpty()) text += QStringLiteral("\n\n") + noRestore;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Questions", "Note"), text,
                    QMessageBox::NoButton, parent);
    QPushButton *restore = box.addButton(QCoreApplication::translate("Recovery", "Restore the earlier model"),
                                         QMessageBox::AcceptRole);
    QPushButton *resend =
        box.addButton(QCoreApplication::translate("Recovery", "Send it again"), QMessageBox::ActionRole);
    QPushButton *later =
        box.addButton(QCoreApplication::translate("Recovery", "Not now"), QMessageBox::RejectRole);
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
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Questions", "Note"),
                    //: %1 is the time of day of the last edit.
                    QCoreApplication::translate(
                        "Recovery", "Edits made at %1 were neither sent nor saved when the program ended.")
                        .arg(editedAt.toString(QStringLiteral("HH:mm"))),
                    QMessageBox::NoButton, parent);
    QPushButton *restore =
        box.addButton(QCoreApplication::translate("Recovery", "Restore"), QMessageBox::AcceptRole);
    QPushButton *discard =
        box.addButton(QCoreApplication::translate("Questions", "Discard"), QMessageBox::DestructiveRole);
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
        noRestore = QCoreApplication::translate("Recovery",
                                                "No copy of the earlier model was kept (\"Send anyway\" was "
                                                "chosen), so it cannot be restored.");
    else if (!(earlier = HistoryStore::readEntry(entry.before, &why)))
        //: %1 is the copy's file name, %2 why it cannot be read.
        noRestore =
            QCoreApplication::translate("Recovery", "The copy of the earlier model cannot be read (%1: %2).")
                .arg(QFileInfo(entry.before).fileName(), why);
    const RecoveryChoice choice = askRecovery(parent, entry, noRestore);
    if (choice == RecoveryChoice::NotNow) return std::nullopt;
    const QString done =
        //: %1 is the command's name as on its button (WRITE, LOAD, RESET...).
        QCoreApplication::translate(
            "Recovery", "Checked: the transmitter holds the model sent; the interrupted %1 is mended.")
            .arg(entry.command);
    if (choice == RecoveryChoice::Restore)
        return RecoveryPlan{*earlier, QCoreApplication::translate("Recovery", "Restore the earlier model"),
                            done};
    if (entry.sending.isEmpty()) why = QCoreApplication::translate("Recovery", "no copy was kept");
    const std::optional<ParameterSet> sending =
        entry.sending.isEmpty() ? std::nullopt : HistoryStore::readEntry(entry.sending, &why);
    if (!sending) {
        //: %1 is the command (WRITE, LOAD...), %2 the copy's path, %3 why it cannot be read.
        note(QCoreApplication::translate(
                 "Recovery", "The model the %1 was sending cannot be read (%2: %3). Nothing was sent.")
                 .arg(entry.command, entry.sending, why));
        return std::nullopt;
    }
    return RecoveryPlan{*sending, QCoreApplication::translate("Recovery", "Send it again"), done};
}
