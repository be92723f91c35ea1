// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/rules.h"

#include <QtTest>

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void startUpAsymmetries()
    {
        const ParameterSet p;
        QCOMPARE(p.rev3, 1);
        for (IntField f :
             {&ParameterSet::rev1, &ParameterSet::rev2, &ParameterSet::rev4, &ParameterSet::rev8})
            QCOMPARE(p.*f, 0);
        QCOMPARE(p.FS3, 0);
        QCOMPARE(p.FS4, 50);
        QCOMPARE(p.Mode, 1);
        QCOMPARE(p.Volt, 11.0);
        QCOMPARE(p.VoltRaw, 37);
        QCOMPARE(p.DR_UP1, p.DR_UP_CH1);
        QCOMPARE(p.DR_DOWN1, p.DR_DOWN_CH1);
        QCOMPARE(p.DR_RATE, p.DR_UP_CH1);
        QCOMPARE(p.DR_EXP, p.DR_EXP_UP_CH1);
        QCOMPARE(p.Elev04, -100);
        QCOMPARE(p.Ru2, -50);
        QCOMPARE(p.PRM04_Slave, 5);
        QCOMPARE(p.THCURE_Data07, 100);
        QCOMPARE(p.servoOut8, 1000);
        QCOMPARE(p.StkTrim4, 120);
    }

    void programWideSetStartsWithStartUpValues()
    {
        QCOMPARE(params.Mode, 1);
        QCOMPARE(params.rev3, 1);
        QCOMPARE(params.AUX6, 3);
        QCOMPARE(params.rxVolt, 4.0);
    }

    void rateEditStoresDownOfSelectedChannel()
    {
        ParameterSet p;
        p.DR_CH = 2;
        p.DR_POSI = 1;
        editDrRate(p, 70);
        QCOMPARE(p.DR_RATE, 70);
        QCOMPARE(p.DR_DOWN_CH3, 70);
        QCOMPARE(p.DR_DOWN1, 70);
        QCOMPARE(p.DR_UP_CH3, 100);
        QCOMPARE(p.DR_DOWN_CH1, 100);
    }

    void expEditThenPositionSwitch()
    {
        ParameterSet p;
        p.DR_DOWN_CH1 = 40;
        p.DR_EXP_DOWN_CH1 = 25;
        editDrExp(p, -30);
        QCOMPARE(p.DR_EXP_UP_CH1, -30);
        QCOMPARE(p.DR_EXP, -30);
        p.DR_POSI = 1; // what the POSI handler stores before it reselects
        selectDualRate(p);
        QCOMPARE(p.DR_RATE, 40);
        QCOMPARE(p.DR_EXP, 25);
        QCOMPARE(p.DR_DOWN1, 40);
        p.DR_POSI = 3; // every value other than 0 means DOWN
        selectDualRate(p);
        QCOMPARE(p.DR_RATE, 40);
    }

    void upAndDownEditorsWriteTheirChannel()
    {
        ParameterSet p;
        p.DR_CH = 3;
        editDrUp(p, 55);
        editDrDown(p, 66);
        QCOMPARE(p.DR_UP_CH4, 55);
        QCOMPARE(p.DR_DOWN_CH4, 66);
        QCOMPARE(p.DR_RATE, 55); // position UP shows the UP rate
        QCOMPARE(p.DR_UP_CH1, 100);
    }

    void channelOutsideRangeSelectsNothing()
    {
        ParameterSet p;
        p.DR_CH = 4;
        sanitise(p);
        QCOMPARE(p.DR_CH, 4); // accepted by the sanitiser
        p.DR_UP_CH1 = 10;
        selectDualRate(p);
        QCOMPARE(p.DR_UP1, 100);
        editDrUp(p, 33);
        editDrRate(p, 44);
        editDrExp(p, 12);
        QCOMPARE(p.DR_UP1, 33);
        QCOMPARE(p.DR_RATE, 44);
        QCOMPARE(p.DR_EXP, 12);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(p.*fields::DR_UP_CH[k], k == 0 ? 10 : 100);
            QCOMPARE(p.*fields::DR_EXP_UP_CH[k], 0);
        }
        p.DR_CH = -1;
        editDrDown(p, 9);
        QCOMPARE(p.DR_DOWN_CH1, 100);
    }

    void selectionIsIdempotent()
    {
        ParameterSet p;
        p.DR_CH = 1;
        p.DR_UP_CH2 = 20;
        p.DR_DOWN_CH2 = 30;
        p.DR_EXP_UP_CH2 = 40;
        selectDualRate(p);
        const ParameterSet once = p;
        selectDualRate(p);
        QCOMPARE(p.DR_UP1, once.DR_UP1);
        QCOMPARE(p.DR_DOWN1, 30);
        QCOMPARE(p.DR_RATE, 20);
        QCOMPARE(p.DR_EXP, 40);
    }

    void resetRestoresStartUpValuesExceptModeAndVolt()
    {
        const ParameterSet initial;
        ParameterSet p;
        // Scramble every integer the reset covers, through the sanitiser's field list.
        int count = 0;
        const SanitiseRule *rules = sanitiseRules(&count);
        for (int i = 0; i < count; ++i) p.*rules[i].field = 7777;
        for (IntField f : fields::StkTrim) p.*f = 3;
        p.Volt = p.rxVolt = p.extVolt = 42.0;
        p.DR_RATE = 5;
        p.Vertion = 321;
        p.servoOut2 = 1500;
        p.StkTrimLock = 1;
        resetFirstHalf(p);
        resetSecondHalf(p);
        for (int i = 0; i < count; ++i) {
            const IntField f = rules[i].field;
            if (f == &ParameterSet::Mode) continue;
            QVERIFY2(p.*f == initial.*f, qPrintable(QString("sanitiser row %1").arg(i)));
        }
        for (IntField f : fields::StkTrim) QCOMPARE(p.*f, 120);
        QCOMPARE(p.Mode, 2);
        QCOMPARE(p.Volt, 3.7);
        QCOMPARE(p.VoltRaw, 37);
        QCOMPARE(p.rxVolt, 4.0);
        QCOMPARE(p.extVolt, 11.0);
        // Not touched by either half.
        QCOMPARE(p.DR_RATE, 5);
        QCOMPARE(p.Vertion, 321);
        QCOMPARE(p.servoOut2, 1500);
        QCOMPARE(p.StkTrimLock, 1);
    }

    void resetHalvesSplitAsTheTransmitterDoes()
    {
        ParameterSet p;
        p.PRM02_Data3 = 9;
        p.PRM03_Data1 = 9;
        p.DR_EXP = 9;
        p.DR_UP_CH2 = 9;
        resetFirstHalf(p);
        QCOMPARE(p.PRM02_Data3, 0);
        QCOMPARE(p.DR_UP_CH2, 100);
        QCOMPARE(p.PRM03_Data1, 9); // second half
        QCOMPARE(p.DR_EXP, 9);
        resetSecondHalf(p);
        QCOMPARE(p.PRM03_Data1, 0);
        QCOMPARE(p.DR_EXP, 0);
    }

    // Each bound of the sanitiser: at the edge the value stays, one past it falls back.
    void sanitiserBounds()
    {
        int count = 0;
        const SanitiseRule *rules = sanitiseRules(&count);
        QCOMPARE(count, 132); // every integer setting the transmitter stores
        for (int i = 0; i < count; ++i) {
            const SanitiseRule &r = rules[i];
            for (int v : {r.low, r.high, r.low - 1, r.high + 1}) {
                ParameterSet p;
                p.*r.field = v;
                sanitise(p);
                const bool inside = v >= r.low && v <= r.high;
                QVERIFY2(p.*r.field == (inside ? v : r.fallback),
                         qPrintable(QString("row %1 value %2 gave %3").arg(i).arg(v).arg(p.*r.field)));
            }
        }
    }

    void sanitiserNamedCases()
    {
        ParameterSet p;
        p.rev3 = 2;
        p.rev5 = 2;
        p.FS3 = 101;
        p.FS4 = 101;
        p.sub1 = -101;
        p.Lepa1 = -1;
        p.Rssi = 1;
        p.AttiM = 5;
        p.PRM01_Master = 10;
        p.PRM02_Slave = 11;
        p.Mode = 0;
        p.THCURE_MIX = 5;
        p.DR_SW = 3;
        sanitise(p);
        QCOMPARE(p.rev3, 1);
        QCOMPARE(p.rev5, 0);
        QCOMPARE(p.FS3, 0);
        QCOMPARE(p.FS4, 50);
        QCOMPARE(p.sub1, 0);
        QCOMPARE(p.Lepa1, 96);
        QCOMPARE(p.Rssi, -100);
        QCOMPARE(p.AttiM, 5);
        QCOMPARE(p.PRM01_Master, 10);
        QCOMPARE(p.PRM02_Slave, 5);
        QCOMPARE(p.Mode, 0);
        QCOMPARE(p.THCURE_MIX, 5);
        QCOMPARE(p.DR_SW, 0);
        p.Rssi = 0;
        sanitise(p);
        QCOMPARE(p.Rssi, 0);
    }

    void sanitiserVoltages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("result");
        QTest::newRow("Volt 60 -> 0 not 3.7") << 0 << 60.0 << 0.0;
        QTest::newRow("Volt 50 kept") << 0 << 50.0 << 50.0;
        QTest::newRow("Volt 0 kept") << 0 << 0.0 << 0.0;
        QTest::newRow("Volt -0.1") << 0 << -0.1 << 0.0;
        QTest::newRow("Volt 50.1") << 0 << 50.1 << 0.0;
        QTest::newRow("rxVolt 100 kept") << 1 << 100.0 << 100.0;
        QTest::newRow("rxVolt 100.1") << 1 << 100.1 << 4.0;
        QTest::newRow("rxVolt -0.1") << 1 << -0.1 << 4.0;
        QTest::newRow("extVolt 100.1") << 2 << 100.1 << 11.0;
        QTest::newRow("extVolt -1") << 2 << -1.0 << 11.0;
        QTest::newRow("extVolt 0 kept") << 2 << 0.0 << 0.0;
    }
    void sanitiserVoltages()
    {
        QFETCH(int, which);
        QFETCH(double, value);
        QFETCH(double, result);
        const DoubleField f[] = {&ParameterSet::Volt, &ParameterSet::rxVolt, &ParameterSet::extVolt};
        ParameterSet p;
        p.*f[which] = value;
        sanitise(p);
        QCOMPARE(p.*f[which], result);
    }

    void sanitiserLeavesUncheckedFieldsAlone()
    {
        ParameterSet p;
        p.DR_RATE = 500;
        p.StkTrim1 = 999;
        p.Vertion = -5;
        p.servoOut1 = 70000;
        p.rssiRaw = 300;
        p.ReadFlag = 99;
        sanitise(p);
        QCOMPARE(p.DR_RATE, 500);
        QCOMPARE(p.StkTrim1, 999);
        QCOMPARE(p.Vertion, -5);
        QCOMPARE(p.servoOut1, 70000);
        QCOMPARE(p.rssiRaw, 300);
        QCOMPARE(p.ReadFlag, 99);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
