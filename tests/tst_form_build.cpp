// SPDX-License-Identifier: GPL-3.0-or-later
// What the order of building leaves behind: the page setupUi leaves current, the parameter set
// untouched by the form's defaults, the lamp, fixed positions and movable tabs.
#include "app/mainwindow.h"
#include "display/hoverstyle.h"
#include "params/parameterset.h"
#include "ui_mainwindow.h"

#include <QAbstractItemView>
#include <QTabBar>
#include <QtTest>

namespace {

// Every named widget's place in window coordinates, so a move anywhere in the tree shows.
QMap<QString, QRect> placesIn(QWidget *window)
{
    QMap<QString, QRect> places;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            w->objectName() == "centralwidget")
            continue;
        places.insert(w->objectName(), QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    }
    return places;
}

QImage lampImage(const QIcon &icon)
{
    return icon.pixmap(QSize(40, 40)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestFormBuild : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void setupUiAloneLeavesTheSystemPage()
    {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        QCOMPARE(ui.tabWidget->currentIndex(), 5);
        QCOMPARE(ui.tabWidget->currentWidget(), ui.tab_6);
        QCOMPARE(ui.portNameBox->count(), 0);
        QCOMPARE(ui.portNameBox->currentIndex(), -1);
        // the texts are in place before the indexes are set, so the selected items read right
        QCOMPARE(ui.comboBox_rev3->currentText(), QString("REV"));
        QCOMPARE(ui.comboBox_AUX6->currentText(), QString("VrB/SwC"));
        QCOMPARE(ui.comboBox_PRM04_Slave->currentText(), QString("CH6"));
        QCOMPARE(ui.comboBox_PRM02_Master_2->currentText(), QString("V5.0"));
    }

    void setupUiKeepsAGivenObjectName()
    {
        QMainWindow window;
        window.setObjectName("shell");
        Ui::MainWindow ui;
        ui.setupUi(&window);
        QCOMPARE(window.objectName(), QString("shell"));
    }

    // The handlers are connected last: the parameter set keeps its own start values where the
    // widgets' defaults differ from them.
    void noHandlerRunsWhileTheWindowIsBuilt()
    {
        MainWindow window;
        auto spin = [&](const char *name) { return window.findChild<QSpinBox *>(name)->value(); };
        auto combo = [&](const char *name) { return window.findChild<QComboBox *>(name)->currentIndex(); };
        auto volts = [&](const char *name) { return window.findChild<QDoubleSpinBox *>(name)->value(); };

        QCOMPARE(spin("spinBox_Mode"), 2);
        QCOMPARE(params.Mode, 1);
        QCOMPARE(combo("comboBox_AttiM"), 0);
        QCOMPARE(params.AttiM, 4);
        QCOMPARE(volts("doubleSpinBox_rxVolt"), 11.0);
        QCOMPARE(params.rxVolt, 4.0);
        QCOMPARE(spin("spinBox_DR_EXP"), 100);
        QCOMPARE(params.DR_EXP, 0);
        QCOMPARE(spin("spinBox_PRM03_Data2"), 100);
        QCOMPARE(params.PRM03_Data2, 0);
        QCOMPARE(combo("comboBox_rev3"), 1); // agrees with rev3 = 1, but was never stored either way
        QCOMPARE(params.rev3, 1);
    }

    void theWindowOpensOnTheServoPage()
    {
        MainWindow window;
        auto *tabs = window.findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->currentWidget()->objectName(), QString("tab"));
        QCOMPARE(tabs->tabText(0), QString("SERVO"));
    }

    // Needs the image resources compiled into the program.
    void theLampStartsRed()
    {
        MainWindow window;
        const QImage red = lampImage(QIcon(":/myImage/images/red.png"));
        const QImage green = lampImage(QIcon(":/myImage/images/green.png"));
        QVERIFY2(!red.isNull(), "red.png is not in the resources");
        QVERIFY(red != green);
        auto *lamp = window.findChild<QToolButton *>("toolButton_led");
        QCOMPARE(lampImage(lamp->icon()), red);
    }

    // The build draws the buttons' and the lamp's images at the sizes the form shows them; a size changed
    // on one side only would decode the large images again for every start.
    void theTopBarShowsItsIconsAtTheSizesTheBuildDrew()
    {
        MainWindow window;
        const std::pair<const char *, const char *> buttons[] = {
            {"toolButton_Read", "Receive.png"}, {"toolButton_Load", "open.png"},
            {"toolButton_Send", "Send.png"},    {"toolButton_Save", "save.png"},
            {"toolButton_Reset", "Reset.png"},  {"toolButton_led", "red.png"},
            {"toolButton_led", "green.png"}};
        for (const auto &[button, image] : buttons) {
            const QSize size = window.findChild<QToolButton *>(button)->iconSize();
            const QString drawing =
                QStringLiteral(":/drawn/%1/%2x%3.rgba").arg(image).arg(size.width()).arg(size.height());
            QVERIFY2(QFile::exists(drawing), qPrintable(drawing));
        }
    }

    void resizingMovesNoWidget()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMap<QString, QRect> before = placesIn(&window);
        QVERIFY2(before.size() > 300, qPrintable(QString::number(before.size())));
        QCOMPARE(before.value("spinBox_Rssi").isEmpty(), false);

        for (const QSize size : {QSize(1600, 1000), QSize(500, 300), QSize(1100, 680)}) {
            window.resize(size);
            QTRY_COMPARE(window.size(), size);
            QCoreApplication::processEvents();
            const QMap<QString, QRect> after = placesIn(&window);
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }

    // The drop-down lists are made when a box first drops down, not as the window is built; each
    // still wears its box's font then, and follows it when a sheet changes it after the window is up.
    void dropDownListsWearTheirBoxesFont()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = window.findChild<QComboBox *>("comboBox_rev1");
        window.findChild<QTabWidget *>("tabWidget")->setCurrentWidget(window.findChild<QWidget *>("tab_2"));
        QVERIFY(box->findChildren<QWidget *>().isEmpty()); // no list yet
        QCOMPARE(box->font().pixelSize(), 20);

        box->showPopup();
        QWidget *list = box->view()->window();
        QVERIFY(list->isVisible());
        QCOMPARE(list->font(), box->font());
        box->hidePopup();

        // A box that has not dropped down yet gets a sheet with a larger font.
        auto *other = window.findChild<QComboBox *>("comboBox_rev2");
        applyStyleSheetResource(other, ":/comboBox.qss");
        QCOMPARE(other->font().pixelSize(), 22);
        QCOMPARE(other->view()->window()->font(), other->font());
    }

    void tabsMoveWithTheirPages()
    {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        ui.tabWidget->tabBar()->moveTab(0, 4); // what dragging SERVO behind PROG.MIX does
        QCOMPARE(ui.tabWidget->indexOf(ui.tab), 4);
        QCOMPARE(ui.tabWidget->tabText(4), QString("SERVO"));
        QCOMPARE(ui.tabWidget->widget(0), ui.tab_2);
        QCOMPARE(ui.tabWidget->tabText(0), QString("BASIC"));
        // lookups go by pointer, so the widgets stay where they were
        QCOMPARE(ui.lineEdit_9->window(), &window);
        QCOMPARE(ui.frame_3->parentWidget(), ui.tab);
    }
};

QTEST_MAIN(TestFormBuild)
#include "tst_form_build.moc"
