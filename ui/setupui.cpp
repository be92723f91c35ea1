// SPDX-License-Identifier: GPL-3.0-or-later
#include "choices.h"
#include "ui_mainwindow.h"

#include "inventory.h"
#include "keyboardfocus.h"
#include "pagepolish.h"
#include "popupdeferral.h"

namespace {

void setUpTabWidget(QTabWidget *tabs)
{
    // This font draws the tab captions; the sheet sets none.
    QFont font;
    font.setFamily(QStringLiteral("Arial"));
    font.setPointSize(11);
    font.setBold(true);
    tabs->setFont(font);
    tabs->setMouseTracking(true);
    tabs->setTabletTracking(true);
    tabs->setContextMenuPolicy(Qt::NoContextMenu);
    tabs->setAcceptDrops(false);
    tabs->setAutoFillBackground(false);
    tabs->setStyleSheet(form::styleSheet(form::Look::Tabs, "QTabWidget"));
    tabs->setTabPosition(QTabWidget::North);
    tabs->setTabShape(QTabWidget::Rounded);
    tabs->setIconSize(QSize(100, 100));
    tabs->setElideMode(Qt::ElideRight);
    tabs->setDocumentMode(true);
    tabs->setTabsClosable(false);
    tabs->setMovable(true);
    tabs->setTabBarAutoHide(false);
}

} // namespace

void Ui::MainWindow::setupUi(QMainWindow *MainWindow)
{
    using namespace form;
    Ui::MainWindow &f = *this;

    if (MainWindow->objectName().isEmpty()) MainWindow->setObjectName(QStringLiteral("MainWindow"));
    MainWindow->resize(1100, 680);
    MainWindow->setMinimumSize(QSize(0, 0));
    MainWindow->setMaximumSize(QSize(11100, 8000));

    build({widget(NAMED_WIDGET(centralwidget), Where(Ref(MainWindow), QRect()), Look::Central)});
    buildTopBar(f);

    build({widget(NAMED_WIDGET(tabWidget), at(f.centralwidget, 10, 110, 1080, 560), Look::None)});
    setUpTabWidget(tabWidget);
    {
        const PageHost host(tabWidget); // each page is a tab before its widgets are made
        for (auto buildPage : {buildServoPage, buildBasicPage, buildAdvance1Page, buildAdvance2Page,
                               buildProgMixPage, buildSystemPage})
            buildPage(f);
    }
    // Both before setCurrentIndex below shows the SYSTEM page.
    new PopupDeferral(MainWindow);
    new PagePolishDeferral(tabWidget, MainWindow);

    // The first caption is fixed here; retranslateUi gives the other five.
    tabWidget->setTabText(tabWidget->indexOf(tab), QStringLiteral("SERVO"));

    // Combo boxes start with empty items, as many as their lists have; retranslateUi writes the texts.
    for (const Choices &choices : choiceTable(f))
        for (QComboBox *box : choices.boxes)
            for (size_t i = 0; i < choices.items.size(); ++i) box->addItem(QString());

    MainWindow->setCentralWidget(centralwidget);
    retranslateUi(MainWindow);

    portNameBox->setCurrentIndex(-1);
    tabWidget->setCurrentIndex(5);
    const std::pair<QComboBox *, int> indexes[] = {
        {comboBox_rev3, 1},        {comboBox_AUX5, 1},           {comboBox_AUX6, 3},
        {comboBox_AUX7, 0},        {comboBox_AUX8, 2},           {comboBox_AttiM, 0},
        {comboBox_DR_SW2, 0},      {comboBox_PRM04_Master, 1},   {comboBox_PRM04_Slave, 5},
        {comboBox_PRM03_Slave, 3}, {comboBox_PRM01_Slave, 3},    {comboBox_PRM02_Master, 1},
        {comboBox_PRM02_Slave, 5}, {comboBox_PRM02_Master_2, 0},
    };
    for (const auto &[box, index] : indexes) box->setCurrentIndex(index);

    setUpKeyboardFocus(f);
}

#undef NAMED_LAYOUT
#undef NAMED_WIDGET
