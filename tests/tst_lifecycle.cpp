#include "support/linkrig.h"

#include <QApplication>
#include <QtTest>

using support::LinkRig;

// Quitting ends every running wait at once, so this runs in a program of its own.
class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void closingTheWindowDuringWriteEndsTheProgram()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

        bool writeReturned = false;
        QTimer::singleShot(0, [&] {
            rig.button("toolButton_Send")->click();
            writeReturned = true;
        });
        QTimer::singleShot(1200, [&] { rig.window->close(); }); // during the second frame's wait
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);

        const int code = QApplication::exec();
        QCOMPARE(code, 0); // the last window closed, not the watchdog
        QVERIFY(writeReturned);
        QVERIFY(rig.window->isHidden());
        rig.window.reset(); // the window goes down with the port still open, as at exit
        QVERIFY(rig.emu.receivedTokens().size() >= 2);
        QVERIFY(!rig.emu.receivedBytes().contains("DIS")); // nothing is said at exit
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
