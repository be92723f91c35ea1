// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/hoverstyle.h"
#include "display/livetext.h"

#include <QtTest>

class TestLiveText : public QObject
{
    Q_OBJECT

private slots:
    void voltageTexts_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << " 0.0V";
        QTest::newRow("5") << 5 << " 0.5V";
        QTest::newRow("74") << 74 << " 7.4V";
        QTest::newRow("99") << 99 << " 9.9V";
        QTest::newRow("100") << 100 << "10.0 V";
        QTest::newRow("123") << 123 << "12.3 V";
        QTest::newRow("999") << 999 << "99.9 V";
        QTest::newRow("1234 drops the thousands") << 1234 << "23.4 V";
        QTest::newRow("65535") << 65535 << "53.5 V";
    }
    void voltageTexts()
    {
        QFETCH(int, tenths);
        QFETCH(QString, text);
        QCOMPARE(tenthsVoltageText(tenths), text);
    }

    void transmitterVoltageIsTruncatedHundredths_data()
    {
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << " 0.0V";
        QTest::newRow("745") << 745 << " 7.4V";
        QTest::newRow("749") << 749 << " 7.4V";
        QTest::newRow("999") << 999 << " 9.9V";
        QTest::newRow("1000") << 1000 << "10.0 V";
        QTest::newRow("1234") << 1234 << "12.3 V";
        QTest::newRow("9999") << 9999 << "99.9 V";
        QTest::newRow("12345") << 12345 << "23.4 V";
    }
    void transmitterVoltageIsTruncatedHundredths()
    {
        QFETCH(int, hundredths);
        QFETCH(QString, text);
        QCOMPARE(hundredthsVoltageText(hundredths), text);
    }

    void rssi_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("no signal") << 0 << "null";
        QTest::newRow("1") << 1 << "-99dBm";
        QTest::newRow("40") << 40 << "-60dBm";
        QTest::newRow("95") << 95 << "-05dBm";
        QTest::newRow("99") << 99 << "-01dBm";
        QTest::newRow("100") << 100 << "-00dBm";
        QTest::newRow("101") << 101 << "+01dBm";
        QTest::newRow("105") << 105 << "+05dBm";
        QTest::newRow("199") << 199 << "+99dBm";
        QTest::newRow("200") << 200 << "+100dBm";
        QTest::newRow("255") << 255 << "+155dBm";
    }
    void rssi()
    {
        QFETCH(int, raw);
        QFETCH(QString, text);
        QCOMPARE(rssiText(raw), text);
    }

    void bars_data()
    {
        QTest::addColumn<int>("output");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::newRow("0 full up") << 0 << 1010 << 1000;
        QTest::newRow("999") << 999 << 11 << 1000;
        QTest::newRow("1000 centre") << 1000 << 10 << 1000;
        QTest::newRow("1001") << 1001 << 10 << 999;
        QTest::newRow("2000 full down") << 2000 << 10 << 0;
        QTest::newRow("2001 beyond") << 2001 << 10 << 0;
        QTest::newRow("65535 beyond") << 65535 << 10 << 0;
        QTest::newRow("-1 beyond") << -1 << 1010 << 1000;
    }
    void bars()
    {
        QFETCH(int, output);
        QFETCH(int, upper);
        QFETCH(int, lower);
        const ChannelBars b = channelBars(output);
        QCOMPARE(b.upper, upper);
        QCOMPARE(b.lower, lower);
    }

    void trimOrders_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("0") << 0 << QList<int>{3, 2, 1, 0};
        QTest::newRow("1") << 1 << QList<int>{0, 1, 2, 3};
        QTest::newRow("2") << 2 << QList<int>{0, 2, 1, 3};
        QTest::newRow("3") << 3 << QList<int>{3, 1, 2, 0};
        QTest::newRow("4") << 4 << QList<int>{3, 2, 1, 0};
        QTest::newRow("7") << 7 << QList<int>{3, 2, 1, 0};
    }
    void trimOrders()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, order);
        const TrimOrder t = trimOrder(mode);
        QCOMPARE((QList<int>{t.trim[0], t.trim[1], t.trim[2], t.trim[3]}), order);
    }

    void trimTexts()
    {
        QCOMPARE(trimText(240), QString("120"));
        QCOMPARE(trimText(120), QString("0"));
        QCOMPARE(trimText(100), QString("-20"));
        QCOMPARE(trimText(0), QString("-120"));
    }

    // Pointer rests 20 passes, leaves, rests 12, leaves, comes back: the resting sheet on the 8th.
    void hoverSequence()
    {
        int counter = 0;
        for (int pass = 1; pass <= 19; ++pass) {
            const HoverStep s = nextHoverStep(counter, true);
            QCOMPARE(s.apply, HoverStep::Nothing);
            counter = s.counter;
        }
        HoverStep s = nextHoverStep(counter, true);
        QCOMPARE(s.apply, HoverStep::RestingSheet);
        QCOMPARE(s.counter, 20);
        s = nextHoverStep(s.counter, true); // applied again while the pointer stays
        QCOMPARE(s.apply, HoverStep::RestingSheet);
        s = nextHoverStep(s.counter, false);
        QCOMPARE(s.apply, HoverStep::NormalSheet);
        QCOMPARE(s.counter, 0);
        s = nextHoverStep(s.counter, false);
        QCOMPARE(s.apply, HoverStep::Nothing);

        counter = 0;
        for (int pass = 1; pass <= 12; ++pass) counter = nextHoverStep(counter, true).counter;
        s = nextHoverStep(counter, false);
        QCOMPARE(s.apply, HoverStep::Nothing);
        QCOMPARE(s.counter, 12); // survives the pointer leaving
        counter = s.counter;
        for (int pass = 1; pass <= 7; ++pass) {
            s = nextHoverStep(counter, true);
            QCOMPARE(s.apply, HoverStep::Nothing);
            counter = s.counter;
        }
        QCOMPARE(nextHoverStep(counter, true).apply, HoverStep::RestingSheet);
    }
};

QTEST_GUILESS_MAIN(TestLiveText)
#include "tst_livetext.moc"
