#include "app/mainwindow.h"
#include "link/blocks.h"
#include "link/portwrite.h"

#include <QDebug>

void MainWindow::serialPort_readyRead()
{
    // readAll() would allocate Qt's 32 KiB read chunk for the 20 bytes of a frame, at every frame.
    const QByteArray chunk = serialPort.read(serialPort.bytesAvailable());
    if (chunk.isEmpty()) return;
    receiver.setAwaited(answer.awaitedNumbers());
    for (const QByteArray &frame : receiver.feed(chunk)) handleFrame(frame);
    Dr_DataSelet();
    FalseSaveData();
    // One answer per notification, whatever it held: the transmitter paces itself on these.
    writeNow(serialPort, QByteArrayLiteral("WWW"));
}

void MainWindow::handleFrame(const QByteArray &frame)
{
    const FrameKind kind = classifyFrame(frame);
    ++receivedFrames[size_t(kind)];
    switch (kind) {
    case FrameKind::ParamBlock:
        handleBlock(frame, paramBlockNumber(quint8(frame.at(2))), true);
        return;
    case FrameKind::AuxBlock:
        handleBlock(frame, kAuxBlockNumber, false);
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
        qDebug("Block %d dropped: no read awaits it", number);
        return;
    case ReadAnswer::Offer::Repeat:
        qDebug("Block %d dropped: the answer already has it", number);
        return;
    case ReadAnswer::Offer::Conflict:
        qDebug("Block %d dropped: it came again with other values", number);
        return;
    }
    if (number) {
        params.ReadFlag = number;
        qDebug("ReadFlag:%d", params.ReadFlag);
    }
    decodeFrame(frame, *answerTarget);
    // Every tab shows a parameter block at once, known code or not; a read-back leaves the form be.
    if (paramBlock && answerTarget == &params) ui_Display();
}
