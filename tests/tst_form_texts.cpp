// SPDX-License-Identifier: GPL-3.0-or-later
// Every line edit, button and bar of the form: texts, read-only flags, style sheets and ranges,
// checked against the layout as written down here (not against the form's own tables).
#include "ui_mainwindow.h"

#include "support/formfixture.h"
#include <QRegularExpression>

#include <QtTest>

using support::names;
using support::squeezed;

namespace {

QString lineEditSheet(const QString &background, int px, const QString &color)
{
    return QStringLiteral(
               "QLineEdit{background-color: %1; border-style:outset; border-width:4px;"
               " border-radius:4px; border-color:rgba(0,0,0,0); font:bold %2px; color:%3; padding:0px;}")
        .arg(background)
        .arg(px)
        .arg(color);
}

} // namespace

class TestFormTexts : public QObject, private support::BuiltForm
{
    Q_OBJECT

private slots:
    void initTestCase() { ui.setupUi(&window); }
    void lineEdits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readOnly");
        auto row = [](const QString &name, const QString &text, bool readOnly) {
            QTest::newRow(qPrintable(name)) << name << text << readOnly;
        };
        auto captions = [&](const QStringList &names, const QStringList &texts) {
            for (int i = 0; i < names.size(); ++i) row(names[i], texts[i], true);
        };
        captions({"lineEdit_26", "lineEdit_27", "lineEdit_30", "lineEdit_37"},
                 {"TX:", "EXT:", "RSSI:", "RX:"});
        row("lineEdit_TX", " 0.0V", false);
        row("lineEdit_EXT", " 0.0V", false);
        row("lineEdit_RSSI", "null", false);
        row("lineEdit_RX", " 0.0V", false);
        const QStringList servoValues = {"lineEdit",   "lineEdit_2", "lineEdit_3", "lineEdit_4",
                                         "lineEdit_5", "lineEdit_6", "lineEdit_7", "lineEdit_8"};
        for (const QString &name : servoValues) row(name, "0", false);
        captions({"lineEdit_9", "lineEdit_19", "lineEdit_20", "lineEdit_21", "lineEdit_22", "lineEdit_23",
                  "lineEdit_24", "lineEdit_25"},
                 names("CH%1", 1, 8));
        captions({"lineEdit_28", "lineEdit_29", "lineEdit_31", "lineEdit_32", "lineEdit_33", "lineEdit_34",
                  "lineEdit_35"},
                 names("CH%1:", 1, 7));
        row("lineEdit_36", "CH8:", false);
        captions(names("lineEdit_%1", 53, 57), {"MIX:", "CH:", "SW:", "UP:", "DOWN:"});
        captions(names("lineEdit_%1", 45, 51), QStringList{"CH:"} + names("ATTI%1:", 1, 6));
        captions(names("lineEdit_%1", 73, 77), {" MIX:", "AILE1:", "AILE2:", "ELEV2:", "ELEV1:"});
        captions({"lineEdit_78", "lineEdit_95", "lineEdit_96", "lineEdit_97", "lineEdit_98"},
                 {"MIX:", "ELEV1:", "ELEV2:", "RUDD2:", "RUDD1:"});
        captions(
            {"lineEdit_146", "lineEdit_142", "lineEdit_141", "lineEdit_143", "lineEdit_144", "lineEdit_145"},
            {"MIX:", " CH:", "SW:", " POSI:", "RATE:", "EXP:"});
        captions({"lineEdit_130", "lineEdit_126", "lineEdit_125", "lineEdit_127", "lineEdit_128",
                  "lineEdit_129", "lineEdit_131", "lineEdit_132"},
                 QStringList{"MIX:"} + names("POINT%1:", 1, 7));
        const QStringList mixRows = {"MIX:", "MAS:", "SLA:", "OFFSET:", "UP:", "DOWN:"};
        captions({"lineEdit_80", "lineEdit_83", "lineEdit_79", "lineEdit_84", "lineEdit_85", "lineEdit_86"},
                 mixRows);
        captions({"lineEdit_94", "lineEdit_90", "lineEdit_89", "lineEdit_91", "lineEdit_92", "lineEdit_93"},
                 mixRows);
        captions(
            {"lineEdit_106", "lineEdit_102", "lineEdit_101", "lineEdit_103", "lineEdit_104", "lineEdit_105"},
            mixRows);
        captions(
            {"lineEdit_112", "lineEdit_108", "lineEdit_107", "lineEdit_109", "lineEdit_110", "lineEdit_111"},
            mixRows);
        captions({"lineEdit_68", "lineEdit_81", "lineEdit_71", "lineEdit_72"},
                 {"TX-Alarm:", "RX-Alarm:", "EXT-Alarm:", "Rssi-Alarm:"});
        captions({"lineEdit_64", "lineEdit_65", "lineEdit_69"}, {"STK-MODE:", "TX Version:", "PC Version:"});
        captions({"lineEdit_70", "lineEdit_88", "lineEdit_82", "lineEdit_87"}, names("TRIM-%1:", 1, 4));
        for (const QString &name : names("lineEdit_Trim_%1", 1, 4)) row(name, "0", false);
    }
    void lineEdits()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, readOnly);
        QLineEdit *edit = widget<QLineEdit>(name);
        QVERIFY(edit);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->isReadOnly(), readOnly);
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
    }

    void everyLineEditIsListed()
    {
        int named = 0;
        for (QLineEdit *edit : window.findChildren<QLineEdit *>())
            if (edit->objectName().startsWith("lineEdit")) ++named;
        QCOMPARE(named, 107); // the spin boxes' inner editors are not the form's
    }

    void lineEditSheets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sheet");
        const QString grey = "rgb(70, 70, 70)", white = "rgba(255,255,255,255)",
                      yellow = "rgba(255,255,0,255)";
        QTest::newRow("top caption") << "lineEdit_30" << lineEditSheet(grey, 14, white);
        QTest::newRow("top read-out") << "lineEdit_RSSI" << lineEditSheet(grey, 14, yellow);
        QTest::newRow("servo value") << "lineEdit_5" << lineEditSheet("rgb(85, 170, 255)", 26, white);
        QTest::newRow("servo caption") << "lineEdit_25" << lineEditSheet("rgb(0, 0, 0)", 26, yellow);
        QTest::newRow("trim read-out") << "lineEdit_Trim_3" << lineEditSheet(grey, 20, yellow);
        for (const char *name : {"lineEdit_36", "lineEdit_46", "lineEdit_51"})
            QTest::newRow(name) << name << lineEditSheet(grey, 22, white);
        for (const char *name :
             {"lineEdit_84", "lineEdit_86", "lineEdit_91", "lineEdit_93", "lineEdit_103", "lineEdit_109"})
            QTest::newRow(name) << name << lineEditSheet(grey, 16, white);
        for (const char *name : {"lineEdit_28", "lineEdit_47", "lineEdit_105", "lineEdit_111", "lineEdit_87",
                                 "lineEdit_142", "lineEdit_132", "lineEdit_68"})
            QTest::newRow(name) << name << lineEditSheet(grey, 20, white);
    }
    void lineEditSheets()
    {
        QFETCH(QString, name);
        QFETCH(QString, sheet);
        QLineEdit *edit = widget<QLineEdit>(name);
        QVERIFY(edit);
        QCOMPARE(squeezed(edit->styleSheet()), squeezed(sheet));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sheet");
        const QString tool =
            "QToolButton{background-color:rgba(70,70,70,70); border-style:outset; "
            "border-width:4px; border-radius:10px; border-color:rgba(0,0,0,0); font:bold %1px; "
            "color:rgba(255,255,255,255); padding:0px;}";
        const QString push =
            "QPushButton{background-color:rgba(100,100,100,100); border-style:outset; "
            "border-width:4px; border-radius:10px; border-color:rgba(0,0,0,0); font:bold %1px; "
            "color:rgba(255,255,255,255); padding:0px;}";
        const QString pressed =
            "%1:pressed{background-color:rgba(100,255,100,200); "
            "border-color:rgba(255,255,255,30); border-style:inset; color:rgba(0,0,0,100);}";
        const QString hover =
            "%1:hover{background-color:rgba(100,255,100,100); border-color:rgba(255,255,255,255);"
            " color:rgba(255,255,255,255);}";
        const QString focus = "%1:focus{border-color:rgba(255,170,0,255);}";
        const QString toolSheet =
            tool.arg(20) + pressed.arg("QToolButton") + hover.arg("QToolButton") + focus.arg("QToolButton");
        QTest::newRow("READ") << "toolButton_Read"
                              << "READ" << toolSheet;
        QTest::newRow("LOAD") << "toolButton_Load"
                              << "LOAD" << toolSheet;
        QTest::newRow("WRITE") << "toolButton_Send"
                               << "WRITE" << toolSheet;
        QTest::newRow("SAVE") << "toolButton_Save"
                              << "SAVE" << toolSheet;
        QTest::newRow("RESET") << "toolButton_Reset"
                               << "RESET"
                               << tool.arg(20) +
                                      "QToolButton:pressed{background-color:rgba(255,255,0,255); "
                                      "border-color:rgba(255,255,255,30); border-style:inset; "
                                      "color:rgba(255,0,0,100);}" +
                                      hover.arg("QToolButton") + focus.arg("QToolButton");
        QTest::newRow("OPEN") << "openButton"
                              << "OPEN"
                              << push.arg(22) + pressed.arg("QPushButton") + hover.arg("QPushButton") +
                                     focus.arg("QPushButton");
        QTest::newRow("DATA RESET") << "pushButton_Reset2"
                                    << "DATA RESET"
                                    << push.arg(16) + pressed.arg("QPushButton") + hover.arg("QPushButton") +
                                           focus.arg("QPushButton");
        QTest::newRow("lamp") << "toolButton_led"
                              << ""
                              << "QToolButton{background-color:rgba(70,70,70,70); border-style:outset; "
                                 "border-width:0px; border-radius:0px; border-color:rgba(0,0,0,0); "
                                 "font:bold 16px; color:rgba(255,255,255,255); padding:0px;}";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, sheet);
        QAbstractButton *button = widget<QAbstractButton>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(squeezed(button->styleSheet()), squeezed(sheet));
        if (auto *tool = qobject_cast<QToolButton *>(button)) {
            const bool lamp = name == "toolButton_led";
            QCOMPARE(tool->iconSize(), lamp ? QSize(40, 40) : QSize(60, 60));
            QCOMPARE(tool->toolButtonStyle(), lamp ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        }
    }

    void progressBars_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("groove");
        QTest::addColumn<QString>("chunk");
        const QString white = "rgba(255,255,255,255)", blue = "rgba(0,0,255,255)";
        for (int n = 1; n <= 8; ++n) {
            const QString upper = QString("progressBar_%1").arg(10 * n),
                          lower = QString("progressBar_%1").arg(10 * n + 1);
            QTest::newRow(qPrintable(upper)) << upper << 1010 << 10 << white << blue;
            QTest::newRow(qPrintable(lower)) << lower << 1000 << 1000 << blue << white;
        }
    }
    void progressBars()
    {
        QFETCH(QString, name);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(QString, groove);
        QFETCH(QString, chunk);
        QProgressBar *bar = widget<QProgressBar>(name);
        QVERIFY(bar);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QVERIFY(!bar->isTextVisible());
        QVERIFY(!bar->invertedAppearance());
        QCOMPARE(bar->textDirection(), QProgressBar::BottomToTop);
        QCOMPARE(
            squeezed(bar->styleSheet()),
            squeezed(
                QString("QProgressBar:vertical{border-radius:0px; background-color:%1; color: transparent;"
                        " text-align:center;}"
                        "QProgressBar::chunk:vertical{background-color:%2; margin:0px; height:1px;}")
                    .arg(groove, chunk)));
    }
};

QTEST_MAIN(TestFormTexts)
#include "tst_form_texts.moc"
