// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a widget of the real window stores the value in its field through the slot connected by
// name: a sample from every group, both dual-rate groups and the fields two editors share.
#include "params/parameterset.h"
#include "support/displayrig.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QtTest>

Q_DECLARE_METATYPE(IntField)
Q_DECLARE_METATYPE(DoubleField)

class TestFormEdits : public QObject
{
    Q_OBJECT

    support::WindowPerFunction windows;
    MainWindow *window = nullptr;

    // Spin boxes take a value, combo boxes an item index, as a user's edit would leave them.
    void edit(const QString &name, int value)
    {
        if (auto *spin = window->findChild<QSpinBox *>(name)) {
            QVERIFY2(spin->value() != value, "pick a value the editor does not already show");
            spin->setValue(value);
        } else if (auto *combo = window->findChild<QComboBox *>(name)) {
            QVERIFY2(combo->currentIndex() != value, "pick an item the editor does not already show");
            combo->setCurrentIndex(value);
        } else {
            QFAIL(qPrintable("no editor " + name));
        }
    }

private slots:
    void init()
    {
        params = ParameterSet{};
        window = windows.window(); // its refresh timer stopped, so no display pass interferes
        QVERIFY(window);
    }
    void cleanup()
    {
        windows.rowDone();
        window = nullptr;
    }
    void cleanupTestCase() { windows.reset(); }

    void integerEditorsStore_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("value");
        QTest::addColumn<IntField>("field");
        using P = ParameterSet;
        auto row = [](const char *editor, int value, IntField field) {
            QTest::newRow(editor) << QString(editor) << value << field;
        };
        row("spinBox_sub1", -40, &P::sub1);
        row("spinBox_Lepa8", 110, &P::Lepa8);
        row("spinBox_Repa3", 7, &P::Repa3);
        row("spinBox_FS3", 75, &P::FS3);
        row("spinBox_delay8", 33, &P::delay8);
        row("comboBox_rev3", 0, &P::rev3);
        row("comboBox_rev6", 1, &P::rev6);
        row("comboBox_AUX6", 5, &P::AUX6);
        row("comboBox_AttiM", 2, &P::AttiM);
        row("spinBox_Atti4", 12, &P::Atti4);
        row("comboBox_EleMix", 1, &P::EleMix);
        row("spinBox_Elev05", -20, &P::Elev05);
        row("comboBox_RuMix", 1, &P::RuMix);
        row("spinBox_Ru2", 70, &P::Ru2);
        row("comboBox_PRM01_Master", 6, &P::PRM01_Master);
        row("comboBox_PRM03_Mix", 2, &P::PRM03_Mix);
        row("comboBox_PRM04_Slave", 7, &P::PRM04_Slave);
        row("spinBox_PRM02_Data3", -60, &P::PRM02_Data3);
        row("spinBox_PRM04_Data2", 30, &P::PRM04_Data2);
        row("spinBox_Rssi", -70, &P::Rssi);
        row("spinBox_Mode", 3, &P::Mode);
        row("spinBox_Vertion", 512, &P::Vertion);
        row("comboBox_THCURE_MIX", 1, &P::THCURE_MIX);
        row("spinBox_THCURE_Data04", 60, &P::THCURE_Data04);
        row("comboBox_DR_POSI", 1, &P::DR_POSI);
        row("comboBox_DR_CH2", 3, &P::DR_CH);
    }
    void integerEditorsStore()
    {
        QFETCH(QString, editor);
        QFETCH(int, value);
        QFETCH(IntField, field);
        edit(editor, value);
        QCOMPARE(params.*field, value);
    }

    void voltageEditorsStore_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<double>("value");
        QTest::addColumn<DoubleField>("field");
        QTest::newRow("TX") << "doubleSpinBox_Volt" << 7.4 << &ParameterSet::Volt;
        QTest::newRow("RX") << "doubleSpinBox_rxVolt" << 5.1 << &ParameterSet::rxVolt;
        QTest::newRow("EXT") << "doubleSpinBox_extVolt" << 12.6 << &ParameterSet::extVolt;
        QTest::newRow("rounded to a tenth") << "doubleSpinBox_Volt" << 3.66 << &ParameterSet::Volt;
    }
    void voltageEditorsStore()
    {
        QFETCH(QString, editor);
        QFETCH(double, value);
        QFETCH(DoubleField, field);
        window->findChild<QDoubleSpinBox *>(editor)->setValue(value);
        QCOMPARE(params.*field, qRound(value * 10) / 10.0);
    }

    void theEditorsRangeBoundsTheStoredValue()
    {
        window->findChild<QSpinBox *>("spinBox_Lepa1")->setValue(150);
        QCOMPARE(params.Lepa1, 120);
        window->findChild<QSpinBox *>("spinBox_Rssi")->setValue(5);
        QCOMPARE(params.Rssi, 0);
        window->findChild<QSpinBox *>("spinBox_Mode")->setValue(9);
        QCOMPARE(params.Mode, 4);
    }

    void bothDualRateMixEditorsShareOneField()
    {
        edit("comboBox_DR_MIX1", 1);
        QCOMPARE(params.DR_MIX, 1);
        params.DR_MIX = 0;
        edit("comboBox_DR_MIX2", 1);
        QCOMPARE(params.DR_MIX, 1);
        edit("comboBox_DR_MIX1", 0);
        QCOMPARE(params.DR_MIX, 0);
    }

    void rateOnTheCurvePageGoesToTheSelectedChannelAndPosition()
    {
        edit("comboBox_DR_CH1", 2);
        edit("comboBox_DR_POSI", 1);
        edit("spinBox_DR_RATE", 70);
        QCOMPARE(params.DR_CH, 2);
        QCOMPARE(params.DR_POSI, 1);
        QCOMPARE(params.DR_RATE, 70);
        QCOMPARE(params.DR_DOWN_CH3, 70);
        QCOMPARE(params.DR_DOWN1, 70);
        QCOMPARE(params.DR_UP_CH3, 100);
        QCOMPARE(params.DR_DOWN_CH1, 100);
    }

    void exponentialFollowsThePosition()
    {
        edit("comboBox_DR_CH1", 3);
        edit("spinBox_DR_EXP", -30); // position UP
        QCOMPARE(params.DR_EXP_UP_CH4, -30);
        QCOMPARE(params.DR_EXP_DOWN_CH4, 0);
        QCOMPARE(params.DR_EXP, -30);
    }

    void upAndDownOnTheFirstPageGoToTheSelectedChannel()
    {
        edit("comboBox_DR_CH1", 1);
        edit("spinBox_DR_UP1", 40);
        QCOMPARE(params.DR_UP_CH2, 40);
        QCOMPARE(params.DR_UP1, 40);
        QCOMPARE(params.DR_RATE, 40); // position UP shows the UP rate on the curve page
        edit("spinBox_DR_DOWN1", 55);
        QCOMPARE(params.DR_DOWN_CH2, 55);
        QCOMPARE(params.DR_DOWN1, 55);
        QCOMPARE(params.DR_UP_CH1, 100);
    }

    void channelOnTheCurvePageOnlyStoresTheChannel()
    {
        params.DR_UP_CH2 = 20;
        edit("comboBox_DR_CH2", 1);
        QCOMPARE(params.DR_CH, 1);
        QCOMPARE(params.DR_UP1, 100); // the view follows on the next display pass, not here
    }
};

QTEST_MAIN(TestFormEdits)
#include "tst_form_edits.moc"
