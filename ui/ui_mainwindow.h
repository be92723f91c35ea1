#pragma once

// Stand-in form: only what the window's constructor touches, until the full form lands.
#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

namespace Ui {
class MainWindow
{
public:
    QWidget *centralwidget = nullptr;
    QComboBox *portNameBox = nullptr;
    QPushButton *openButton = nullptr;
    QToolButton *toolButton_led = nullptr;
    QTabWidget *tabWidget = nullptr;

    void setupUi(QMainWindow *window)
    {
        window->setObjectName("MainWindow");
        window->resize(1100, 680);
        centralwidget = new QWidget(window);
        portNameBox = new QComboBox(centralwidget);
        portNameBox->setObjectName("portNameBox");
        portNameBox->setGeometry(740, 30, 120, 40);
        openButton = new QPushButton("OPEN", centralwidget);
        openButton->setObjectName("openButton");
        toolButton_led = new QToolButton(centralwidget);
        toolButton_led->setObjectName("toolButton_led");
        tabWidget = new QTabWidget(centralwidget);
        tabWidget->setObjectName("tabWidget");
        tabWidget->setGeometry(10, 110, 1080, 560);
        const char *captions[] = {"SERVO", "BASIC", "ADVANCE1", "ADVANCE2", "PROG.MIX", "SYSTEM"};
        for (const char *caption : captions) tabWidget->addTab(new QWidget, caption);
        window->setCentralWidget(centralwidget);
        portNameBox->setCurrentIndex(-1);
        tabWidget->setCurrentIndex(5);
        QMetaObject::connectSlotsByName(window);
    }
};
} // namespace Ui
