// SPDX-License-Identifier: GPL-3.0-or-later
// What the monitor keeps and draws, without a window: the rings, each pixel column's span, the
// read-outs' figures and the CSV rows made of them, and the cursor's line.

#include "display/livetext.h"
#include "monitor/cursorreadout.h"
#include "monitor/livefigures.h"
#include "monitor/samplering.h"
#include "widgets/plotcolumns.h"

#include <QtTest>

namespace {

// A ring of two values per sample: `first(t)` and `second(t)` at each time given.
SampleRing ringOf(const QVector<qint64> &times, int capacity, const std::function<int(qint64)> &first,
                  const std::function<int(qint64)> &second)
{
    SampleRing ring(2, capacity);
    for (qint64 t : times) {
        const int values[2] = {first(t), second(t)};
        ring.push(t, values);
    }
    return ring;
}

QVector<qint64> range(qint64 from, qint64 to)
{
    QVector<qint64> times;
    for (qint64 t = from; t < to; ++t) times << t;
    return times;
}

// "low..high" per column of value k, "-" for a column not drawn.
QStringList spansText(const QVector<ColumnSpan> &spans, int width, int k)
{
    QStringList texts;
    for (int c = 0; c < spans.size() / width; ++c) {
        const ColumnSpan &s = spans[c * width + k];
        texts << (s.drawn ? QStringLiteral("%1..%2").arg(s.low).arg(s.high) : QStringLiteral("-"));
    }
    return texts;
}

LiveSample sample(FrameKind kind, qint64 atUs, std::array<int, kLiveValueCount> values)
{
    LiveSample s;
    s.kind = kind;
    s.atUs = atUs;
    s.values = values;
    return s;
}

} // namespace

class TestMonitorData : public QObject
{
    Q_OBJECT

private slots:
    void ringKeepsTheNewestInOrderAndDropsTheOldest()
    {
        SampleRing ring(2, 4);
        QVERIFY(ring.isEmpty());
        QCOMPARE(ring.firstAtOrAfter(5), 0);
        QCOMPARE(ring.lastAtOrBefore(5), -1);
        for (int i = 1; i <= 6; ++i) {
            const int values[2] = {i * 10, 100 - i};
            ring.push(i * 10, values);
        }
        QCOMPARE(ring.size(), 4); // 10 and 20 dropped
        QCOMPARE(ring.time(0), 30);
        QCOMPARE(ring.time(3), 60);
        QCOMPARE(ring.value(0, 0), 30);
        QCOMPARE(ring.value(0, 1), 97);
        QCOMPARE(ring.value(3, 1), 94);
        // Searching runs over the wrapped slots in time order.
        QCOMPARE(ring.firstAtOrAfter(0), 0);
        QCOMPARE(ring.firstAtOrAfter(30), 0);
        QCOMPARE(ring.firstAtOrAfter(35), 1);
        QCOMPARE(ring.firstAtOrAfter(60), 3);
        QCOMPARE(ring.firstAtOrAfter(61), 4);
        QCOMPARE(ring.lastAtOrBefore(29), -1);
        QCOMPARE(ring.lastAtOrBefore(45), 1);
        QCOMPARE(ring.lastAtOrBefore(60), 3);

        const int outside[2] = {-5, 70000}; // kept as the 16 bits every live field arrives in
        ring.push(70, outside);
        QCOMPARE(ring.value(3, 0), 0);
        QCOMPARE(ring.value(3, 1), 65535);
        ring.clear();
        QCOMPARE(ring.size(), 0);
    }

    void liveRingsSortFramesByKind()
    {
        LiveRings rings;
        QCOMPARE(rings.newestUs(), 0);
        rings.add(sample(FrameKind::Channel, 100, {1, 2, 3, 4, 5, 6, 7, 8, 745, 50, 12, 60}));
        rings.add(sample(FrameKind::Telemetry, 150, {1, 2, 3, 4, 5, 6, 7, 8, 745, 51, 13, 61}));
        rings.add(sample(FrameKind::ParamBlock, 200, {})); // not a live frame
        QCOMPARE(rings.channels().size(), 1);
        QCOMPARE(rings.telemetry().size(), 1);
        QCOMPARE(rings.channels().value(0, 7), 8);
        QCOMPARE(rings.channels().value(0, LiveRings::ChTx), 745);
        QCOMPARE(rings.telemetry().value(0, LiveRings::TelRx), 51);
        QCOMPARE(rings.telemetry().value(0, LiveRings::TelExt), 13);
        QCOMPARE(rings.telemetry().value(0, LiveRings::TelRssi), 61);
        QCOMPARE(rings.newestUs(), 150);
        // 60 s of the line's 576 frames a second, a time and 9 or 3 sixteen-bit values each.
        QCOMPARE(LiveRings::bytesWhenFull(), qint64(60 * 576) * (8 + 18 + 8 + 6));
    }

