// SPDX-License-Identifier: GPL-3.0-or-later
// Every spin box and combo box of the form: class, range, step, value, items, font size and style
// sheet, checked against the layout as written down here (not against the form's own tables).
#include "stylesheets.h"
#include "ui_mainwindow.h"

#include "support/formfixture.h"
#include <QRegularExpression>

#include <QtTest>

using support::names;
using support::squeezed;

namespace {

QString editorSheet(const QString &cls, int px)
{
    return QStringLiteral(
               "%1{background-color: rgb(85, 170, 255); border-style:outset; border-width:4px;"
               " border-radius:4px; border-color:rgba(0,0,0,0); font:bold %2px;"
               " color:rgba(255,255,255,255); padding:0px;}"
               "%1:hover{background-color:rgba(100,255,100,100); border-color:rgba(255,255,255,255);"
               " color:rgba(255,255,255,255);}"
               "%1[pending=\"true\"]{background-color: rgb(110, 60, 190);}"
               "%1:focus{border-color:rgba(255,170,0,255);}")
        .arg(cls)
        .arg(px);
}

const QSet<QString> kLargeEditors = {
    "spinBox_Atti1",
    "spinBox_Atti2",
    "spinBox_Atti3",
    "spinBox_Atti4",
    "spinBox_Atti5",
    "spinBox_Atti6",
    "spinBox_Elev01",
    "spinBox_Elev02",
    "spinBox_Elev03",
    "spinBox_Elev04",
    "spinBox_Elev05",
    "spinBox_Elev06",
    "spinBox_PRM02_Data1",
    "spinBox_PRM02_Data2",
    "spinBox_PRM02_Data3",
    "spinBox_Lepa2",
    "spinBox_Lepa8",
    "spinBox_Repa8",
    "spinBox_sub8",
    "spinBox_delay8",
    "spinBox_FS8",
    "spinBox_Mode",
    "spinBox_Vertion",
    "spinBox_Rssi",
    "comboBox_rev8",
    "comboBox_AUX8",
    "comboBox_AttiM",
    "comboBox_EleMix",
    "comboBox_PRM02_Master",
    "comboBox_PRM02_Slave",
    "comboBox_PRM02_Master_2",
    "doubleSpinBox_Volt",
    "doubleSpinBox_rxVolt",
    "doubleSpinBox_extVolt",
};

} // namespace

