// The form's inventory: every editor, choice list, caption, position and a sample of the style sheets,
// checked against the layout as written down here (not against the form's own tables).
#include "stylesheets.h"
#include "ui_mainwindow.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QtTest>

namespace {

QString squeezed(QString sheet)
{
    return sheet.remove(QRegularExpression(QStringLiteral("\\s")));
}

QString editorSheet(const QString &cls, int px)
{
    return QStringLiteral(
               "%1{background-color: rgb(85, 170, 255); border-style:outset; border-width:4px;"
               " border-radius:4px; border-color:rgba(0,0,0,0); font:bold %2px;"
               " color:rgba(255,255,255,255); padding:0px;}"
               "%1:hover{background-color:rgba(100,255,100,100); border-color:rgba(255,255,255,255);"
               " color:rgba(255,255,255,255);}")
        .arg(cls)
        .arg(px);
}

QString lineEditSheet(const QString &background, int px, const QString &color)
{
    return QStringLiteral(
               "QLineEdit{background-color: %1; border-style:outset; border-width:4px;"
               " border-radius:4px; border-color:rgba(0,0,0,0); font:bold %2px; color:%3; padding:0px;}")
        .arg(background)
        .arg(px)
        .arg(color);
}

// The editors whose font is 22 px; every other spin and combo box uses 20 px.
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

QStringList names(const QString &pattern, int from, int to)
{
    QStringList result;
    for (int n = from; n <= to; ++n) result << pattern.arg(n);
    return result;
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

    QMainWindow window;
    Ui::MainWindow ui;

    template <class T> T *widget(const QString &name)
    {
        T *w = window.findChild<T *>(name);
        if (!w) qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }

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
        QCOMPARE(tabs->focusPolicy(), Qt::NoFocus);
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
                     "QTabBar::tab:hover{background:rgb(0, 0, 0, 0);}"
                     "QTabBar::tab:selected{border-color: white; background:red;"
                     " color:rgb(0, 255, 255, 255);}"));
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
            QCOMPARE(box->styleSheet(),
                     QString("background-color: rgb(255, 255, 255);\nfont: 75 16pt \"Arial\";"));
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
        const QString toolSheet = tool.arg(20) + pressed.arg("QToolButton") + hover.arg("QToolButton");
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
                                      hover.arg("QToolButton");
        QTest::newRow("OPEN") << "openButton"
                              << "OPEN"
                              << push.arg(22) + pressed.arg("QPushButton") + hover.arg("QPushButton");
        QTest::newRow("DATA RESET") << "pushButton_Reset2"
                                    << "DATA RESET"
                                    << push.arg(16) + pressed.arg("QPushButton") + hover.arg("QPushButton");
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
