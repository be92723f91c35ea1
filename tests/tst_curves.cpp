// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/parameterset.h"
#include "widgets/curewidget.h"
#include "widgets/curvegeometry.h"
#include "widgets/mwidget.h"

#include <QImage>
#include <QTimer>
#include <QtTest>

#include <set>

namespace {

std::array<int, 7> allSeven(int v)
{
    return {v, v, v, v, v, v, v};
}

std::array<int, 7> throttleParams()
{
    std::array<int, 7> values;
    for (int j = 0; j < 7; ++j) values[j] = params.*fields::THCURE_Data[j];
    return values;
}

void setThrottleParams(const std::array<int, 7> &values)
{
    for (int j = 0; j < 7; ++j) params.*fields::THCURE_Data[j] = values[j];
}

template <typename Widget> QImage rendered(int width, int height)
{
    Widget widget;
    widget.resize(width, height);
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isRed(const QImage &image, QPoint p)
{
    return image.pixelColor(p) == QColor(Qt::red);
}
bool isWhite(const QImage &image, QPoint p)
{
    return image.pixelColor(p) == QColor(Qt::white);
}
bool isGreen(const QImage &image, QPoint p)
{
    return image.pixelColor(p) == QColor(Qt::green);
}

QPointF bezierAt(const BezierHalf &b, qreal t)
{
    const qreal u = 1 - t;
    return u * u * u * b.start + 3 * u * u * t * b.control1 + 3 * u * t * t * b.control2 + t * t * t * b.end;
}

// Paint events a widget receives, to see that its own timer keeps it repainting.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(BezierHalf)

class TestCurves : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void throttlePointsFromInitialValues()
    {
        const ThrottleCurveGeometry g = throttleCurveGeometry(300, 300, throttleParams());
        const std::array<QPoint, 7> expected = {
            {{30, 270}, {63, 231}, {106, 190}, {150, 150}, {193, 109}, {236, 68}, {280, 30}}};
        QCOMPARE(throttleParams(), (std::array<int, 7>{0, 16, 33, 50, 67, 84, 100}));
        for (int j = 0; j < 7; ++j) QCOMPARE(g.points[j], expected[j]);
        // The column formula would put the first point at x = 20; it starts on the frame instead.
        QCOMPARE(g.points[0].x(), 30);
    }

    void throttleGridAndFrameAt300()
    {
        const ThrottleCurveGeometry g = throttleCurveGeometry(300, 300, allSeven(50));
        QCOMPARE(g.frame, QRect(QPoint(30, 30), QPoint(279, 269)));
        QCOMPARE(g.frame.width(), 250);
        QCOMPARE(g.frame.height(), 240);
        QCOMPARE(int(g.dashes.size()), 272);

        std::map<int, std::set<int>> rows, columns; // row y -> dash start x; column x -> dash start y
        for (const QLine &d : g.dashes) {
            if (d.dy() == 0) {
                QCOMPARE(d.dx(), 8);
                rows[d.y1()].insert(d.x1());
            } else {
                QCOMPARE(d.dx(), 0);
                QCOMPARE(d.dy(), 8);
                columns[d.x1()].insert(d.y1());
            }
        }
        std::set<int> starts;
        for (int s = 30; s <= 255; s += 15) starts.insert(s);
        QCOMPARE(int(starts.size()), 16);

        std::vector<int> rowYs;
        for (const auto &[y, xs] : rows) {
            rowYs.push_back(y);
            QCOMPARE(xs, starts);
        }
        QCOMPARE(rowYs, (std::vector<int>{30, 54, 78, 102, 126, 150, 174, 198, 222, 246, 270}));
        std::vector<int> columnXs;
        for (const auto &[x, ys] : columns) {
            columnXs.push_back(x);
            QCOMPARE(ys, starts);
        }
        QCOMPARE(columnXs, (std::vector<int>{63, 106, 150, 193, 236, 280}));
    }

    void throttleLabelsAtFixedBaselines()
    {
        const ThrottleCurveGeometry g = throttleCurveGeometry(300, 300, allSeven(0));
        const char *texts[] = {"100", " 90", " 80", " 70", " 60", " 50", " 40", " 30", " 20", " 10", "  0"};
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(QString::fromLatin1(g.labels[i].text), QString::fromLatin1(texts[i]));
            QCOMPARE(g.labels[i].baseline, QPoint(0, 37 + 24 * i));
        }
        // Labels do not move with the size; the grid does.
        const ThrottleCurveGeometry small = throttleCurveGeometry(200, 150, allSeven(0));
        QCOMPARE(small.labels[10].baseline, QPoint(0, 277));
    }