class TestFormEditors : public QObject, private support::BuiltForm
{
    Q_OBJECT

private slots:
    void initTestCase() { ui.setupUi(&window); }
    void editors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        auto spin = [](const QString &name, int min, int max, int value) {
            QTest::newRow(qPrintable(name))
                << name << "QSpinBox" << double(min) << double(max) << 1.0 << 0 << double(value);
        };
        for (int n = 1; n <= 8; ++n) {
            spin(QString("spinBox_sub%1").arg(n), -100, 100, 0);
            spin(QString("spinBox_Lepa%1").arg(n), 0, 120, 96);
            spin(QString("spinBox_Repa%1").arg(n), 0, 120, 96);
            spin(QString("spinBox_FS%1").arg(n), 0, 100, n == 3 ? 0 : 50);
            spin(QString("spinBox_delay%1").arg(n), 0, 100, 100);
        }
        spin("spinBox_DR_UP1", 0, 100, 100);
        spin("spinBox_DR_DOWN1", 0, 100, 100);
        const int atti[] = {14, 29, 44, 56, 69, 88};
        for (int n = 1; n <= 6; ++n) spin(QString("spinBox_Atti%1").arg(n), 0, 100, atti[n - 1]);
        const int elev[] = {100, 100, 100, -100, 100, 100};
        for (int n = 1; n <= 6; ++n) spin(QString("spinBox_Elev0%1").arg(n), -100, 100, elev[n - 1]);
        const int ru[] = {50, -50, 50, 50};
        for (int n = 1; n <= 4; ++n) spin(QString("spinBox_Ru%1").arg(n), -100, 100, ru[n - 1]);
        spin("spinBox_DR_RATE", 0, 100, 100);
        spin("spinBox_DR_EXP", -100, 100, 100);
        const int curve[] = {0, 16, 33, 50, 67, 84, 100};
        for (int n = 1; n <= 7; ++n) spin(QString("spinBox_THCURE_Data0%1").arg(n), 0, 100, curve[n - 1]);
        for (int m = 1; m <= 4; ++m) {
            const int low = m <= 2 ? -100 : 0; // mixes 3 and 4 take only positive UP and DOWN rates
            spin(QString("spinBox_PRM0%1_Data1").arg(m), -100, 100, 100);
            spin(QString("spinBox_PRM0%1_Data2").arg(m), low, 100, 100);
            spin(QString("spinBox_PRM0%1_Data3").arg(m), low, 100, 100);
        }
        spin("spinBox_Rssi", -100, 0, -100);
        spin("spinBox_Mode", 1, 4, 2);
        spin("spinBox_Vertion", 0, 1000, 0);
        for (const char *name : {"doubleSpinBox_Volt", "doubleSpinBox_rxVolt", "doubleSpinBox_extVolt"})
            QTest::newRow(name) << QString(name) << "QDoubleSpinBox" << 0.0 << 99.9 << 0.1 << 1 << 11.0;
    }
    void editors()
    {
        QFETCH(QString, name);
        QFETCH(QString, cls);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, step);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QAbstractSpinBox *box = widget<QAbstractSpinBox>(name);
        QVERIFY(box);
        QCOMPARE(QString(box->metaObject()->className()), cls);
        if (auto *spin = qobject_cast<QSpinBox *>(box)) {
            QCOMPARE(spin->minimum(), int(minimum));
            QCOMPARE(spin->maximum(), int(maximum));
            QCOMPARE(spin->singleStep(), int(step));
            QCOMPARE(spin->value(), int(value));
            QVERIFY(spin->prefix().isEmpty() && spin->suffix().isEmpty());
            spin->setValue(int(maximum) + 50); // the range bounds what a user can enter
            QCOMPARE(spin->value(), int(maximum));
            spin->setValue(int(minimum) - 50);
            QCOMPARE(spin->value(), int(minimum));
            spin->setValue(int(value));
        } else {
            auto *dspin = qobject_cast<QDoubleSpinBox *>(box);
            QCOMPARE(dspin->minimum(), minimum);
            QCOMPARE(dspin->maximum(), maximum);
            QCOMPARE(dspin->singleStep(), step);
            QCOMPARE(dspin->decimals(), decimals);
            QCOMPARE(dspin->value(), value);
            QCOMPARE(dspin->text(), QString("11.0"));
            dspin->setValue(120.0);
            QCOMPARE(dspin->value(), 99.9);
            dspin->setValue(value);
        }
        const int px = kLargeEditors.contains(name) ? 22 : 20;
        QCOMPARE(squeezed(box->styleSheet()), squeezed(editorSheet(cls, px)));
    }

    void everySpinBoxIsListed()
    {
        QStringList found;
        for (QAbstractSpinBox *box : window.findChildren<QAbstractSpinBox *>()) found << box->objectName();
        // together with the rows above (all present, all distinct) this pins the complete set
        QCOMPARE(found.size(), 85);
    }

    void comboBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("current");
        const QStringList direction = {"NOR", "REV"};
        const QStringList aux = {"SwA", "SwB", "VrA", "VrB/SwC", "NULL", "Lock-C"};
        const QStringList onOff = {"OFF", "ON"};
        const QStringList drChannel = {"CH1", "CH2", "CH3", "CH4"};
        const QStringList channel = {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
        auto row = [](const QString &name, const QStringList &items, int current) {
            QTest::newRow(qPrintable(name)) << name << items << current;
        };
        for (int n = 1; n <= 8; ++n) row(QString("comboBox_rev%1").arg(n), direction, n == 3 ? 1 : 0);
        for (int n = 1; n <= 4; ++n) row(QString("comboBox_AUX%1").arg(n), {"NC"}, 0);
        row("comboBox_AUX5", aux, 1);
        row("comboBox_AUX6", aux, 3);
        row("comboBox_AUX7", aux, 0);
        row("comboBox_AUX8", aux, 2);
        for (const char *name : {"comboBox_DR_MIX1", "comboBox_DR_MIX2", "comboBox_EleMix", "comboBox_RuMix",
                                 "comboBox_THCURE_MIX"})
            row(name, onOff, 0);
        row("comboBox_DR_CH1", drChannel, 0);
        row("comboBox_DR_CH2", drChannel, 0);
        row("comboBox_DR_SW1", {"SWA"}, 0);
        row("comboBox_DR_SW2", {"SWA"}, 0);
        row("comboBox_DR_POSI", {"UP", "DOWN"}, 0);
        row("comboBox_AttiM", {"CH5", "CH6", "CH7", "CH8", "OFF"}, 0);
        const int masters[] = {0, 1, 0, 1};
        const int slaves[] = {3, 5, 3, 5};
        for (int m = 1; m <= 4; ++m) {
            row(QString("comboBox_PRM0%1_Mix").arg(m), {"INH", "OFF", "ON"}, 0);
            row(QString("comboBox_PRM0%1_Master").arg(m), channel, masters[m - 1]);
            row(QString("comboBox_PRM0%1_Slave").arg(m), channel, slaves[m - 1]);
        }
        row("comboBox_PRM02_Master_2", {"V5.0"}, 0);
        row("portNameBox", {}, -1);
    }
    void comboBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        QFETCH(int, current);
        QComboBox *box = widget<QComboBox>(name);
        QVERIFY(box);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(box->currentIndex(), current);
        QVERIFY(!box->isEditable());
        if (name == "portNameBox") {
            QCOMPARE(squeezed(box->styleSheet()),
                     squeezed("QComboBox{background-color: rgb(255, 255, 255); font: 75 16pt \"Arial\";}"
                              "QComboBox QAbstractItemView{background-color: rgb(255, 255, 255);"
                              " font: 75 16pt \"Arial\"; color: rgb(0, 0, 0);"
                              " selection-background-color: rgb(85, 170, 255);"
                              " selection-color: rgb(255, 255, 255);}"
                              "QComboBox:focus{border: 3px solid rgba(255,170,0,255);}"));
        } else {
            const int px = kLargeEditors.contains(name) ? 22 : 20;
            QCOMPARE(squeezed(box->styleSheet()), squeezed(editorSheet("QComboBox", px)));
        }
    }

    void everyComboBoxIsListed() { QCOMPARE(window.findChildren<QComboBox *>().size(), 41); }

    void singleItemListsCannotMove()
    {
        // the keys a user would press to step through a list
        for (QComboBox *box : {ui.comboBox_AUX1, ui.comboBox_DR_SW1, ui.comboBox_PRM02_Master_2}) {
            const QString only = box->currentText();
            QVERIFY(!only.isEmpty());
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Up}) {
                QTest::keyClick(box, key);
                QCOMPARE(box->currentIndex(), 0);
                QCOMPARE(box->currentText(), only);
            }
        }
        ui.comboBox_AUX7->setCurrentIndex(5);
        QCOMPARE(ui.comboBox_AUX7->currentText(), QString("Lock-C"));
        ui.comboBox_AUX7->setCurrentIndex(0);
    }

    void reversePalette()
    {
        // The box's sheet paints over this palette and Qt then reports the sheet's colours, so the
        // palette is checked where it is made.
        const QPalette palette = form::reverseBoxPalette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                QCOMPARE(palette.brush(group, role), QBrush(QColor(255, 255, 255)));
            for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
                QCOMPARE(palette.brush(group, role), QBrush(QColor(85, 170, 255)));
            QCOMPARE(palette.brush(group, QPalette::PlaceholderText).color(), QColor(255, 255, 255, 128));
            QCOMPARE(palette.brush(group, QPalette::PlaceholderText).style(), Qt::NoBrush);
        }
        QCOMPARE(ui.comboBox_rev1->palette().color(QPalette::Disabled, QPalette::Base), QColor(85, 170, 255));
    }

    // Every line edit: its text, whether it takes typing, and that it is centred.
};

QTEST_MAIN(TestFormEditors)
#include "tst_form_editors.moc"
