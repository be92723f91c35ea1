// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/commandgate.h"
#include "app/modeldocument.h"
#include "files/history.h"
#include "link/replacemodel.h"
#include "link/transmittersession.h"

#include <QSet>
#include <QString>

class CompareViews;
class NoticeBar;
class QAbstractButton;
class QWidget;

// The stories of the commands that move a whole model: READ, WRITE, RESET and DATA RESET, SAVE, LOAD,
// and the recovery of one that was cut off. Each reads the same way: may it run now, does the pilot
// agree, what the session did, what the pilot is told. The window's slots call them with their button.
class ModelCommands
{
public:
    ModelCommands(QWidget *window, TransmitterSession &session, ModelDocument &document, CommandGate &gate);
    ModelCommands(const ModelCommands &) = delete;
    ModelCommands &operator=(const ModelCommands &) = delete;

    void setCompare(CompareViews *views) { compare = views; }

    void read(QAbstractButton *button);
    void write(QAbstractButton *button);
    // RESET keeps telemetry off the trims for its whole run (`lockTrims`); DATA RESET only centres them
    // again right before the I frame is built.
    void reset(QAbstractButton *button, bool lockTrims);
    void save(QAbstractButton *button);
    void load(QAbstractButton *button);

    // A command cut off before: asked at OPEN, before anything else is sent.
    void offerRecovery();
    // At start: a foot notice when an earlier command did not finish, or its journal is damaged.
    void sayUnfinishedCommand();

    // Before READ or LOAD replaces the form: true unless pending edits would be lost and the pilot
    // keeps them.
    bool mayReplaceForm(const QString &consequence);
    NoticeBar *notices();                                   // made on first use
    void dismissNotice();                                   // the one shown, if any
    void warnOnce(const QString &what, const QString &why); // one notice a session for each `what`
    const HistoryStore &history() const { return store; }

private:
    void holdOff(QAbstractButton *button);
    bool linkIsOpenOrAsk(); // says "Please open the serial port!" when it is not
    // Replaces the model on the transmitter with the window's question for a pre-read that failed,
    // its marks and its notices; the hooks given are the command's own.
    ReplaceOutcome replace(ReplaceRequest request, ReplaceHooks hooks);
    // Tells the pilot how the read-back went; true when the transmitter holds what was sent.
    bool sayReadBack(const ReplaceOutcome &done, const QString &doneText);
    // The marks once the form changed under the editors.
    void formChanged(const QString &step);

    QWidget *window;
    TransmitterSession &session;
    ModelDocument &document;
    ParameterSet &set;
    CommandGate &gate;
    CompareViews *compare = nullptr;
    HistoryStore store;
    NoticeBar *notice = nullptr;
    QSet<QString> warned; // failures to keep a copy, a journal, a draft: said once
};
