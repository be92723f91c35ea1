#include "app/mainwindow.h"
#include "link/blocks.h"
#include "link/portwrite.h"

#include <QDebug>

void MainWindow::serialPort_readyRead()
{
    // readAll() would allocate Qt's 32 KiB read chunk for the 20 bytes of a frame, at every frame.
    const QByteArray chunk = serialPort.read(serialPort.bytesAvailable());
    if (chunk.isEmpty()) return;
    for (const QByteArray &frame : receiver.feed(chunk)) handleFrame(frame);
    Dr_DataSelet();
    FalseSaveData();
    // One answer per notification, whatever it held: the transmitter paces itself on these.
    writeNow(serialPort, QByteArrayLiteral("WWW"));
}

void MainWindow::handleFrame(const QByteArray &frame)
{
    const DecodedFrame decoded = decodeFrame(frame, params);
    ++receivedFrames[size_t(decoded.kind)];
    if (decoded.number) {
        params.ReadFlag = decoded.number;
        qDebug("ReadFlag:%d", params.ReadFlag);
    }
    // Every tab shows a parameter block at once, known code or not.
    if (decoded.kind == FrameKind::ParamBlock) ui_Display();
}
