// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "link/blocks.h"
#include "link/linklog.h"

// The pump has answered each read with its "WWW" already; here every read is taken as it came off
// the line, so the model sees the same steps whether one read or forty wait.
void MainWindow::serialPort_readyRead()
{
    for (const QByteArray &chunk : pump.take()) {
        receiver.setAwaited(answer.awaitedNumbers());
        for (const QByteArray &frame : receiver.feed(chunk)) handleFrame(frame);
        Dr_DataSelet();
        FalseSaveData();
    }
}

void MainWindow::handleFrame(const QByteArray &frame)
{
    const DecodedFrame id = identifyFrame(frame);
    ++receivedFrames[size_t(id.kind)];
    switch (id.kind) {
    case FrameKind::ParamBlock:
    case FrameKind::AuxBlock:
        handleBlock(frame, id.number, id.kind == FrameKind::ParamBlock);
        return;
    case FrameKind::Telemetry:
        liveTrims = telemetryTrims(frame);
        break;
    default:
        break;
    }
    decodeFrame(frame, params);
}

// Blocks come only in answer to "RR": one at any other time is noise that happens to look like a
// block, and must not reach the model (the next WRITE would put it on the transmitter).
void MainWindow::handleBlock(const QByteArray &frame, int number, bool paramBlock)
{
    switch (answer.offer(frame, number)) {
    case ReadAnswer::Offer::Take:
        break;
    case ReadAnswer::Offer::Unasked:
        qCDebug(lcLink, "Block %d dropped: no read awaits it", number);
        return;
    case ReadAnswer::Offer::Repeat:
        qCDebug(lcLink, "Block %d dropped: the answer already has it", number);
        return;
    case ReadAnswer::Offer::Conflict:
        qCDebug(lcLink, "Block %d dropped: it came again with other values", number);
        return;
    }
    if (number) {
        params.ReadFlag = number;
        qCDebug(lcLink, "ReadFlag:%d", params.ReadFlag);
    }
    decodeFrame(frame, *answerTarget);
    // Every tab shows a parameter block at once, known code or not; a read-back leaves the form be.
    if (paramBlock && answerTarget == &params) ui_Display();
}