    void throttleGridNeedsRoom()
    {
        // A 50-pixel side gives W1 = 49: no dashes along that direction.
        const ThrottleCurveGeometry narrow = throttleCurveGeometry(50, 300, allSeven(0));
        for (const QLine &d : narrow.dashes) QCOMPARE(d.dy(), 8);
        QVERIFY(!narrow.dashes.empty());
        const ThrottleCurveGeometry flat = throttleCurveGeometry(300, 50, allSeven(0));
        for (const QLine &d : flat.dashes) QCOMPARE(d.dx(), 8);
        QVERIFY(!flat.dashes.empty());
    }

    void throttleValueToY_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("y");
        QTest::newRow("0") << 0 << 270;
        QTest::newRow("100") << 100 << 30;
        QTest::newRow("16") << 16 << 231; // 201.6 truncated
        QTest::newRow("110 above the grid") << 110 << 6;
        QTest::newRow("101 truncates toward zero") << 101 << 28; // -2.4 -> -2, not -3
        QTest::newRow("-10 below the grid") << -10 << 294;
    }

    void throttleValueToY()
    {
        QFETCH(int, value);
        QFETCH(int, y);
        const ThrottleCurveGeometry g = throttleCurveGeometry(300, 300, allSeven(value));
        for (const QPoint &p : g.points) QCOMPARE(p.y(), y);
    }

    void throttleOtherSize()
    {
        // 201x161: W1 = 200, H1 = 160, so columns at 161*k/6 + 20 and the value scale is 101 pixels.
        const ThrottleCurveGeometry g = throttleCurveGeometry(201, 161, {0, 16, 33, 50, 67, 84, 100});
        const std::array<QPoint, 7> expected = {
            {{30, 131}, {46, 114}, {73, 97}, {100, 80}, {127, 63}, {154, 46}, {181, 30}}};
        for (int j = 0; j < 7; ++j) QCOMPARE(g.points[j], expected[j]);
    }

    void dualRateWorkedValues_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("exp");
        QTest::addColumn<BezierHalf>("lower");
        QTest::addColumn<BezierHalf>("upper");
        const QPointF m(140, 140);
        auto half = [m](QPointF s, QPointF c2) { return BezierHalf{s, s, c2, m}; };
        QTest::newRow("100,0") << 100 << 0 << half({20, 260}, {80, 200}) << half({260, 20}, {200, 80});
        QTest::newRow("50,0") << 50 << 0 << half({20, 200}, {80, 170}) << half({260, 80}, {200, 110});
        QTest::newRow("100,100") << 100 << 100 << half({20, 260}, {120, 260}) << half({260, 20}, {160, 20});
        QTest::newRow("100,-100") << 100 << -100 << half({20, 260}, {40, 140}) << half({260, 20}, {240, 140});
        QTest::newRow("80,50") << 80 << 50 << half({20, 236}, {96, 212}) << half({260, 44}, {184, 68});
    }

    void dualRateWorkedValues()
    {
        QFETCH(int, rate);
        QFETCH(int, exp);
        QFETCH(BezierHalf, lower);
        QFETCH(BezierHalf, upper);
        const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, rate, exp);
        for (auto [got, want] : {std::pair{g.lower, lower}, std::pair{g.upper, upper}}) {
            QCOMPARE(got.start, want.start);
            QCOMPARE(got.control1, want.control1);
            QCOMPARE(got.control2, want.control2);
            QCOMPARE(got.end, want.end);
        }
    }

    void dualRateZeroRateLiesOnCentreLine()
    {
        for (int exp : {-100, -37, 0, 1, 55, 100}) {
            const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, 0, exp);
            for (const BezierHalf &h : {g.lower, g.upper})
                for (const QPointF &p : {h.start, h.control1, h.control2, h.end}) QCOMPARE(p.y(), 140.0);
            QCOMPARE(g.lower.start.x(), 20.0);
            QCOMPARE(g.upper.start.x(), 260.0);
        }
    }

    void dualRateTruncatesTowardZero()
    {
        // r = 30 * -5 / 100 = -1.5 -> -1, so dx = 40 * -1 / 100 -> 0 and dy = -1 * 60 / 100 -> 0.
        const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, 30, -5);
        // A = 70 * 120 = 8400: a = 84, h = 42.
        QCOMPARE(g.lower.start, QPointF(20, 176));
        QCOMPARE(g.lower.control2, QPointF(80, 158));
        QCOMPARE(g.upper.start, QPointF(260, 104));
        QCOMPARE(g.upper.control2, QPointF(200, 122));
    }

    void dualRateAboveRangeGoesBeyondCorners()
    {
        const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, 120, 0);
        QCOMPARE(g.lower.start, QPointF(20, 284));
        QCOMPARE(g.upper.start, QPointF(260, -4));
    }

    void dualRateFrameAndCentreLines()
    {
        const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, 100, 0);
        QCOMPARE(g.frame, QRect(20, 20, 240, 240));
        std::set<int> xs, ys;
        for (const QLine &d : g.dashes) {
            if (d.dy() == 0) {
                QCOMPARE(d.y1(), 140);
                QCOMPARE(d.dx(), 8);
                xs.insert(d.x1());
            } else {
                QCOMPARE(d.x1(), 140);
                QCOMPARE(d.dy(), 8);
                ys.insert(d.y1());
            }
        }
        std::set<int> starts;
        for (int s = 30; s <= 255; s += 15) starts.insert(s);
        QCOMPARE(xs, starts);
        QCOMPARE(ys, starts);
        QCOMPARE(int(g.dashes.size()), 32);
        QVERIFY(dualRateCurveGeometry(40, 280, 100, 0).dashes.size() == 16); // W1 - 19 = 20: no horizontal
    }

    void throttleWidgetDrawsCurrentParams()
    {
        const QImage image = rendered<cureWidget>(300, 300);
        QCOMPARE(image.size(), QSize(300, 300));
        const ThrottleCurveGeometry g = throttleCurveGeometry(300, 300, throttleParams());
        for (const QPoint &p : g.points)
            QVERIFY2(isRed(image, p), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        for (int j = 1; j < 7; ++j) QVERIFY(isRed(image, (g.points[j - 1] + g.points[j]) / 2));
        for (QPoint outside : {QPoint(5, 295), QPoint(295, 5), QPoint(295, 295), QPoint(150, 10)})
            QVERIFY(isWhite(image, outside));
        QVERIFY(isGreen(image, {30, 100}));  // frame, left edge
        QVERIFY(isGreen(image, {106, 60}));  // a dash of the column at 106 (starts at 60)
        QVERIFY(isWhite(image, {106, 70}));  // the gap after it
        QVERIFY(isGreen(image, {127, 102})); // a dash of the row at 102 (starts at 120)
    }

    void throttleWidgetFollowsParams()
    {
        setThrottleParams(allSeven(0));
        QImage image = rendered<cureWidget>(300, 300);
        QVERIFY(isRed(image, {150, 270}));
        QVERIFY(!isRed(image, {150, 150}));

        setThrottleParams(allSeven(100));
        image = rendered<cureWidget>(300, 300);
        QVERIFY(isRed(image, {150, 30}));
        QVERIFY(!isRed(image, {150, 270}));
    }

    void throttleWidgetDrawsUnclamped()
    {
        setThrottleParams(allSeven(110));
        const QImage image = rendered<cureWidget>(300, 300);
        QVERIFY(isRed(image, {30, 6}));
        QVERIFY(isRed(image, {150, 6}));
        QVERIFY(isRed(image, {280, 6}));
        QVERIFY(isGreen(image, {150, 30})); // a clamped curve would cover the frame's top edge
    }

    void dualRateWidgetDrawsCurrentParams_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("exp");
        QTest::newRow("100,0") << 100 << 0;
        QTest::newRow("50,0") << 50 << 0;
        QTest::newRow("100,100") << 100 << 100;
        QTest::newRow("100,-100") << 100 << -100;
        QTest::newRow("80,50") << 80 << 50;
        QTest::newRow("0,70") << 0 << 70;
    }

    void dualRateWidgetDrawsCurrentParams()
    {
        QFETCH(int, rate);
        QFETCH(int, exp);
        params.DR_RATE = rate;
        params.DR_EXP = exp;
        const QImage image = rendered<mWidget>(280, 280);
        QCOMPARE(image.size(), QSize(280, 280));
        const DualRateCurveGeometry g = dualRateCurveGeometry(280, 280, rate, exp);
        for (const BezierHalf &h : {g.lower, g.upper})
            for (qreal t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                const QPoint p = bezierAt(h, t).toPoint();
                QVERIFY2(isRed(image, p), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
            }
        for (QPoint outside : {QPoint(5, 275), QPoint(275, 5), QPoint(5, 5), QPoint(275, 275)})
            QVERIFY(isWhite(image, outside));
    }

    void dualRateWidgetDrawsUnclamped()
    {
        params.DR_RATE = 105; // end points 6 px beyond the corners: (20,266) and (260,14)
        params.DR_EXP = 0;
        const QImage image = rendered<mWidget>(280, 280);
        QVERIFY(isRed(image, {20, 266}));
        QVERIFY(isRed(image, {260, 14}));
    }

    void widgetsRepaintOnTheirOwnTimer()
    {
        cureWidget throttle;
        mWidget dualRate;
        for (QWidget *w : {static_cast<QWidget *>(&throttle), static_cast<QWidget *>(&dualRate)}) {
            const auto timers = w->findChildren<QTimer *>();
            QCOMPARE(timers.size(), 1);
            QCOMPARE(timers.front()->interval(), 100);
            QVERIFY(timers.front()->isActive());

            PaintCounter counter;
            w->resize(100, 100);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            w->installEventFilter(&counter);
            QTRY_VERIFY_WITH_TIMEOUT(counter.paints >= 3, 5000);
            w->removeEventFilter(&counter);
            w->hide();
        }
    }
};

QTEST_MAIN(TestCurves)
#include "tst_curves.moc"