    void columnsTakeTheLowestAndHighestOfTheirSamplesAndTheHeldValue()
    {
        // Value 0 rises with time, value 1 falls; a sample on a column's start belongs to that column.
        const SampleRing ring = ringOf(
            range(0, 100), 200, [](qint64 t) { return int(t); }, [](qint64 t) { return int(100 - t); });
        const QVector<ColumnSpan> spans = plotColumns(ring, 0, 100, 10);
        QCOMPARE(spansText(spans, 2, 0), QStringList({"0..9", "9..19", "19..29", "29..39", "39..49", "49..59",
                                                      "59..69", "69..79", "79..89", "89..99"}));
        QCOMPARE(spansText(spans, 2, 1).first(), QStringLiteral("91..100"));
        QCOMPARE(spansText(spans, 2, 1).last(), QStringLiteral("1..11"));

        // The extremes inside a column, not its first and last samples.
        const QVector<int> zigzag = {5, 1, 9, 3};
        const SampleRing jagged = ringOf(
            {0, 1, 2, 3}, 8, [&](qint64 t) { return zigzag[int(t)]; }, [](qint64) { return 0; });
        QCOMPARE(spansText(plotColumns(jagged, 0, 4, 1), 2, 0), QStringList({"1..9"}));
    }

    void columnsAtTheEdges()
    {
        const SampleRing ring = ringOf(
            range(0, 60), 100, [](qint64 t) { return int(t); }, [](qint64) { return 0; });
        // The view's end is outside it: the sample at 50 is not in the last column.
        QCOMPARE(spansText(plotColumns(ring, 0, 50, 5), 2, 0).last(), QStringLiteral("39..49"));
        // Columns that start after the newest sample stay empty; so do those before the first.
        QCOMPARE(spansText(plotColumns(ring, -20, 80, 10), 2, 0),
                 QStringList({"-", "-", "0..9", "9..19", "19..29", "29..39", "39..49", "49..59", "-", "-"}));
        // Uneven columns: starts at 0, 2 and 4 of 7.
        QCOMPARE(spansText(plotColumns(ring, 0, 7, 3), 2, 0), QStringList({"0..1", "1..3", "3..6"}));
        QCOMPARE(columnStartUs(2, 0, 7, 3), 4);
        QCOMPARE(columnAt(3, 0, 7, 3), 1);
        QCOMPARE(columnAt(4, 0, 7, 3), 2);
        QCOMPARE(columnAt(0, 0, 100, 10), 0);
        QCOMPARE(columnAt(99, 0, 100, 10), 9);
        QCOMPARE(columnAt(100, 0, 100, 10), 10);
        QCOMPARE(columnAt(-1, 0, 100, 10), -1);
        // Nothing to draw from, or nowhere to draw.
        QCOMPARE(spansText(plotColumns(SampleRing(2, 4), 0, 10, 2), 2, 0), QStringList({"-", "-"}));
        QVERIFY(plotColumns(ring, 0, 10, 0).isEmpty());
        QCOMPARE(spansText(plotColumns(ring, 10, 10, 2), 2, 0), QStringList({"-", "-"}));
    }

    void aHeldValueFillsTheColumnsBetweenSamplesForAtMostTheHoldTime()
    {
        const qint64 h = kHoldUs;
        const SampleRing ring = ringOf(
            {0, 3 * h}, 8, [&](qint64 t) { return t ? 7 : 5; }, [](qint64) { return 0; });
        // Columns half a hold time wide: held up to one hold time after the sample, then a gap.
        QCOMPARE(spansText(plotColumns(ring, 0, 4 * h, 8), 2, 0),
                 QStringList({"5..5", "5..5", "5..5", "-", "-", "-", "7..7", "-"}));
        const SampleRing close = ringOf(
            {0, 95}, 8, [](qint64 t) { return t ? 7 : 5; }, [](qint64) { return 0; });
        QCOMPARE(
            spansText(plotColumns(close, 0, 100, 10), 2, 0),
            QStringList({"5..5", "5..5", "5..5", "5..5", "5..5", "5..5", "5..5", "5..5", "5..5", "5..7"}));
    }

