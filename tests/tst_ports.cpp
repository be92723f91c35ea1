#include "app/portlist.h"
#include "link/porterrors.h"
#include "support/eventwait.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/portrecorder.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using support::LinkRig;

Q_DECLARE_METATYPE(QSerialPort::SerialPortError)
Q_DECLARE_METATYPE(PortEntry)

namespace {

bool listed(QComboBox *box, const QString &name)
{
    return box->findText(name) >= 0;
}

PortEntry port(const QString &name, int vendorId = -1)
{
    PortEntry p;
    p.name = name;
    p.vendorId = vendorId;
    return p;
}

} // namespace

class TestPorts : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); } // every case starts as a first start

    void openFailureSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSerialPort::SerialPortError>("error");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<QString>("expected");
        const auto E = QSerialPort::DeviceNotFoundError, P = QSerialPort::PermissionError;
        QTest::newRow("missing") << "ttyUSB0" << E << true << "/dev/ttyUSB0 is not connected";
        QTest::newRow("gone") << "ttyUSB0" << QSerialPort::ResourceError << true
                              << "/dev/ttyUSB0 is not connected";
        QTest::newRow("busy") << "ttyACM0" << P << true << "/dev/ttyACM0 is in use by another program";
        QTest::newRow("forbidden")
            << "ttyUSB1" << P << false
            << "no permission to use /dev/ttyUSB1. Add yourself to the dialout group:\n\n"
               "sudo usermod -aG dialout $USER\n\nthen log out and log in again.";
        QTest::newRow("forbidden path")
            << "/tmp/txemu-pilot" << P << false << "no permission to use /tmp/txemu-pilot.";
        QTest::newRow("empty list") << "" << E << true << "Plug the transmitter in";
        QTest::newRow("other") << "ttyS0" << QSerialPort::UnsupportedOperationError << true
                               << "/dev/ttyS0: Unsupported operation";
    }
    void openFailureSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QSerialPort::SerialPortError, error);
        QFETCH(bool, accessible);
        QFETCH(QString, expected);
        const QString text = openFailureText({name, error, accessible, "Unsupported operation"});
        QVERIFY(text.startsWith("Cannot open the serial port!\n\n"));
        QVERIFY2(text.contains(expected), qPrintable(text));
        // The group advice only where it helps: elsewhere it would send users down the wrong path.
        QCOMPARE(text.contains("dialout"), !accessible);
    }

    void aPortHeldElsewhereIsReportedBusy()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        support::PortRecorder otherProgram;
        QVERIFY(otherProgram.open(rig.emu.slavePath()));
        support::ModalWatcher watcher;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Cannot open the serial port " +
                                                QRegularExpression::escape(rig.emu.slavePath())));
        QVERIFY(!rig.openLink());
        QCOMPARE(watcher.boxes.size(), 1);
        QVERIFY2(watcher.boxes[0].text.contains(rig.emu.slavePath() + " is in use by another program"),
                 qPrintable(watcher.boxes[0].text));
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("expected");
        QTest::newRow("USB adapter") << "FT232R USB UART"
                                     << "FTDI" << 0x0403 << 0x6001
                                     << "FT232R USB UART\nFTDI\nUSB ID 0403:6001";
        QTest::newRow("vendor only") << ""
                                     << "" << 0x1a86 << -1 << "USB ID 1a86";
        QTest::newRow("description only") << "ttyS0"
                                          << "" << -1 << -1 << "ttyS0";
        QTest::newRow("nothing known") << ""
                                       << "" << -1 << -1 << "";
    }
    void toolTips()
    {
        QFETCH(QString, description);
        QFETCH(QString, manufacturer);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(QString, expected);
        QCOMPARE(portToolTip({"ttyUSB0", description, manufacturer, vendorId, productId}), expected);
    }

    void preselection_data()
    {
        QTest::addColumn<QVector<PortEntry>>("ports");
        QTest::addColumn<QString>("lastUsed");
        QTest::addColumn<int>("expected");
        const QVector<PortEntry> mixed{port("ttyS0"), port("ttyS1"), port("ttyX9", 0x0403), port("/tmp/emu")};
        QTest::newRow("last used listed") << mixed << "/tmp/emu" << 3;
        QTest::newRow("last used gone: first USB") << mixed << "ttyUSB3" << 2;
        QTest::newRow("USB known by name") << QVector<PortEntry>{port("ttyS0"), port("ttyACM0")} << "" << 1;
        QTest::newRow("no USB: first") << QVector<PortEntry>{port("ttyS0"), port("ttyS1")} << "" << 0;
        QTest::newRow("none") << QVector<PortEntry>{} << "ttyS0" << -1;
    }
    void preselection()
    {
        QFETCH(QVector<PortEntry>, ports);
        QFETCH(QString, lastUsed);
        QFETCH(int, expected);
        QCOMPARE(preferredPortIndex(ports, lastUsed), expected);
    }

    // Extra ports stand in for a transmitter plugged in after start: the system's own list cannot be
    // changed from a test.
    void newPortsAppearWhileClosedOnlyAndThePickStays()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        TxEmulator late, later;
        QVERIFY(late.open());
        QVERIFY(later.open());
        QVERIFY(rig.selectPort(rig.emu.slavePath()));
        QSignalSpy picks(rig.portBox(), QOverload<int>::of(&QComboBox::currentIndexChanged));

        // Listed ahead of the picked port, so the pick moves down a row.
        qputenv("TXCONFIG_EXTRA_PORTS", (late.slavePath() + ":" + rig.emu.slavePath()).toLocal8Bit());
        QVERIFY(support::runUntil([&] { return listed(rig.portBox(), late.slavePath()); }, 2000));
        QCOMPARE(rig.portBox()->currentText(), rig.emu.slavePath());
        QCOMPARE(picks.count(), 0);

        QVERIFY(rig.openLink());
        qputenv("TXCONFIG_EXTRA_PORTS",
                (late.slavePath() + ":" + rig.emu.slavePath() + ":" + later.slavePath()).toLocal8Bit());
        support::runFor(2500);
        QVERIFY(!listed(rig.portBox(), later.slavePath()));
        rig.openButton()->click(); // CLOSE lists the ports at once
        QVERIFY(listed(rig.portBox(), later.slavePath()));
        QCOMPARE(rig.portBox()->currentText(), rig.emu.slavePath());
    }

    void theLastPortIsPreselectedOnTheNextStart()
    {
        TxEmulator emu;
        QVERIFY(emu.open());
        qputenv("TXCONFIG_EXTRA_PORTS", ("/nonexistent/ttyTX0:" + emu.slavePath()).toLocal8Bit());
        auto current = [] { return MainWindow().findChild<QComboBox *>("portNameBox")->currentText(); };
        const QString firstStart = current();
        QVERIFY(firstStart != emu.slavePath());
        {
            MainWindow window;
            auto *box = window.findChild<QComboBox *>("portNameBox");
            auto *open = window.findChild<QPushButton *>("openButton");
            box->setCurrentIndex(box->findText(emu.slavePath()));
            open->click();
            QCOMPARE(open->text(), QString("CLOSE"));
            open->click();
        }
        QCOMPARE(current(), emu.slavePath());

        // A settings file that cannot be read is a first start.
        const QString file = QSettings().fileName();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file));
        QCOMPARE(current(), firstStart);
        QDir(file).removeRecursively();
        qunsetenv("TXCONFIG_EXTRA_PORTS");
    }
};

QTEST_MAIN(TestPorts)
#include "tst_ports.moc"
