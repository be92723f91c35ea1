// SPDX-License-Identifier: GPL-3.0-or-later
// The form's structure: window, tabs, pages, fixed positions, columns and group boxes, checked
// against the layout as written down here (not against the form's own tables).
#include "ui_mainwindow.h"

#include "support/formfixture.h"
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

#include <QtTest>

using support::names;
using support::squeezed;

namespace {

} // namespace

class TestForm : public QObject, private support::BuiltForm
{
    Q_OBJECT

private slots:
    void initTestCase() { ui.setupUi(&window); }

    void windowFrame()
    {
        QCOMPARE(window.objectName(), QString("MainWindow"));
        QCOMPARE(window.size(), QSize(1100, 680));
        QCOMPARE(window.minimumSize(), QSize(0, 0));
        QCOMPARE(window.maximumSize(), QSize(11100, 8000));
        QCOMPARE(window.windowTitle(), QString("VASK&TIRN-V5.0"));
        QVERIFY(!window.findChild<QMenuBar *>());
        QVERIFY(!window.findChild<QStatusBar *>());
        QCOMPARE(window.centralWidget(), ui.centralwidget);
        QCOMPARE(ui.centralwidget->objectName(), QString("centralwidget"));
        QCOMPARE(ui.centralwidget->styleSheet(), QString("background-color: rgb(40, 40, 40);"));
        QWidgetList children;
        for (QObject *child : ui.centralwidget->children())
            if (child->isWidgetType()) children << static_cast<QWidget *>(child);
        QCOMPARE(children, (QWidgetList{ui.frame, ui.tabWidget}));
    }

    void tabWidgetProperties()
    {
        QTabWidget *tabs = ui.tabWidget;
        QCOMPARE(tabs->geometry(), QRect(10, 110, 1080, 560));
        QCOMPARE(tabs->font().family(), QString("Arial"));
        QCOMPARE(tabs->font().pointSize(), 11);
        QVERIFY(tabs->font().bold());
        QVERIFY(tabs->hasMouseTracking());
        QVERIFY(tabs->hasTabletTracking());
        QCOMPARE(tabs->focusPolicy(), Qt::TabFocus); // handed on to the tab bar
        QCOMPARE(tabs->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!tabs->acceptDrops());
        QVERIFY(!tabs->autoFillBackground());
        QCOMPARE(tabs->tabPosition(), QTabWidget::North);
        QCOMPARE(tabs->tabShape(), QTabWidget::Rounded);
        QCOMPARE(tabs->iconSize(), QSize(100, 100));
        QCOMPARE(tabs->elideMode(), Qt::ElideRight);
        QVERIFY(tabs->documentMode());
        QVERIFY(!tabs->tabsClosable());
        QVERIFY(tabs->isMovable());
        QVERIFY(!tabs->tabBarAutoHide());

        const QWidgetList pages = {ui.tab, ui.tab_2, ui.tab_3, ui.tab_4, ui.tab_7, ui.tab_6};
        const QStringList pageNames = {"tab", "tab_2", "tab_3", "tab_4", "tab_7", "tab_6"};
        const QStringList captions = {"SERVO", "BASIC", "ADVANCE1", "ADVANCE2", "PROG.MIX", "SYSTEM"};
        QCOMPARE(tabs->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(tabs->widget(i), pages[i]);
            QCOMPARE(pages[i]->objectName(), pageNames[i]);
            QCOMPARE(tabs->tabText(i), captions[i]);
        }
        QCOMPARE(
            squeezed(tabs->styleSheet()),
            squeezed("QTabWidget::pane{border:10px;} QTabWidget::tab-bar{alignment:left;}"
                     "QTabBar::tab{border: none; border-top-left-radius: 10px; border-top-right-radius: 10px;"
                     " color: white; background: rgb(80,80,80); height: 50px; min-width: 140px;}"
                     "QTabBar::tab:hover{background:rgba(0, 0, 0, 0);}"
                     "QTabBar::tab:selected{border-color: white; background:red;"
                     " color:rgba(0, 255, 255, 255);}"
                     "QTabBar::tab:selected:focus{border: 3px solid rgba(255,170,0,255);}"));
    }

