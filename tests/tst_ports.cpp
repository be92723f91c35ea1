// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portlist.h"
#include "link/porterrors.h"
#include "support/eventwait.h"
#include "support/linkrig.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using support::LinkRig;

Q_DECLARE_METATYPE(QSerialPort::SerialPortError)

namespace {

PortEntry port(const QString &name, int vendorId = -1, int productId = -1, const QString &description = {})
{
    PortEntry entry;
    entry.name = name;
    entry.description = description;
    entry.manufacturer = description.isEmpty() ? QString() : "FTDI";
    entry.vendorId = vendorId;
    entry.productId = productId;
    return entry;
}

QString currentPortOfANewWindow()
{
    MainWindow window;
    return support::listPorts(window)->currentText();
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

    // The same classification, told in one line for a terminal: no paragraph, no box title.
    void openFailureLineSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSerialPort::SerialPortError>("error");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<QString>("expected");
        const auto E = QSerialPort::DeviceNotFoundError, P = QSerialPort::PermissionError;
        QTest::newRow("missing") << "ttyUSB0" << E << true << "no such port (is the transmitter plugged in?)";
        QTest::newRow("gone") << "ttyUSB0" << QSerialPort::ResourceError << true
                              << "no such port (is the transmitter plugged in?)";
        QTest::newRow("busy") << "ttyACM0" << P << true << "busy: another program has the port open";
        QTest::newRow("open already")
            << "ttyACM0" << QSerialPort::OpenError << true << "busy: another program has the port open";
        QTest::newRow("forbidden") << "/tmp/txemu-pilot" << P << false
                                   << "permission denied (is your user in the dialout group?)";
        QTest::newRow("no name") << "" << E << true << "no port given";
        QTest::newRow("other") << "ttyS0" << QSerialPort::UnsupportedOperationError << true
                               << "Unsupported operation";
    }
    void openFailureLineSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QSerialPort::SerialPortError, error);
        QFETCH(bool, accessible);
        QFETCH(QString, expected);
        const OpenFailure failure{name, error, accessible, "Unsupported operation"};
        QCOMPARE(openFailureLine(failure), expected);
        QVERIFY(!openFailureLine(failure).contains('\n'));
    }

    // Paths are taken as QSerialPort takes them; a bare name lives in /dev.
    void devicePathsAsTheSerialPortReadsThem()
    {
        QCOMPARE(devicePath("ttyUSB0"), QString("/dev/ttyUSB0"));
        QCOMPARE(devicePath("/tmp/txemu"), QString("/tmp/txemu"));
        QCOMPARE(devicePath("./pty"), QString("./pty"));
        QCOMPARE(devicePath("../pty"), QString("../pty"));
    }

    void toolTipsAndPreselection()
    {
        QCOMPARE(portToolTip(port("ttyUSB0", 0x0403, 0x6001, "FT232R USB UART")),
                 QString("FT232R USB UART\nFTDI\nUSB ID 0403:6001"));
        QCOMPARE(portToolTip(port("ttyUSB0", 0x1a86)), QString("USB ID 1a86"));
        QCOMPARE(portToolTip(port("ttyS0")), QString());

        const QVector<PortEntry> mixed{port("ttyS0"), port("ttyS1"), port("ttyX9", 0x0403), port("/tmp/emu")};
        QCOMPARE(preferredPortIndex(mixed, "/tmp/emu"), 3);                    // the port used last
        QCOMPARE(preferredPortIndex(mixed, "ttyUSB3"), 2);                     // gone: the first USB port
        QCOMPARE(preferredPortIndex({port("ttyS0"), port("ttyACM0")}, ""), 1); // USB known by name alone
        QCOMPARE(preferredPortIndex({port("ttyS0"), port("ttyS1")}, ""), 0);
        // Without USB: a port named in TXCONFIG_EXTRA_PORTS, then any but the mainboard's ttyS*.
        PortEntry emulator = port("/run/user/1000/txemu-pilot");
        emulator.extra = true;
        QCOMPARE(preferredPortIndex({port("ttyS0"), port("rfcomm0"), emulator}, ""), 2);
        QCOMPARE(preferredPortIndex({port("ttyS0"), port("rfcomm0")}, ""), 1);
        PortEntry located = port("ttyUSB0", 0x0403, 0x6001, "FT232R USB UART");
        located.location = "/dev/ttyUSB0";
        QCOMPARE(chosenPortToolTip(located),
                 QString("/dev/ttyUSB0\nFT232R USB UART\nFTDI\nUSB ID 0403:6001"));
        emulator.location = emulator.name;
        QCOMPARE(chosenPortToolTip(emulator), emulator.name);
        QCOMPARE(preferredPortIndex({}, "ttyS0"), -1);
    }

    // Extra ports stand in for a transmitter plugged in after start: the system's own list cannot be
    // changed from a test.
    void newPortsAppearWhileClosedOnlyAndThePickStays()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        TxEmulator late, later;
        QVERIFY(late.open() && later.open());
        // The emulator is preselected as the first extra port; what must stay is the pilot's own pick.
        rig.portBox()->setCurrentIndex(-1);
        QVERIFY(rig.selectPort(rig.emu.slavePath()));
        QSignalSpy changes(rig.portBox(), QOverload<int>::of(&QComboBox::currentIndexChanged));

        // Listed ahead of the picked port, so the pick moves down a row.
        qputenv("TXCONFIG_EXTRA_PORTS", (late.slavePath() + ":" + rig.emu.slavePath()).toLocal8Bit());
        QVERIFY(support::runUntil([&] { return rig.portBox()->findText(late.slavePath()) >= 0; }, 2000));
        QCOMPARE(rig.portBox()->currentText(), rig.emu.slavePath());
        QCOMPARE(changes.count(), 0);

        QVERIFY(rig.openLink());
        qputenv("TXCONFIG_EXTRA_PORTS",
                (late.slavePath() + ":" + rig.emu.slavePath() + ":" + later.slavePath()).toLocal8Bit());
        support::runFor(2500);
        QCOMPARE(rig.portBox()->findText(later.slavePath()), -1);
        rig.openButton()->click(); // CLOSE lists the ports at once
        QVERIFY(rig.portBox()->findText(later.slavePath()) >= 0);
        QCOMPARE(rig.portBox()->currentText(), rig.emu.slavePath());
    }

    void theLastPortIsPreselectedOnTheNextStart()
    {
        TxEmulator emu;
        QVERIFY(emu.open());
        qputenv("TXCONFIG_EXTRA_PORTS", ("/nonexistent/ttyTX0:" + emu.slavePath()).toLocal8Bit());
        const QString firstStart = currentPortOfANewWindow();
        QVERIFY(firstStart != emu.slavePath());
        {
            MainWindow window;
            auto *box = support::listPorts(window);
            auto *open = window.findChild<QPushButton *>("openButton");
            box->setCurrentIndex(box->findText(emu.slavePath()));
            open->click();
            QCOMPARE(open->text(), QString("CLOSE"));
        }
        QCOMPARE(currentPortOfANewWindow(), emu.slavePath());

        // A settings file that cannot be read is a first start.
        const QString file = QSettings().fileName();
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        QCOMPARE(currentPortOfANewWindow(), firstStart);
        QDir(file).removeRecursively();
        qunsetenv("TXCONFIG_EXTRA_PORTS");
    }
};

QTEST_MAIN(TestPorts)
#include "tst_ports.moc"
