#include "link/portwrite.h"
#include "tests/support/eventwait.h"
#include "tests/support/portrecorder.h"
#include "txemulator.h"

#include <QtTest>

using support::PortRecorder;
using support::runUntil;

class TestPortWrite : public QObject
{
    Q_OBJECT
private slots:
    void answerGoesOutWithoutWaitingForTheEventLoop()
    {
        TxEmulator emu;
        PortRecorder tool;
        if (!emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(tool.open(emu.slavePath()));

        writeNow(tool.port, "WWW");
        QCOMPARE(tool.port.bytesToWrite(), qint64(0)); // nothing left for Qt's write notifier
        QVERIFY(runUntil([&] { return emu.receivedBytes().size() >= 3; }, 3000));
        QCOMPARE(emu.receivedBytes(), QByteArray("WWW"));
    }

    // Bytes Qt still holds (queued by write(), or more than the pseudo-terminal took at once) go out
    // before an answer written meanwhile, not after it or through the middle of it.
    void bytesQtStillHoldsGoOutFirst_data()
    {
        QTest::addColumn<QByteArray>("ahead");
        QTest::addColumn<bool>("queued");
        QByteArray bulk(256 * 1024, Qt::Uninitialized);
        for (int i = 0; i < bulk.size(); ++i) bulk[i] = char('a' + i % 26);
        QTest::newRow("queued by write()") << QByteArray("OK") << true;
        QTest::newRow("more than the line takes") << bulk << false;
    }
    void bytesQtStillHoldsGoOutFirst()
    {
        QFETCH(QByteArray, ahead);
        QFETCH(bool, queued);
        TxEmulator emu;
        PortRecorder tool;
        if (!emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(tool.open(emu.slavePath()));

        if (queued)
            tool.port.write(ahead);
        else
            writeNow(tool.port, ahead);
        QVERIFY(tool.port.bytesToWrite() > 0);
        writeNow(tool.port, "WWW");
        const QByteArray expected = ahead + "WWW";
        QVERIFY(runUntil([&] { return emu.receivedBytes().size() >= expected.size(); }, 10000));
        QVERIFY(emu.receivedBytes() == expected);
    }
};

QTEST_GUILESS_MAIN(TestPortWrite)
#include "tst_portwrite.moc"
