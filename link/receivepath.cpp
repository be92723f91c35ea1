#include "app/mainwindow.h"
#include "link/blocks.h"

#include <QDebug>

void MainWindow::serialPort_readyRead()
{
    const QByteArray chunk = serialPort.readAll();
    if (chunk.isEmpty()) return;
    for (const QByteArray &frame : receiver.feed(chunk)) handleFrame(frame);
    Dr_DataSelet();
    FalseSaveData();
    // One answer per notification, whatever it held: the transmitter paces itself on these.
    serialPort.write("WWW");
}

void MainWindow::handleFrame(const QByteArray &frame)
{
    ++receivedFrames[size_t(classifyFrame(frame))];
    switch (classifyFrame(frame)) {
    case FrameKind::Channel:
        decodeChannelFrame(frame, params);
        break;
    case FrameKind::Telemetry:
        decodeTelemetryFrame(frame, params);
        break;
    case FrameKind::AuxBlock:
        params.ReadFlag = kAuxBlockNumber;
        qDebug("ReadFlag:%d", params.ReadFlag);
        decodeAuxBlock(frame, params);
        break;
    case FrameKind::ParamBlock:
        if (const int number = paramBlockNumber(quint8(frame.at(2)))) {
            params.ReadFlag = number;
            qDebug("ReadFlag:%d", params.ReadFlag);
            decodeParamBlock(frame, params);
        }
        ui_Display(); // every tab shows the block at once, known code or not
        break;
    case FrameKind::None:
        break;
    }
}
