// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "link/blocks.h"
#include "link/framebuffers.h"
#include "link/linklog.h"
#include "link/textframes.h"

int MainWindow::byteArrayToInt(QByteArray b, int a)
{
    return be16(b, a);
}

void MainWindow::sendFrame(TextFrame frame, QString &buffer, const char *debugFormat)
{
    buffer = buildFrame(frame, params, buffer);
    qCDebug(lcLink, debugFormat, int(buffer.size()));
    // A closed port sends nothing; the buffer is still rebuilt and the pacing still kept.
    if (serialPort.isOpen()) pump.write(buffer.toLatin1());
    delayMs(kFrameGapMs);
}

void MainWindow::SendData1()
{
    sendFrame(TextFrame::S, Str1, "Str1Blength:%d");
}
void MainWindow::SendData2()
{
    sendFrame(TextFrame::G, Str2, "Str2Blength:%d");
}
void MainWindow::SendData3()
{
    sendFrame(TextFrame::H, Str3, "Str3Blength:%d");
}
void MainWindow::SendData4()
{
    sendFrame(TextFrame::I, Str4, "Str4Blength:%d");
}
