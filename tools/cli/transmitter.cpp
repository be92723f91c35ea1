// SPDX-License-Identifier: GPL-3.0-or-later
#include "transmitter.h"

#include "files/history.h"
#include "files/statefolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

QString lostLine(const TransmitterSession &session)
{
    //: %1 says what the system reported.
    return QCoreApplication::translate("CompanionMessages", "the port went away (cable pulled?): %1")
        .arg(session.failure());
}

// Opens, says "OK" and leaves the transmitter the window's hold-off before the first command.
bool openAndGreet(TransmitterSession &session, const QString &portName, QString *failure)
{
    if (!session.open(portName)) {
        *failure = openFailureLine(session.openFailure());
        return false;
    }
    session.holdOff();
    if (session.isOpen()) return true;
    *failure = lostLine(session);
    return false;
}

} // namespace

ReadOutcome readTransmitter(const QString &portName, const std::function<void(int)> &progress,
                            const CliLink &link)
{
    ReadOutcome outcome;
    TransmitterSession session;
    session.timing = link.timing;
    // The live frames go into the same set: the file's trims are what telemetry reports.
    session.setModel(&outcome.set);
    if (progress) QObject::connect(&session, &TransmitterSession::readProgress, progress);
    if (!openAndGreet(session, portName, &outcome.failure)) return outcome;
    if (session.read(outcome.set, link.waits) == TransmitterSession::ReadEnd::Interrupted) {
        outcome.failure = lostLine(session);
        return outcome;
    }
    outcome.missing = session.answer().lacking();
    outcome.trims = session.liveTrims();
    session.close();
    return outcome;
}

WriteOutcome writeTransmitter(const QString &portName, ParameterSet set, const ReplaceRequest &request,
                              const WriteHooks &hooks, const CliLink &link)
{
    WriteOutcome outcome;
    TransmitterSession session;
    session.timing = link.timing;
    ParameterSet live; // what the transmitter streams meanwhile is decoded and dropped
    session.setModel(&live);
    if (!openAndGreet(session, portName, &outcome.failure)) return outcome;
    ReplaceRequest paced = request;
    paced.waits = link.waits;
    ReplaceHooks steps;
    steps.beforeFrame = hooks.progress;
    steps.warn = hooks.warn;
    HistoryStore history;
    CommandJournal journal(stateFolder());
    outcome.replaced = replaceModel(session, set, paced, steps, history, &journal);
    if (!session.isOpen()) {
        outcome.failure = lostLine(session);
        return outcome;
    }
    session.close();
    return outcome;
}

RecordOutcome recordTransmitter(const QString &portName, LiveRecording &recording, int seconds,
                                const std::function<bool()> &stop, const std::function<void()> &tick,
                                const CliLink &link)
{
    RecordOutcome outcome;
    TransmitterSession session;
    session.timing = link.timing;
    ParameterSet live; // the values a row repeats from the other kind of frame
    session.setModel(&live);
    QObject::connect(&session, &TransmitterSession::liveFrames, &recording, &LiveRecording::add);
    if (!session.open(portName)) {
        outcome.failure = openFailureLine(session.openFailure());
        recording.stop();
        return outcome;
    }
    QElapsedTimer clock;
    clock.start();
    while (session.isOpen() && recording.isRecording() && !(stop && stop()) &&
           (seconds <= 0 || clock.elapsed() < qint64(seconds) * 1000)) {
        TransmitterSession::pause(100);
        if (tick) tick();
    }
    if (!session.isOpen()) {
        outcome.failure = lostLine(session);
    } else {
        session.takeReceived(); // what has come is recorded before "DIS"
        session.close();
    }
    recording.stop();
    return outcome;
}
