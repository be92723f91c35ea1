// SPDX-License-Identifier: GPL-3.0-or-later
// The display pass's delayed style switch on real combo boxes: the pointer is made to rest on a box
// by its under-mouse attribute, and each pass is one the test runs itself.
#include "support/displayrig.h"
#include "support/editorbindings.h"

#include "params/parameterset.h"

#include <QComboBox>
#include <QtTest>

class TestDisplayHover : public QObject
{
    Q_OBJECT

    MainWindow *window = nullptr;
    QString restingSheet;
    QString normalSheet;

    QComboBox *box(const QString &name) const { return window->findChild<QComboBox *>(name); }
    static void rest(QComboBox *b, bool on) { b->setAttribute(Qt::WA_UnderMouse, on); }
    bool pass(int count = 1) { return support::displayPasses(*window, count); }

    // Rests the pointer on one box for 20 passes, takes it away, and rests it again.
    void restTwentyPassesOn(const QString &name)
    {
        QComboBox *b = box(name);
        QVERIFY(b);
        const QString formSheet = b->styleSheet();
        QVERIFY(!formSheet.isEmpty());
        QVERIFY(formSheet != restingSheet);

        rest(b, true);
        for (int i = 1; i <= 19; ++i) {
            QVERIFY(pass());
            QVERIFY2(b->styleSheet() == formSheet, qPrintable(QString("changed on pass %1").arg(i)));
        }
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), restingSheet);

        // The pointer leaves: the normal sheet on the very next pass, and the count starts afresh.
        rest(b, false);
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), normalSheet);
        rest(b, true);
        for (int i = 1; i <= 19; ++i) {
            QVERIFY(pass());
            QVERIFY2(b->styleSheet() == normalSheet, qPrintable(QString("changed on pass %1").arg(i)));
        }
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), restingSheet);
        rest(b, false); // gone before the next box: it then counts for itself alone
    }

private slots:
    void initTestCase()
    {
        // Each with the pending tint and the focus mark after it.
        const QString focus = "QComboBox[pending=\"true\"]{\nbackground-color: rgb(110, 60, 190);\n}\n"
                              "QComboBox:focus{\nborder-color:rgba(255,170,0,255);\n}\n";
        restingSheet = support::resourceSheet(":/comboBox_REV.qss") + focus;
        normalSheet = support::resourceSheet(":/comboBox.qss") + focus;
        QVERIFY(restingSheet.contains("QComboBox:hover"));
        QVERIFY(normalSheet.contains("QComboBox:hover"));
        QVERIFY(restingSheet != normalSheet);
    }

    void init()
    {
        params = ParameterSet{};
        window = support::windowWithoutRefresh();
        QVERIFY(window);
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    // The pass tracks the combo boxes of the binding list: all of the form's but two.
    void everyComboExceptTwoIsTracked()
    {
        const QStringList expected = support::boundComboBoxes();
        QCOMPARE(expected.size(), 39);
        QStringList others;
        for (QComboBox *b : window->findChildren<QComboBox *>())
            if (!expected.contains(b->objectName())) others << b->objectName();
        others.sort();
        QCOMPARE(others, QStringList({"comboBox_PRM02_Master_2", "portNameBox"}));
    }

    // All tracked boxes in one window, one after the other.
    void restingTwentyPassesSwitchesTheSheet()
    {
        for (const QString &name : support::boundComboBoxes()) {
            restTwentyPassesOn(name);
            if (QTest::currentTestFailed()) QFAIL(qPrintable("on " + name));
        }
    }

    void aShortRestIsResumedLater()
    {
        QComboBox *b = box("comboBox_rev1");
        const QString formSheet = b->styleSheet();
        rest(b, true);
        QVERIFY(pass(12));
        rest(b, false);
        QVERIFY(pass(30)); // the count of 12 is kept however long the pointer is away
        QCOMPARE(b->styleSheet(), formSheet);
        rest(b, true);
        for (int i = 1; i <= 7; ++i) {
            QVERIFY(pass());
            QVERIFY2(b->styleSheet() == formSheet, qPrintable(QString("changed on pass %1").arg(i)));
        }
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), restingSheet);
    }

    // 19 is still below the switch: leaving then changes nothing, and one more rest switches at once.
    void leavingOnePassShortKeepsTheFormSheet()
    {
        QComboBox *b = box("comboBox_DR_SW1");
        const QString formSheet = b->styleSheet();
        rest(b, true);
        QVERIFY(pass(19));
        rest(b, false);
        QVERIFY(pass(3));
        QCOMPARE(b->styleSheet(), formSheet);
        rest(b, true);
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), restingSheet);
    }

    void eachBoxCountsForItself()
    {
        QComboBox *first = box("comboBox_PRM03_Master");
        QComboBox *second = box("comboBox_PRM03_Slave");
        const QString firstForm = first->styleSheet();
        const QString secondForm = second->styleSheet();

        rest(first, true);
        QVERIFY(pass(12));
        rest(first, false);
        rest(second, true);
        QVERIFY(pass(19));
        QCOMPARE(second->styleSheet(), secondForm); // the first box's 12 do not count here
        QVERIFY(pass());
        QCOMPARE(second->styleSheet(), restingSheet);
        QCOMPARE(first->styleSheet(), firstForm);

        rest(second, false);
        rest(first, true);
        QVERIFY(pass(7));
        QCOMPARE(first->styleSheet(), firstForm);
        QCOMPARE(second->styleSheet(), normalSheet);
        QVERIFY(pass());
        QCOMPARE(first->styleSheet(), restingSheet);
    }

    void restingSheetIsReappliedWhileThePointerStays()
    {
        QComboBox *b = box("comboBox_THCURE_MIX");
        rest(b, true);
        QVERIFY(pass(20));
        QCOMPARE(b->styleSheet(), restingSheet);
        b->setStyleSheet("QComboBox { color: red; }");
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), restingSheet);
    }

    void normalSheetIsAppliedOnceOnLeaving()
    {
        QComboBox *b = box("comboBox_AUX7");
        rest(b, true);
        QVERIFY(pass(20));
        rest(b, false);
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), normalSheet);
        const QString mine = "QComboBox { color: red; }";
        b->setStyleSheet(mine);
        QVERIFY(pass(25));
        QCOMPARE(b->styleSheet(), mine);
    }

    void untrackedBoxesNeverChangeSheet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("portNameBox") << "portNameBox";
        QTest::newRow("comboBox_PRM02_Master_2") << "comboBox_PRM02_Master_2";
    }
    void untrackedBoxesNeverChangeSheet()
    {
        QFETCH(QString, name);
        QComboBox *b = box(name);
        QVERIFY(b);
        const QString formSheet = b->styleSheet();
        rest(b, true);
        QVERIFY(pass(45));
        QCOMPARE(b->styleSheet(), formSheet);
        rest(b, false);
        QVERIFY(pass());
        QCOMPARE(b->styleSheet(), formSheet);
    }

    void restingOnOneBoxLeavesTheOthersAlone()
    {
        QMap<QString, QString> before;
        for (QComboBox *b : window->findChildren<QComboBox *>()) before[b->objectName()] = b->styleSheet();
        rest(box("comboBox_DR_POSI"), true);
        QVERIFY(pass(25));
        for (QComboBox *b : window->findChildren<QComboBox *>()) {
            if (b->objectName() == "comboBox_DR_POSI") continue;
            QVERIFY2(b->styleSheet() == before[b->objectName()], qPrintable(b->objectName()));
        }
    }
};

QTEST_MAIN(TestDisplayHover)
#include "tst_display_hover.moc"
