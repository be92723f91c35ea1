// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portwrite.h"
#include "tests/support/eventwait.h"
#include "tests/support/portrecorder.h"
#include "txemulator.h"

#include <QtTest>

class TestPortWrite : public QObject
{
    Q_OBJECT
private slots:
    // An answer goes out at once when nothing waits ahead of it; bytes Qt still holds (queued by
    // write(), or more than the pseudo-terminal took at once) go out before it, never after it.
    void answerGoesOutBehindWhatQtHolds_data()
    {
        QTest::addColumn<QByteArray>("ahead");
        QTest::addColumn<bool>("queued");
        QByteArray bulk(256 * 1024, Qt::Uninitialized);
        for (int i = 0; i < bulk.size(); ++i) bulk[i] = char('a' + i % 26);
        QTest::newRow("nothing ahead") << QByteArray() << false;
        QTest::newRow("queued by write()") << QByteArray("OK") << true;
        QTest::newRow("more than the line takes") << bulk << false;
    }
    void answerGoesOutBehindWhatQtHolds()
    {
        QFETCH(QByteArray, ahead);
        QFETCH(bool, queued);
        TxEmulator emu;
        support::PortRecorder tool;
        if (!emu.open()) QSKIP("no pseudo-terminal");
        QVERIFY(tool.open(emu.slavePath()));

        if (queued)
            tool.port.write(ahead);
        else
            writeNow(tool.port, ahead);
        QCOMPARE(tool.port.bytesToWrite() > 0, !ahead.isEmpty());
        writeNow(tool.port, "WWW");
        if (ahead.isEmpty()) QCOMPARE(tool.port.bytesToWrite(), qint64(0)); // no write notifier needed
        const QByteArray expected = ahead + "WWW";
        QVERIFY(support::runUntil([&] { return emu.receivedBytes().size() >= expected.size(); }, 10000));
        QVERIFY(emu.receivedBytes() == expected);
    }
};

QTEST_GUILESS_MAIN(TestPortWrite)
#include "tst_portwrite.moc"
