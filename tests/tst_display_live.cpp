// SPDX-License-Identifier: GPL-3.0-or-later
// The live read-outs as the display pass leaves them on the real window: channel values and bars,
// the voltage and signal texts of the top bar, and the stick trims for every stick mode.
#include "support/displayrig.h"

#include "params/parameterset.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSpinBox>
#include <QtTest>

Q_DECLARE_METATYPE(IntField)

class TestDisplayLive : public QObject
{
    Q_OBJECT

    support::WindowPerFunction windows;
    MainWindow *window = nullptr;

    template <typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }
    QString text(const QString &name) const { return find<QLineEdit>(name)->text(); }
    int bar(const QString &name) const { return find<QProgressBar>(name)->value(); }
    bool pass() { return support::displayPasses(*window, 1); }

    static QString valueField(int channel)
    {
        return channel == 1 ? "lineEdit" : QString("lineEdit_%1").arg(channel);
    }
    static QString upperBar(int channel) { return QString("progressBar_%1").arg(channel * 10); }
    static QString lowerBar(int channel) { return QString("progressBar_%1").arg(channel * 10 + 1); }

private slots:
    void init()
    {
        params = ParameterSet{};
        window = windows.window();
        QVERIFY(window);
    }
    void cleanup()
    {
        windows.rowDone();
        window = nullptr;
    }
    void cleanupTestCase() { windows.reset(); }

    void firstPassShowsTheStartValues()
    {
        QCOMPARE(text("lineEdit"), QString("0")); // the form's text until the first pass
        QCOMPARE(text("lineEdit_RSSI"), QString("null"));
        QVERIFY(pass());
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(text(valueField(n)), QString("1000"));
            QCOMPARE(bar(upperBar(n)), 10);
            QCOMPARE(bar(lowerBar(n)), 1000);
        }
        QCOMPARE(text("lineEdit_TX"), QString(" 0.0V"));
        QCOMPARE(text("lineEdit_EXT"), QString(" 0.0V"));
        QCOMPARE(text("lineEdit_RX"), QString(" 0.0V"));
        QCOMPARE(text("lineEdit_RSSI"), QString("null"));
        for (int t = 1; t <= 4; ++t) QCOMPARE(text(QString("lineEdit_Trim_%1").arg(t)), QString("0"));
    }

    void everyChannelReachesItsOwnWidgets()
    {
        const int outputs[8] = {0, 250, 999, 1000, 1001, 1500, 2000, 2500};
        for (int i = 0; i < 8; ++i) params.*fields::servoOut[i] = outputs[i];
        QVERIFY(pass());
        const int upper[8] = {1010, 760, 11, 10, 10, 10, 10, 10};
        const int lower[8] = {1000, 1000, 1000, 1000, 999, 500, 0, 0};
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(text(valueField(n)), QString::number(outputs[n - 1]));
            QCOMPARE(bar(upperBar(n)), upper[n - 1]);
            QCOMPARE(bar(lowerBar(n)), lower[n - 1]);
        }
    }

    void channelBars_data()
    {
        QTest::addColumn<int>("output");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("lower");
        QTest::newRow("0: upper full") << 0 << 1010 << 1000;
        QTest::newRow("1") << 1 << 1009 << 1000;
        QTest::newRow("999") << 999 << 11 << 1000;
        QTest::newRow("1000: centre line") << 1000 << 10 << 1000;
        QTest::newRow("1001") << 1001 << 10 << 999;
        QTest::newRow("1999") << 1999 << 10 << 1;
        QTest::newRow("2000: lower empty") << 2000 << 10 << 0;
        QTest::newRow("2001 clamps") << 2001 << 10 << 0;
        QTest::newRow("2500 clamps") << 2500 << 10 << 0;
        QTest::newRow("65535 clamps") << 65535 << 10 << 0;
    }
    void channelBars()
    {
        QFETCH(int, output);
        QFETCH(int, upper);
        QFETCH(int, lower);
        // Start from the other side of the centre, so a bar that ignored its new value would show.
        params.servoOut3 = output <= 1000 ? 1700 : 300;
        QVERIFY(pass());
        params.servoOut3 = output;
        QVERIFY(pass());
        QCOMPARE(text("lineEdit_3"), QString::number(output));
        QCOMPARE(bar("progressBar_30"), upper);
        QCOMPARE(bar("progressBar_31"), lower);
        QCOMPARE(find<QProgressBar>("progressBar_30")->maximum(), 1010);
        QCOMPARE(find<QProgressBar>("progressBar_31")->maximum(), 1000);
    }

    void statusTexts_data()
    {
        QTest::addColumn<QString>("readout");
        QTest::addColumn<IntField>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        using P = ParameterSet;
        auto row = [](const char *readout, IntField field, int value, const char *shown) {
            QTest::addRow("%s %d", readout, value) << QString(readout) << field << value << QString(shown);
        };
        row("lineEdit_TX", &P::txVoltage, 0, " 0.0V");
        row("lineEdit_TX", &P::txVoltage, 9, " 0.0V");
        row("lineEdit_TX", &P::txVoltage, 745, " 7.4V");
        row("lineEdit_TX", &P::txVoltage, 999, " 9.9V");
        row("lineEdit_TX", &P::txVoltage, 1000, "10.0 V");
        row("lineEdit_TX", &P::txVoltage, 1234, "12.3 V");
        row("lineEdit_TX", &P::txVoltage, 9999, "99.9 V");
        row("lineEdit_TX", &P::txVoltage, 10000, "00.0 V");
        row("lineEdit_TX", &P::txVoltage, 65535, "55.3 V");
        row("lineEdit_EXT", &P::extVoltage, 0, " 0.0V");
        row("lineEdit_EXT", &P::extVoltage, 5, " 0.5V");
        row("lineEdit_EXT", &P::extVoltage, 99, " 9.9V");
        row("lineEdit_EXT", &P::extVoltage, 100, "10.0 V");
        row("lineEdit_EXT", &P::extVoltage, 999, "99.9 V");
        row("lineEdit_EXT", &P::extVoltage, 1000, "00.0 V");
        row("lineEdit_EXT", &P::extVoltage, 65535, "53.5 V");
        row("lineEdit_RX", &P::rxVoltage, 0, " 0.0V");
        row("lineEdit_RX", &P::rxVoltage, 5, " 0.5V");
        row("lineEdit_RX", &P::rxVoltage, 40, " 4.0V");
        row("lineEdit_RX", &P::rxVoltage, 99, " 9.9V");
        row("lineEdit_RX", &P::rxVoltage, 100, "10.0 V");
        row("lineEdit_RX", &P::rxVoltage, 255, "25.5 V");
        row("lineEdit_RSSI", &P::rssiRaw, 0, "null");
        row("lineEdit_RSSI", &P::rssiRaw, 1, "-99dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 40, "-60dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 95, "-05dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 99, "-01dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 100, "-00dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 101, "+01dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 105, "+05dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 199, "+99dBm");
        row("lineEdit_RSSI", &P::rssiRaw, 255, "+155dBm");
    }
    void statusTexts()
    {
        QFETCH(QString, readout);
        QFETCH(IntField, field);
        QFETCH(int, value);
        QFETCH(QString, shown);
        // Something else first, so the row's text has to be written by this pass.
        params.*field = value == 77 ? 78 : 77;
        QVERIFY(pass());
        QVERIFY(text(readout) != shown);
        params.*field = value;
        QVERIFY(pass());
        QCOMPARE(text(readout), shown);
    }

    void eachStatusValueHasItsOwnReadout()
    {
        params.txVoltage = 1234;
        params.extVoltage = 56;
        params.rxVoltage = 78;
        params.rssiRaw = 60;
        QVERIFY(pass());
        QCOMPARE(text("lineEdit_TX"), QString("12.3 V"));
        QCOMPARE(text("lineEdit_EXT"), QString(" 5.6V"));
        QCOMPARE(text("lineEdit_RX"), QString(" 7.8V"));
        QCOMPARE(text("lineEdit_RSSI"), QString("-40dBm"));
    }

    // The port-close path runs Servo_Display alone: it must leave the rest of the form as it was.
    void servoDisplayAloneTouchesOnlyChannelsAndTx()
    {
        QVERIFY(pass());
        for (IntField f : fields::servoOut) params.*f = 1234;
        params.txVoltage = 745;
        params.rssiRaw = 50;
        params.rxVoltage = 33;
        params.sub1 = 40;
        params.StkTrim1 = 100;
        QVERIFY(support::runSlot(*window, "Servo_Display"));
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(text(valueField(n)), QString("1234"));
            QCOMPARE(bar(lowerBar(n)), 766);
        }
        QCOMPARE(text("lineEdit_TX"), QString(" 7.4V"));
        QCOMPARE(text("lineEdit_RSSI"), QString("null"));
        QCOMPARE(text("lineEdit_RX"), QString(" 0.0V"));
        QCOMPARE(find<QSpinBox>("spinBox_sub1")->value(), 0);
        QCOMPARE(text("lineEdit_Trim_1"), QString("0"));

        QVERIFY(support::runSlot(*window, "Recieve_Display"));
        QCOMPARE(text("lineEdit_RSSI"), QString("-50dBm"));
        QCOMPARE(text("lineEdit_RX"), QString(" 3.3V"));
        QCOMPARE(find<QSpinBox>("spinBox_sub1")->value(), 0);
    }

    void trimsFollowTheStickMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("shown");
        // Trims 240, 120, 100, 130 read 120, 0, -20 and 10 as signed offsets from the centre.
        QTest::newRow("mode 1") << 1 << QStringList{"120", "0", "-20", "10"};
        QTest::newRow("mode 2") << 2 << QStringList{"120", "-20", "0", "10"};
        QTest::newRow("mode 3") << 3 << QStringList{"10", "0", "-20", "120"};
        QTest::newRow("mode 4") << 4 << QStringList{"10", "-20", "0", "120"};
        QTest::newRow("mode 0") << 0 << QStringList{"10", "-20", "0", "120"};
        QTest::newRow("mode 7") << 7 << QStringList{"10", "-20", "0", "120"};
        QTest::newRow("mode -1") << -1 << QStringList{"10", "-20", "0", "120"};
    }
    void trimsFollowTheStickMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, shown);
        params.StkTrim1 = 240;
        params.StkTrim2 = 120;
        params.StkTrim3 = 100;
        params.StkTrim4 = 130;
        params.Mode = mode;
        QVERIFY(support::runSlot(*window, "StkTrim_Display"));
        for (int t = 1; t <= 4; ++t) QCOMPARE(text(QString("lineEdit_Trim_%1").arg(t)), shown[t - 1]);
        QCOMPARE(params.Mode, mode); // the trim display itself never corrects the mode
    }

    void trimTextsAreSignedWithoutPlus()
    {
        params.Mode = 1;
        params.StkTrim1 = 0;
        params.StkTrim2 = 119;
        params.StkTrim3 = 121;
        params.StkTrim4 = 240;
        QVERIFY(pass());
        QCOMPARE(text("lineEdit_Trim_1"), QString("-120"));
        QCOMPARE(text("lineEdit_Trim_2"), QString("-1"));
        QCOMPARE(text("lineEdit_Trim_3"), QString("1"));
        QCOMPARE(text("lineEdit_Trim_4"), QString("120"));
    }

    // Within a full pass the mode spin box runs first: a mode it cannot show is clamped and stored
    // back before the trims are placed, but only if the box's shown value changes.
    void fullPassPlacesTrimsByTheModeTheSpinBoxLeft()
    {
        params.StkTrim1 = 240;
        params.StkTrim2 = 120;
        params.StkTrim3 = 100;
        params.StkTrim4 = 130;
        auto *modeBox = find<QSpinBox>("spinBox_Mode");
        QCOMPARE(modeBox->value(), 2); // the form's start value

        params.Mode = 0;
        QVERIFY(pass());
        QCOMPARE(modeBox->value(), 1);
        QCOMPARE(params.Mode, 1);
        QCOMPARE(text("lineEdit_Trim_2"), QString("0")); // mode 1 order, not the order for 0

        // The box already shows 1, so clamping 0 again changes nothing it reports: 0 stays.
        params.Mode = 0;
        QVERIFY(pass());
        QCOMPARE(modeBox->value(), 1);
        QCOMPARE(params.Mode, 0);
        QCOMPARE(text("lineEdit_Trim_1"), QString("10"));
        QCOMPARE(text("lineEdit_Trim_2"), QString("-20"));
    }

    void movedBarsArePaintedAfterThePassNotDuringIt()
    {
        // A bar that repaints itself inside the pass costs a paint and a flush of the window each: with
        // the sticks moving that was most of the program's CPU while the port was open.
        struct PaintCount : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } count;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(pass());
        QCoreApplication::processEvents();
        for (int n = 1; n <= 8; ++n)
            for (const QString &name : {upperBar(n), lowerBar(n)})
                find<QProgressBar>(name)->installEventFilter(&count);

        for (IntField f : fields::servoOut) params.*f = 1400;
        QVERIFY(pass());
        QCOMPARE(count.paints, 0);
        QCOMPARE(bar(upperBar(1)), 10);
        QCOMPARE(bar(lowerBar(1)), 600);
        QTRY_COMPARE(count.paints, 8); // the lower bars moved, the upper ones stayed at 10
    }

    void servoTabLooksAsWhenPaintedFromTheWindowDown()
    {
        // The SERVO frame paints itself opaque and the channel bars are marked opaque once polished, so
        // that Qt skips the backgrounds beneath them. A window painted the ordinary way, from the window
        // down, must look the same: all of it repainted, and after a pass that moved every channel to the
        // other side of centre.
        std::unique_ptr<MainWindow> ordinary(support::windowWithoutRefresh());
        QVERIFY(ordinary);
        auto onScreen = [](MainWindow &w) {
            // Only the active window's focused control wears the focus mark; compared without it.
            if (QWidget *focused = w.focusWidget()) {
                focused->clearFocus();
                QCoreApplication::processEvents();
            }
            return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        for (IntField f : fields::servoOut) params.*f = 700;
        for (MainWindow *w : {window, ordinary.get()}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QVERIFY(support::displayPasses(*w, 1));
        }
        for (int n = 1; n <= 8; ++n)
            for (const QString &name : {upperBar(n), lowerBar(n)})
                QVERIFY2(find<QProgressBar>(name)->testAttribute(Qt::WA_OpaquePaintEvent), qPrintable(name));
        for (QWidget *w : ordinary->findChildren<QWidget *>())
            if (w->testAttribute(Qt::WA_OpaquePaintEvent)) w->setAttribute(Qt::WA_OpaquePaintEvent, false);
        ordinary->repaint();
        QCoreApplication::processEvents();
        QVERIFY(onScreen(*window) == onScreen(*ordinary));

        for (IntField f : fields::servoOut) params.*f = 1350;
        for (MainWindow *w : {window, ordinary.get()}) QVERIFY(support::displayPasses(*w, 1));
        QCoreApplication::processEvents();
        QCOMPARE(text(valueField(5)), QString("1350"));
        QVERIFY(onScreen(*window) == onScreen(*ordinary));
    }
};

QTEST_MAIN(TestDisplayLive)
#include "tst_display_live.moc"