    void pagesAndFrames_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("pageSheet");
        QTest::addColumn<QString>("frameSheet");
        const QString red =
            "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgba(255, "
            "0, 0, 255), stop:1 rgba(255, 255, 255, 255));";
        const QString rose =
            "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0.006, y2:1, stop:0 "
            "rgba(255, 19, 19, 255), stop:1 rgba(255, 255, 255, 255));";
        const QString grey = "background-color: rgb(50, 50, 50);";
        QTest::newRow("SERVO") << "tab"
                               << "frame_3" << QRect(10, 10, 1060, 490) << red
                               << "background-color: rgb(50,50, 50);";
        QTest::newRow("BASIC") << "tab_2"
                               << "frame_2" << QRect(10, 10, 1060, 490) << rose << grey;
        QTest::newRow("ADVANCE1") << "tab_3"
                                  << "frame_4" << QRect(10, 5, 1060, 490) << red << grey;
        QTest::newRow("ADVANCE2") << "tab_4"
                                  << "frame_5" << QRect(10, 10, 1060, 490) << red << grey;
        QTest::newRow("PROG.MIX") << "tab_7"
                                  << "frame_8" << QRect(10, 10, 1060, 490) << red << grey;
        QTest::newRow("SYSTEM") << "tab_6"
                                << "frame_7" << QRect(10, 10, 1060, 490) << rose << grey;
    }
    void pagesAndFrames()
    {
        QFETCH(QString, page);
        QFETCH(QString, frame);
        QFETCH(QRect, geometry);
        QFETCH(QString, pageSheet);
        QFETCH(QString, frameSheet);
        QWidget *p = widget<QWidget>(page);
        QFrame *f = widget<QFrame>(frame);
        QVERIFY(p && f);
        QCOMPARE(f->parentWidget(), p);
        QCOMPARE(f->geometry(), geometry);
        QCOMPARE(f->frameShape(), QFrame::StyledPanel);
        QCOMPARE(f->frameShadow(), QFrame::Raised);
        QCOMPARE(p->styleSheet(), pageSheet);
        QCOMPARE(f->styleSheet(), frameSheet);
        if (frame == "frame_4")
            QCOMPARE(f->font().pointSize(), 10);
        else
            QCOMPARE(f->font(), p->font()); // no font of their own
    }

    // Fixed positions: the top bar, every group box, the curves, the SYSTEM rows placed directly.
    void placedGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        auto row = [](const char *name, const char *parent, QRect r) {
            QTest::newRow(name) << QString(name) << QString(parent) << r;
        };
        row("frame", "centralwidget", {0, 0, 1200, 110});
        row("toolButton_Read", "frame", {20, 5, 110, 90});
        row("toolButton_Load", "frame", {140, 5, 110, 90});
        row("toolButton_Send", "frame", {260, 5, 110, 90});
        row("toolButton_Save", "frame", {380, 5, 110, 91});
        row("toolButton_Reset", "frame", {500, 5, 110, 90});
        row("openButton", "frame", {630, 5, 100, 90});
        row("portNameBox", "frame", {740, 30, 120, 40});
        row("toolButton_led", "frame", {870, 30, 40, 40});
        row("lineEdit_26", "frame", {920, 4, 85, 25});
        row("lineEdit_27", "frame", {920, 30, 85, 25});
        row("lineEdit_30", "frame", {920, 56, 85, 25});
        row("lineEdit_37", "frame", {920, 82, 85, 25});
        row("lineEdit_TX", "frame", {1010, 4, 85, 25});
        row("lineEdit_EXT", "frame", {1010, 30, 85, 25});
        row("lineEdit_RSSI", "frame", {1010, 56, 85, 25});
        row("lineEdit_RX", "frame", {1010, 82, 85, 25});

        row("groupBox", "frame_2", {10, 10, 110, 470});
        row("groupBox_2", "frame_2", {130, 10, 120, 470});
        row("groupBox_3", "frame_2", {265, 10, 120, 470});
        row("groupBox_4", "frame_2", {405, 10, 215, 470});
        row("groupBox_14", "frame_2", {640, 10, 120, 470});
        row("groupBox_5", "frame_2", {780, 10, 120, 470});
        row("groupBox_6", "frame_2", {915, 9, 140, 471});
        row("groupBox_8", "frame_4", {5, 10, 220, 351});
        row("groupBox_7", "frame_4", {240, 10, 221, 470});
        row("groupBox_10", "frame_4", {470, 10, 330, 350});
        row("groupBox_13", "frame_4", {810, 10, 240, 350});
        row("groupBox_19", "frame_5", {10, 10, 510, 470});
        row("groupBox_18", "frame_5", {530, 10, 521, 470});
        row("groupBox_11", "frame_8", {10, 5, 250, 480});
        row("groupBox_12", "frame_8", {300, 5, 250, 480});
        row("groupBox_15", "frame_8", {570, 5, 250, 481});
        row("groupBox_16", "frame_8", {820, 5, 250, 481});
        row("groupBox_17", "frame_7", {20, 10, 350, 470});
        row("groupBox_23", "frame_7", {380, 10, 350, 470});
        row("groupBox_20", "frame_7", {740, 10, 300, 470});

        row("widget_3", "groupBox_19", {220, 90, 280, 280});
        row("widget_4", "groupBox_18", {210, 80, 300, 300});
        const char *trimCaptions[] = {"lineEdit_70", "lineEdit_88", "lineEdit_82", "lineEdit_87"};
        const char *trimReadouts[] = {"lineEdit_Trim_1", "lineEdit_Trim_2", "lineEdit_Trim_3",
                                      "lineEdit_Trim_4"};
        for (int i = 0; i < 4; ++i) {
            row(trimCaptions[i], "groupBox_23", {10, 230 + 60 * i, 199, 56});
            row(trimReadouts[i], "groupBox_23", {210, 230 + 60 * i, 129, 56});
        }
        row("pushButton_Reset2", "groupBox_20", {10, 130, 281, 61});

        const QStringList values = {"lineEdit",   "lineEdit_2", "lineEdit_3", "lineEdit_4",
                                    "lineEdit_5", "lineEdit_6", "lineEdit_7", "lineEdit_8"};
        const QStringList captions = {"lineEdit_9",  "lineEdit_19", "lineEdit_20", "lineEdit_21",
                                      "lineEdit_22", "lineEdit_23", "lineEdit_24", "lineEdit_25"};
        for (int n = 0; n < 8; ++n) {
            const int x = 135 * n;
            const QByteArray upper = QString("progressBar_%1").arg(10 * (n + 1)).toLatin1();
            const QByteArray lower = QString("progressBar_%1").arg(10 * (n + 1) + 1).toLatin1();
            row(qPrintable(values[n]), "frame_3", {20 + x, 10, 80, 50});
            row(qPrintable(captions[n]), "frame_3", {30 + x, 60, 60, 31});
            row(upper.constData(), "frame_3", {35 + x, 105, 50, 180});
            row(lower.constData(), "frame_3", {35 + x, 285, 50, 180});
        }
    }
    void placedGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QWidget *w = widget<QWidget>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QCOMPARE(w->geometry(), geometry);
    }

    // Each column: its container's place, the layout's spacing and margins, and its members top to bottom.
    void columns_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("spacing"); // -1: the style's default
        QTest::addColumn<QStringList>("members");
        auto row = [](const char *name, const char *group, QRect r, int spacing, const QStringList &members) {
            QTest::newRow(name) << QString(name) << QString(group) << r << spacing << members;
        };
        row("layoutWidget", "groupBox", {10, 30, 91, 431}, 5,
            {"lineEdit_28", "lineEdit_29", "lineEdit_31", "lineEdit_32", "lineEdit_33", "lineEdit_34",
             "lineEdit_35", "lineEdit_36"});
        row("layoutWidget1", "groupBox_2", {15, 30, 91, 431}, 5, names("comboBox_rev%1", 1, 8));
        row("layoutWidget2", "groupBox_3", {15, 30, 91, 431}, 5, names("spinBox_sub%1", 1, 8));
        row("layoutWidget3", "groupBox_4", {15, 30, 91, 431}, 5, names("spinBox_Lepa%1", 1, 8));
        row("layoutWidget4", "groupBox_4", {110, 30, 91, 431}, 5, names("spinBox_Repa%1", 1, 8));
        row("layoutWidget7", "groupBox_14", {15, 30, 91, 431}, 5, names("spinBox_FS%1", 1, 8));
        row("layoutWidget5", "groupBox_5", {15, 30, 91, 431}, 5, names("spinBox_delay%1", 1, 8));
        row("layoutWidget6", "groupBox_6", {15, 30, 121, 431}, 5, names("comboBox_AUX%1", 1, 8));
        row("layoutWidget8", "groupBox_8", {10, 30, 111, 321}, 0,
            {"lineEdit_53", "lineEdit_54", "lineEdit_55", "lineEdit_56", "lineEdit_57"});
        row("layoutWidget9", "groupBox_8", {120, 30, 91, 311}, 0,
            {"comboBox_DR_MIX1", "comboBox_DR_CH1", "comboBox_DR_SW1", "spinBox_DR_UP1", "spinBox_DR_DOWN1"});
        row("layoutWidget11", "groupBox_7", {11, 31, 111, 431}, -1, names("lineEdit_%1", 45, 51));
        row("layoutWidget10", "groupBox_7", {120, 30, 91, 431}, -1,
            QStringList{"comboBox_AttiM"} + names("spinBox_Atti%1", 1, 6));
        row("layoutWidget12", "groupBox_10", {10, 26, 131, 321}, 0, names("lineEdit_%1", 73, 77));
        row("layoutWidget13", "groupBox_10", {140, 25, 101, 321}, 0,
            QStringList{"comboBox_EleMix"} + names("spinBox_Elev0%1", 1, 4));
        row("layoutWidget14", "groupBox_10", {240, 90, 91, 131}, 0, {"spinBox_Elev05", "spinBox_Elev06"});
        row("layoutWidget15", "groupBox_13", {10, 30, 121, 321}, 0,
            {"lineEdit_78", "lineEdit_95", "lineEdit_96", "lineEdit_97", "lineEdit_98"});
        row("layoutWidget16", "groupBox_13", {130, 30, 101, 321}, 0,
            QStringList{"comboBox_RuMix"} + names("spinBox_Ru%1", 1, 4));
        row("layoutWidget17", "groupBox_19", {10, 30, 101, 441}, -1,
            {"lineEdit_146", "lineEdit_142", "lineEdit_141", "lineEdit_143", "lineEdit_144", "lineEdit_145"});
        row("layoutWidget18", "groupBox_19", {110, 30, 101, 441}, -1,
            {"comboBox_DR_MIX2", "comboBox_DR_CH2", "comboBox_DR_SW2", "comboBox_DR_POSI", "spinBox_DR_RATE",
             "spinBox_DR_EXP"});
        row("layoutWidget_12", "groupBox_18", {10, 29, 101, 441}, -1,
            {"lineEdit_130", "lineEdit_126", "lineEdit_125", "lineEdit_127", "lineEdit_128", "lineEdit_129",
             "lineEdit_131", "lineEdit_132"});
        row("layoutWidget_13", "groupBox_18", {110, 30, 91, 441}, -1,
            QStringList{"comboBox_THCURE_MIX"} + names("spinBox_THCURE_Data0%1", 1, 7));
        const char *mixGroups[] = {"groupBox_11", "groupBox_12", "groupBox_15", "groupBox_16"};
        const char *captionColumns[] = {"layoutWidget_10", "layoutWidget_14", "layoutWidget_8",
                                        "layoutWidget_6"};
        const char *editorColumns[] = {"layoutWidget_11", "layoutWidget_15", "layoutWidget_9",
                                       "layoutWidget_7"};
        const int captionWidths[] = {111, 121, 111, 101};
        const int editorX[] = {120, 130, 120, 110};
        const int spacings[] = {0, 0, -1, -1};
        const QStringList captions[] = {
            {"lineEdit_80", "lineEdit_83", "lineEdit_79", "lineEdit_84", "lineEdit_85", "lineEdit_86"},
            {"lineEdit_94", "lineEdit_90", "lineEdit_89", "lineEdit_91", "lineEdit_92", "lineEdit_93"},
            {"lineEdit_106", "lineEdit_102", "lineEdit_101", "lineEdit_103", "lineEdit_104", "lineEdit_105"},
            {"lineEdit_112", "lineEdit_108", "lineEdit_107", "lineEdit_109", "lineEdit_110", "lineEdit_111"},
        };
        for (int m = 0; m < 4; ++m) {
            const QString nn = QString("PRM0%1_").arg(m + 1);
            row(captionColumns[m], mixGroups[m], {10, 30, captionWidths[m], 441}, spacings[m], captions[m]);
            row(editorColumns[m], mixGroups[m], {editorX[m], 30, 101, 441}, spacings[m],
                {"comboBox_" + nn + "Mix", "comboBox_" + nn + "Master", "comboBox_" + nn + "Slave",
                 "spinBox_" + nn + "Data1", "spinBox_" + nn + "Data2", "spinBox_" + nn + "Data3"});
        }
        row("layoutWidget_2", "groupBox_17", {10, 30, 201, 251}, -1,
            {"lineEdit_68", "lineEdit_81", "lineEdit_71", "lineEdit_72"});
        row("layoutWidget_3", "groupBox_17", {210, 30, 131, 251}, -1,
            {"doubleSpinBox_Volt", "doubleSpinBox_rxVolt", "doubleSpinBox_extVolt", "spinBox_Rssi"});
        row("layoutWidget_16", "groupBox_23", {10, 30, 201, 191}, -1,
            {"lineEdit_64", "lineEdit_65", "lineEdit_69"});
        row("layoutWidget_5", "groupBox_23", {210, 30, 131, 191}, -1,
            {"spinBox_Mode", "spinBox_Vertion", "comboBox_PRM02_Master_2"});
    }
    void columns()
    {
        QFETCH(QString, container);
        QFETCH(QString, group);
        QFETCH(QRect, geometry);
        QFETCH(int, spacing);
        QFETCH(QStringList, members);
        QWidget *column = widget<QWidget>(container);
        QVERIFY(column);
        QCOMPARE(column->parentWidget()->objectName(), group);
        QCOMPARE(column->geometry(), geometry);
        QVERIFY(column->styleSheet().isEmpty());
        auto *layout = qobject_cast<QVBoxLayout *>(column->layout());
        QVERIFY(layout);
        QVERIFY(layout->objectName().startsWith("verticalLayout"));
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
        if (spacing >= 0)
            QCOMPARE(layout->spacing(), spacing);
        else
            QCOMPARE(layout->spacing(),
                     column->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, column));
        QStringList stacked;
        for (int i = 0; i < layout->count(); ++i) {
            QWidget *member = layout->itemAt(i)->widget();
            QCOMPARE(member->parentWidget(), column);
            stacked << member->objectName();
        }
        QCOMPARE(stacked, members);
    }

    void everyLayoutIsNamedOnce()
    {
        QSet<QString> seen;
        for (QVBoxLayout *layout : window.findChildren<QVBoxLayout *>()) {
            QVERIFY2(!seen.contains(layout->objectName()), qPrintable(layout->objectName()));
            seen << layout->objectName();
        }
        QCOMPARE(seen.size(), 33);
        QCOMPARE(ui.verticalLayout->parentWidget(), ui.layoutWidget);
        QCOMPARE(ui.verticalLayout_33->parentWidget(), ui.layoutWidget_5);
    }

    void sizePolicies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("horizontal");
        using P = QSizePolicy;
        QTest::newRow("BASIC caption") << "lineEdit_28" << int(P::Expanding);
        QTest::newRow("BASIC combo") << "comboBox_rev4" << int(P::Preferred);
        QTest::newRow("BASIC aux combo") << "comboBox_AUX7" << int(P::Preferred);
        QTest::newRow("BASIC spin") << "spinBox_sub2" << int(P::Minimum);
        QTest::newRow("BASIC end point") << "spinBox_Repa5" << int(P::Minimum);
        QTest::newRow("BASIC delay") << "spinBox_delay8" << int(P::Minimum);
        QTest::newRow("D/R combo") << "comboBox_DR_CH1" << int(P::Expanding);
        QTest::newRow("V-TAIL Ru3") << "spinBox_Ru3" << int(P::Expanding);
        QTest::newRow("V-TAIL Ru4") << "spinBox_Ru4" << int(P::Minimum);
        QTest::newRow("ALARM volts") << "doubleSpinBox_extVolt" << int(P::Expanding);
        QTest::newRow("PROG.MIX caption") << "lineEdit_109" << int(P::Expanding);
    }
    void sizePolicies()
    {
        QFETCH(QString, name);
        QFETCH(int, horizontal);
        QWidget *w = widget<QWidget>(name);
        QVERIFY(w);
        QCOMPARE(int(w->sizePolicy().horizontalPolicy()), horizontal);
        QCOMPARE(w->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    }

    void groupBoxes()
    {
        const QStringList titles = {"CHANNEL",   "REVERSE",   "SUB-TRIM",       "END POINT--L---R---",
                                    "FAIL SAFE", "DELAY",     "AUX-CH",         "D/R",
                                    "ATTITUDE",  "ELEVON",    "V-TAIL",         "D/R CURE",
                                    "TH CURE",   "PROG.MIX1", "PROG.MIX2",      "PROG.MIX3",
                                    "PROG.MIX4", "ALARM",     "VERSION / MODE", "DATA RESET"};
        const QStringList boxes = {"groupBox",    "groupBox_2",  "groupBox_3",  "groupBox_4",  "groupBox_14",
                                   "groupBox_5",  "groupBox_6",  "groupBox_8",  "groupBox_7",  "groupBox_10",
                                   "groupBox_13", "groupBox_19", "groupBox_18", "groupBox_11", "groupBox_12",
                                   "groupBox_15", "groupBox_16", "groupBox_17", "groupBox_23", "groupBox_20"};
        QCOMPARE(window.findChildren<QGroupBox *>().size(), boxes.size());
        for (int i = 0; i < boxes.size(); ++i) {
            QGroupBox *box = widget<QGroupBox>(boxes[i]);
            QVERIFY(box);
            QCOMPARE(box->title(), titles[i]);
            const QString size = boxes[i] == "groupBox_3" ? "12pt" : "11pt";
            QCOMPARE(squeezed(box->styleSheet()),
                     squeezed("color: rgb(255, 170, 0); font: 75 " + size + " \"Arial\";"));
        }
    }

    void otherSheets()
    {
        QCOMPARE(ui.frame->styleSheet(), QString());
        QVERIFY(ui.frame->hasMouseTracking());
        QCOMPARE(ui.frame->frameShape(), QFrame::StyledPanel);
        QCOMPARE(ui.frame->frameShadow(), QFrame::Raised);
        QCOMPARE(ui.widget_3->styleSheet(), QString("background-color: rgb(255, 255, 255);"));
        QCOMPARE(ui.widget_4->styleSheet(), QString("background-color: rgb(255, 255, 255);"));
        QCOMPARE(ui.widget_3->parentWidget(), ui.groupBox_19);
        QCOMPARE(ui.widget_4->parentWidget(), ui.groupBox_18);
    }

    // The members point at the widgets of their name.
    void membersMatchNames()
    {
        QCOMPARE(ui.spinBox_sub1, window.findChild<QSpinBox *>("spinBox_sub1"));
        QCOMPARE(ui.lineEdit_Trim_1, window.findChild<QLineEdit *>("lineEdit_Trim_1"));
        QCOMPARE(ui.progressBar_10, window.findChild<QProgressBar *>("progressBar_10"));
        QCOMPARE(ui.comboBox_PRM02_Master_2, window.findChild<QComboBox *>("comboBox_PRM02_Master_2"));
        QCOMPARE(ui.layoutWidget_12, window.findChild<QWidget *>("layoutWidget_12"));
        QCOMPARE(ui.verticalLayout_20, window.findChild<QVBoxLayout *>("verticalLayout_20"));
        QCOMPARE(static_cast<QWidget *>(ui.widget_3), window.findChild<QWidget *>("widget_3"));
        QCOMPARE(static_cast<QWidget *>(ui.widget_4), window.findChild<QWidget *>("widget_4"));
        QVERIFY(qobject_cast<mWidget *>(window.findChild<QWidget *>("widget_3")));
        QVERIFY(qobject_cast<cureWidget *>(window.findChild<QWidget *>("widget_4")));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