    void columnsOfAWrappedRing()
    {
        // Capacity 8 after 20 samples: 12..19 are left, and nothing is held before them.
        const SampleRing ring = ringOf(
            range(0, 20), 8, [](qint64 t) { return int(t); }, [](qint64 t) { return int(t % 3); });
        QCOMPARE(ring.time(0), 12);
        const QStringList spans = spansText(plotColumns(ring, 0, 20, 10), 2, 0);
        QCOMPARE(spans, QStringList({"-", "-", "-", "-", "-", "-", "12..13", "13..15", "15..17", "17..19"}));
        QCOMPARE(spansText(plotColumns(ring, 0, 20, 10), 2, 1).last(), QStringLiteral("0..2"));
    }

    void figuresAreTheReadOutsWithoutUnits()
    {
        QCOMPARE(readoutFigure(" 7.4V"), QStringLiteral("7.4"));
        QCOMPARE(readoutFigure("12.3 V"), QStringLiteral("12.3"));
        QCOMPARE(readoutFigure("null"), QString());
        QCOMPARE(readoutFigure("-05dBm"), QStringLiteral("-05"));
        QCOMPARE(readoutFigure("+155dBm"), QStringLiteral("+155"));

        QCOMPARE(liveFigure(LiveCh1, 1500), QStringLiteral("1500"));
        QCOMPARE(liveFigure(LiveValue(LiveCh1 + 7), 0), QStringLiteral("0"));
        QCOMPARE(liveFigure(LiveTxVolts, 745), QStringLiteral("7.4")); // hundredths, truncated
        QCOMPARE(liveFigure(LiveTxVolts, 1234), QStringLiteral("12.3"));
        QCOMPARE(liveFigure(LiveRxVolts, 5), QStringLiteral("0.5"));
        QCOMPARE(liveFigure(LiveRxVolts, 100), QStringLiteral("10.0"));
        QCOMPARE(liveFigure(LiveExtVolts, 1234), QStringLiteral("23.4")); // two digits before the point
        QCOMPARE(liveFigure(LiveRssi, 0), QString());
        QCOMPARE(liveFigure(LiveRssi, 40), QStringLiteral("-60"));
        QCOMPARE(liveFigure(LiveRssi, 95), QStringLiteral("-05"));
    }

    void csvRowsUseAPointWhateverTheLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QByteArray rows;
        appendCsvRow(
            rows, 0,
            sample(FrameKind::Channel, 5, {1000, 1100, 1200, 900, 0, 2000, 1500, 1000, 812, 0, 0, 0}));
        appendCsvRow(
            rows, 1234,
            sample(FrameKind::Telemetry, 9, {1000, 1100, 1200, 900, 0, 2000, 1500, 1000, 812, 50, 123, 45}));
        QLocale::setDefault(before);
        QCOMPARE(csvHeader(), QByteArray("time_ms,ch1,ch2,ch3,ch4,ch5,ch6,ch7,ch8,tx_v,rx_v,ext_v,rssi\n"));
        QCOMPARE(rows, QByteArray("0,1000,1100,1200,900,0,2000,1500,1000,8.1,0.0,0.0,\n"
                                  "1234,1000,1100,1200,900,0,2000,1500,1000,8.1,5.0,12.3,-55\n"));
    }

    void theCursorReadsTheValuesInForceAtItsTime()
    {
        LiveRings rings;
        rings.add(
            sample(FrameKind::Channel, 1000000, {1000, 1100, 1200, 900, 0, 2000, 1500, 1001, 812, 0, 0, 0}));
        rings.add(
            sample(FrameKind::Channel, 1500000, {1010, 1100, 1200, 900, 0, 2000, 1500, 1001, 799, 0, 0, 0}));
        rings.add(sample(FrameKind::Telemetry, 1200000, {0, 0, 0, 0, 0, 0, 0, 0, 0, 50, 123, 0}));
        QCOMPARE(
            cursorReadout(rings, 900000, 2000000),
            QStringLiteral("-1.10 s  CH1 -  CH2 -  CH3 -  CH4 -  CH5 -  CH6 -  CH7 -  CH8 -  TX -  RX -  "
                           "EXT -  RSSI -"));
        QCOMPARE(cursorReadout(rings, 1250000, 2000000),
                 QStringLiteral("-0.75 s  CH1 1000  CH2 1100  CH3 1200  CH4 900  CH5 0  CH6 2000  CH7 1500  "
                                "CH8 1001  TX 8.1 V  RX 5.0 V  EXT 12.3 V  RSSI null"));
        QVERIFY(cursorReadout(rings, 1500000, 2000000).contains("CH1 1010  "));
    }
};

QTEST_MAIN(TestMonitorData)
#include "tst_monitordata.moc"
