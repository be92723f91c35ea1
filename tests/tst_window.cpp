// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/portlist.h"
#include "link/textframes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

// Every warning Qt prints while one is installed (QTest::failOnWarning would do, from Qt 6.3 on).
class WarningRecorder
{
public:
    WarningRecorder() { s_previous = qInstallMessageHandler(&WarningRecorder::record); }
    ~WarningRecorder() { qInstallMessageHandler(s_previous); }
    static QStringList warnings;

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg) warnings << message;
        s_previous(type, context, message);
    }
    static QtMessageHandler s_previous;
};
QStringList WarningRecorder::warnings;
QtMessageHandler WarningRecorder::s_previous = nullptr;

// Pixels of the caption's cyan, letting the edges of the glyphs blend into the tab.
int cyanPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() < 64 && c.green() > 192 && c.blue() > 192;
        }
    return count;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void opensOnTheFirstTabWithThePortsListed()
    {
        qputenv("TXCONFIG_EXTRA_PORTS", ":/tmp/txemu-a::/dev/pts/77:");
        MainWindow w;
        // The ports are listed as the window first shows the box, not a second later.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        qunsetenv("TXCONFIG_EXTRA_PORTS");
        QCOMPARE(w.findChild<QTabWidget *>("tabWidget")->currentIndex(), 0);

        QStringList expected;
        int firstUsb = -1;
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
            const bool usb = info.hasVendorIdentifier() || info.portName().startsWith("ttyUSB") ||
                             info.portName().startsWith("ttyACM");
            if (firstUsb < 0 && usb) firstUsb = expected.size();
            expected << info.portName();
        }
        expected << "/tmp/txemu-a"
                 << "/dev/pts/77";
        auto *box = w.findChild<QComboBox *>("portNameBox");
        QStringList listed;
        for (int i = 0; i < box->count(); ++i) listed << box->itemText(i);
        QCOMPARE(listed, expected);
        // Nothing remembered yet: a USB port of the system's if there is one, else the first extra port.
        QCOMPARE(box->currentIndex(), firstUsb >= 0 ? firstUsb : expected.indexOf("/tmp/txemu-a"));
        // The box's tip starts with the chosen port's full path.
        const QString path = box->currentText().startsWith('/')
                                 ? box->currentText()
                                 : QSerialPortInfo(box->currentText()).systemLocation();
        QVERIFY2(box->toolTip().section('\n', 0, 0) == path, qPrintable(box->toolTip()));
        // The list drops down as wide as its longest name.
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->view()->isVisible());
        box->hidePopup();
        QVERIFY(box->view()->minimumWidth() > box->fontMetrics().horizontalAdvance("/tmp/txemu-a"));
    }

    void theIconIsTheWindowsAlone()
    {
        MainWindow w;
        QVERIFY(!w.windowIcon().isNull());
        // The "Note" boxes have no parent: an application icon would show in them.
        QVERIFY(QApplication::windowIcon().isNull());
    }

    void startsWithoutAQtWarning()
    {
        // A style sheet rule Qt cannot parse is only a warning, and the widget is drawn without it.
        WarningRecorder::warnings.clear();
        {
            WarningRecorder recorder;
            MainWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // Each page's sheets are parsed as it is first shown.
            auto *tabs = w.findChild<QTabWidget *>("tabWidget");
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QTest::qWait(20);
            }
        }
        QCOMPARE(WarningRecorder::warnings, QStringList());
    }

    void theSelectedTabsCaptionIsDrawnCyan()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *bar = w.findChild<QTabBar *>();
        QVERIFY(bar);
        for (int selected : {0, 3}) {
            bar->setCurrentIndex(selected);
            const QImage drawn = bar->grab().toImage();
            const qreal ratio = drawn.devicePixelRatio();
            auto area = [&](int tab) {
                const QRect r = bar->tabRect(tab);
                return QRect((r.topLeft() * ratio), r.size() * ratio) & drawn.rect();
            };
            QVERIFY2(cyanPixels(drawn, area(selected)) >= 20, qPrintable(bar->tabText(selected)));
            QCOMPARE(cyanPixels(drawn, area(selected == 0 ? 1 : 0)), 0); // the others are white on grey
        }
    }

    void extraPortsParsing()
    {
        QCOMPARE(extraPortNames(""), QStringList());
        QCOMPARE(extraPortNames(":::"), QStringList());
        QCOMPARE(extraPortNames("/dev/a"), QStringList{"/dev/a"});
        QCOMPARE(extraPortNames("/dev/a::/dev/b"), (QStringList{"/dev/a", "/dev/b"}));
    }

    void plainHandlersStoreTheirValue()
    {
        MainWindow w;
        QVERIFY(QMetaObject::invokeMethod(&w, "on_spinBox_sub3_valueChanged", Q_ARG(int, -42)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_comboBox_AUX8_currentIndexChanged", Q_ARG(int, 5)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_doubleSpinBox_rxVolt_valueChanged", Q_ARG(double, 6.6)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_spinBox_THCURE_Data07_valueChanged", Q_ARG(int, 77)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_spinBox_delay8_valueChanged", Q_ARG(int, 12)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_comboBox_DR_MIX2_currentIndexChanged", Q_ARG(int, 1)));
        QVERIFY(QMetaObject::invokeMethod(&w, "on_spinBox_Vertion_valueChanged", Q_ARG(int, 900)));
        QCOMPARE(params.sub3, -42);
        QCOMPARE(params.AUX8, 5);
        QCOMPARE(params.rxVolt, 6.6);
        QCOMPARE(params.THCURE_Data07, 77);
        QCOMPARE(params.delay8, 12);
        QCOMPARE(params.DR_MIX, 1);
        QCOMPARE(params.Vertion, 900);
    }

    void drChannelHandlersDifferInSelection()
    {
        MainWindow w;
        params.DR_UP_CH3 = 20;
        QVERIFY(QMetaObject::invokeMethod(&w, "on_comboBox_DR_CH2_currentIndexChanged", Q_ARG(int, 2)));
        QCOMPARE(params.DR_CH, 2);
        QCOMPARE(params.DR_UP1, 100); // the ADVANCE2 box does not reselect
        QVERIFY(QMetaObject::invokeMethod(&w, "on_comboBox_DR_CH1_currentIndexChanged", Q_ARG(int, 2)));
        QCOMPARE(params.DR_UP1, 20);
        QCOMPARE(params.DR_RATE, 20);
    }

    void resetAndSanitiseSlots()
    {
        MainWindow w;
        params.sub1 = 500;
        params.Mode = 4;
        QVERIFY(QMetaObject::invokeMethod(&w, "FalseSaveData"));
        QCOMPARE(params.sub1, 0);
        QVERIFY(QMetaObject::invokeMethod(&w, "RestData"));
        QVERIFY(QMetaObject::invokeMethod(&w, "RestData2"));
        QCOMPARE(params.Mode, 2);
        QCOMPARE(params.Volt, 3.7);
    }

    void sendingWhileClosedRebuildsAndWaits()
    {
        MainWindow w;
        params.Mode = 3;
        QTest::ignoreMessage(QtDebugMsg, "Str1Blength:81");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(QMetaObject::invokeMethod(&w, "SendData1"));
        QVERIFY(clock.elapsed() >= 790);
        QCOMPARE(w.session().frameText(TextFrame::S).size(), 81);
        QCOMPARE(w.session().frameText(TextFrame::S).mid(79, 2), QString("3Y"));
        QCOMPARE(params.VoltRaw, 110);
        QTest::ignoreMessage(QtDebugMsg, "Str4Blength:81");
        params.StkTrim1 = 0;
        QVERIFY(QMetaObject::invokeMethod(&w, "SendData4"));
        QCOMPARE(w.session().frameText(TextFrame::I).left(3), QString("I10"));
    }

    void byteArrayToIntSlot()
    {
        MainWindow w;
        int result = -1;
        QVERIFY(QMetaObject::invokeMethod(&w, "byteArrayToInt", Q_RETURN_ARG(int, result),
                                          Q_ARG(QByteArray, QByteArray("\xFF\xFF", 2)), Q_ARG(int, 0)));
        QCOMPARE(result, 65535);
    }

    void delayKeepsTheEventLoopRunning()
    {
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(20);
        delayMs(300);
        QVERIFY(ticks >= 5);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
