// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modelcommands.h"
#include "app/askfirst.h"
#include "app/compareviews.h"
#include "app/editsquestion.h"
#include "app/noticebar.h"
#include "app/resetquestion.h"
#include "app/writequestion.h"
#include "files/fileslog.h"
#include "files/statefolder.h"
#include "link/readbacknote.h"
#include "params/rules.h"
#include "params/trimlock.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

// READ's own waits: the whole first 500 ms, as it always has.
constexpr TransmitterSession::ReadWaits kReadWaits{};

} // namespace

ModelCommands::ModelCommands(QWidget *window, TransmitterSession &session, ModelDocument &document,
                             CommandGate &gate)
    : window(window), session(session), document(document), set(document.set), gate(gate)
{
}

NoticeBar *ModelCommands::notices()
{
    if (!notice) notice = new NoticeBar(window);
    return notice;
}

void ModelCommands::dismissNotice()
{
    if (notice) notice->dismiss();
}

void ModelCommands::warnOnce(const QString &what, const QString &why)
{
    // The command goes on: a copy or a journal not kept must not cost the pilot the command.
    if (warned.contains(what)) return;
    warned.insert(what);
    qCWarning(lcFiles, "%s: %s", qPrintable(what), qPrintable(why));
    //: A notice: %1 says what was not kept, %2 why.
    notices()->post(QCoreApplication::translate("Commands", "%1: %2").arg(what, why),
                    NoticeBar::Tone::Warning);
}

void ModelCommands::holdOff(QAbstractButton *button)
{
    button->setEnabled(false);
    session.holdOff();
    // Inside a command its guard gives the button back when the command has ended, not here.
    if (!gate.isBusy()) button->setEnabled(true);
}

bool ModelCommands::linkIsOpenOrAsk()
{
    if (!session.isOpen()) note(QCoreApplication::translate("Commands", "Please open the serial port!"));
    return session.isOpen();
}

bool ModelCommands::mayReplaceForm(const QString &consequence)
{
    return !document.undo.pending() || askAboutEdits(window, consequence, false) == EditsChoice::Discard;
}

void ModelCommands::formChanged(const QString &step)
{
    document.undo.changed(step);
    compare->refresh();
}

void ModelCommands::read(QAbstractButton *button)
{
    const CommandGuard command(gate);
    holdOff(button);
    if (!linkIsOpenOrAsk()) return;
    if (!mayReplaceForm(
            QCoreApplication::translate("Commands", "READ replaces them with the transmitter's settings.")) ||
        !session.isOpen())
        return;
    const FormUndo::Mark before = document.undo.mark();
    session.read(set, kReadWaits);
    compare->formReplaced();
    if (!session.isOpen()) return; // the lost link has its own notice
    if (session.answer().complete()) {
        document.source = FormSource::Model;
        document.undo.settle(before);
        QString error;
        if (store.keep(set, HistoryEvent::Read, session.portName(), &error) == HistoryStore::Kept::Failed)
            warnOnce(QCoreApplication::translate("Commands", "History not kept"), error);
        compare->knowTransmitter(set);
        return;
    }
    // The form now holds no model the transmitter has; WRITE asks before sending it.
    document.source = FormSource::PartialRead;
    note(incompleteReadText(session.answer()));
}

void ModelCommands::write(QAbstractButton *button)
{
    const CommandGuard command(gate);
    holdOff(button);
    if (!linkIsOpenOrAsk()) return;
    // Values that came from nowhere must not replace the model by accident.
    if (document.source != FormSource::Model) {
        const bool confirmed = confirmWrite(window, document.source);
        if (!confirmed || !linkIsOpenOrAsk()) return;
    }
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        sent = document.undo.mark();
        return true;
    };
    const ReplaceOutcome done =
        replace({QStringLiteral("WRITE"), HistoryEvent::BeforeWrite, HistoryEvent::Written}, hooks);
    if (sayReadBack(done, QCoreApplication::translate(
                              "Commands", "WRITE checked: the transmitter holds every setting sent."))) {
        document.source = FormSource::Model;
        document.undo.settle(sent);
    }
}

void ModelCommands::reset(QAbstractButton *button, bool lockTrims)
{
    const CommandGuard command(gate);
    const TrimLock trims(set, lockTrims);
    holdOff(button);
    if (!linkIsOpenOrAsk()) return;
    // The cable may go while the question is open: then nothing is reset, as if it had been closed.
    if (!confirmFactoryReset(window) || !linkIsOpenOrAsk()) return;
    const QString name = lockTrims ? QStringLiteral("RESET") : QStringLiteral("DATA RESET");
    FormUndo::Mark sent;
    ReplaceHooks hooks;
    hooks.beforeSending = [&] {
        resetFirstHalf(set);
        resetSecondHalf(set);
        // One step, so Ctrl+Z brings the form's settings back to WRITE them again.
        formChanged(name);
        sent = document.undo.mark();
        return true;
    };
    hooks.beforeFrame = [&](TextFrame frame, int, int) {
        if (frame == TextFrame::I)
            for (IntField f : fields::StkTrim) set.*f = 120;
    };
    const ReplaceOutcome done =
        replace({name, lockTrims ? HistoryEvent::BeforeReset : HistoryEvent::BeforeDataReset,
                 lockTrims ? HistoryEvent::Reset : HistoryEvent::DataReset},
                hooks);
    if (done.stage != ReplaceOutcome::Stage::Sent) return;
    document.source = FormSource::Model; // the factory set, on the form and sent
    if (sayReadBack(
            done,
            //: %1 is RESET or DATA RESET, as on the buttons.
            QCoreApplication::translate("Commands", "%1 checked: the transmitter holds the factory settings.")
                .arg(name)))
        document.undo.settle(sent);
}

ReplaceOutcome ModelCommands::replace(ReplaceRequest request, ReplaceHooks hooks)
{
    hooks.sendWithoutCopy = [this](TransmitterSession::ReadEnd) {
        return askFirst(window,
                        QCoreApplication::translate(
                            "Commands", "The transmitter's current settings could not be read, so no "
                                        "copy of them can be kept before they are replaced."),
                        QCoreApplication::translate("Commands", "Send anyway")) &&
               linkIsOpenOrAsk();
    };
    hooks.known = [this](const ParameterSet &held) { compare->knowTransmitter(held); };
    hooks.warn = [this](const QString &what, const QString &why) { warnOnce(what, why); };
    CommandJournal journal(stateFolder());
    return replaceModel(session, set, request, hooks, store, &journal);
}

bool ModelCommands::sayReadBack(const ReplaceOutcome &done, const QString &doneText)
{
    // Not sent, not checked, or the link went: each of those has been said already, or the window closes.
    if (done.stage != ReplaceOutcome::Stage::Sent || !done.checked ||
        done.check.end == TransmitterSession::ReadEnd::Interrupted)
        return false;
    if (done.check.clean()) {
        notices()->post(doneText);
        return true;
    }
    note(readBackNote(done.check, session.answer()));
    return false;
}
