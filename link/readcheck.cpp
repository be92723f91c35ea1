// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/askfirst.h"
#include "app/mainwindow.h"
#include "app/noticebar.h"
#include "link/framebuffers.h"
#include "link/linklog.h"
#include "link/readback.h"

#include <QElapsedTimer>
#include <QMessageBox>

namespace {

// The first wait is the caller's (READ keeps its 500 ms); a late answer gets this much more before
// "RR" goes out again, at most twice.
constexpr int kGraceMs = 300;
constexpr int kRetryWaitMs = 500;
constexpr int kPollMs = 10;

} // namespace

NoticeBar *MainWindow::noticeBar()
{
    if (!notice) notice = new NoticeBar(this);
    return notice;
}

void MainWindow::readModel(ParameterSet &target, int firstWaitMs, const std::function<bool()> &settled)
{
    answerTarget = &target;
    answer.begin();
    auto done = [&] { return answer.complete() && (!settled || settled()); };
    // Waits up to `ms`, less once the answer is in (when the caller allows it), the port is gone or
    // a close waits for us.
    auto waitFor = [&](int ms, bool mayEndEarly) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            serialPort_readyRead(); // what has come, without waiting for the pump's next hand-off
            if (portIsClosed() || commandGate.closeRequested() || (mayEndEarly && done())) return;
            delayMs(int(qMin<qint64>(kPollMs, ms - clock.elapsed())));
        }
    };
    for (int ask = 0; ask < ReadAnswer::kAsks; ++ask) {
        if (ask > 0) {
            qCDebug(lcLink, "Read incomplete (%d of %d frames), asking again", answer.received(),
                    ReadAnswer::kFrameNumbers);
            answer.askAgain();
        }
        pump.write("RR");
        waitFor(ask == 0 ? firstWaitMs : kRetryWaitMs, ask > 0 || settled != nullptr);
        if (done() || portIsClosed() || commandGate.closeRequested()) break;
        waitFor(kGraceMs, true);
        if (answer.complete() || portIsClosed() || commandGate.closeRequested()) break;
    }
    answer.end();
    answerTarget = &params;
}

bool MainWindow::checkSend(const QString &doneText)
{
    // A close waiting for the command would only be held up by the check.
    if (portIsClosed() || !serialPort.isOpen() || commandGate.closeRequested()) return false;
    const ParameterSet sent = sentSettings({Str1, Str2, Str3, Str4});
    ParameterSet back;
    liveTrims.reset(); // only what telemetry reports after the frames counts
    // Ends as soon as the answer and a telemetry frame are in; without telemetry the trims go unchecked.
    readModel(back, kRetryWaitMs, [this] { return liveTrims.has_value(); });
    if (portIsClosed() || commandGate.closeRequested()) return false;

    const QVector<int> missing = answer.missing(), conflicts = answer.conflicts();
    QVector<int> arrived;
    for (int number = 1; number <= ReadAnswer::kFrameNumbers; ++number)
        if (!missing.contains(number) && !conflicts.contains(number)) arrived << number;
    if (arrived.isEmpty()) {
        note(QStringLiteral("The settings were sent, but the transmitter did not answer the read-back, so "
                            "they could not be checked."));
        return false;
    }
    const QVector<SettingDifference> differences = compareReadBack(sent, back, arrived, liveTrims);
    if (differences.isEmpty() && answer.complete()) {
        noticeBar()->post(doneText);
        return true;
    }
    QStringList paragraphs;
    if (!differences.isEmpty())
        paragraphs << QStringLiteral("The transmitter does not hold what was sent. %1 setting%2 differ%3:")
                          .arg(differences.size())
                          .arg(differences.size() == 1 ? "" : "s", differences.size() == 1 ? "s" : "")
                   << differenceLines(differences);
    if (!answer.complete())
        paragraphs << QStringLiteral("The read-back was incomplete (%1), so the settings of those frames "
                                     "could not be checked.")
                          .arg(answerGaps(answer));
    paragraphs << QStringLiteral("The form keeps your values; WRITE sends them again.");
    note(paragraphs.join(QStringLiteral("\n\n")));
    return false;
}
