// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QMainWindow>

#include "app/commandgate.h"
#include "app/modelcommands.h"
#include "app/modeldocument.h"
#include "display/displaytables.h"
#include "display/hovercounters.h"
#include "link/transmittersession.h"
#include "params/parameterset.h" // the slots all work on the program-wide params

class CompareViews;
class DraftKeeper;
class HistoryWindow;
class MonitorViews;
class QMenu;
class SettingFinder;
class PortWatcher;
class QTimer;

namespace Ui {
class MainWindow;
}

// The one window: the form, and the slots the form is wired to. A command slot may it run now, asks
// the pilot where it must, leaves the exchange to the transmitter session and says how it went.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The link to the transmitter; tests and benchmarks shorten its pacing or count its frames.
    TransmitterSession &session() { return transmitter; }

    // When the window at its start-up size does not fit `available` (the screen's free area), the form
    // moves into a scroll area and the window shrinks to fit; true then. Otherwise nothing changes.
    bool fitInto(const QSize &available);

    // A signal or the desktop's end ends the program without a question: the edits stay as a draft,
    // what is on the line finishes, the port says goodbye, and the application quits with status 0.
    void endWithoutAsking();
    // The desktop's logout asks for the state: the draft is written now and kept at exit.
    void keepDraftForLogout();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_openButton_clicked();
    void serialPort_readyRead();
    int byteArrayToInt(QByteArray b, int a);
    void on_toolButton_Read_clicked();
    void on_toolButton_Load_clicked();
    void on_toolButton_Send_clicked();
    void on_toolButton_Save_clicked();
    void on_toolButton_Reset_clicked();

    void Servo_Display();
    void Recieve_Display();
    void Rev_Display();
    void EPA_Display();
    void SubTrim_Display();
    void FS_Display();
    void Delay_Display();
    void Aux_Display();
    void DR_Display();
    void Parameter_Display();
    void Atti_Display();
    void Elev_Display();
    void Vtype_Display();
    void Prm_Display();
    void DRCure_Display();
    void THcure_Display();
    void ui_Display();

    void on_spinBox_sub1_valueChanged(int arg1);
    void on_spinBox_sub2_valueChanged(int arg1);
    void on_spinBox_sub3_valueChanged(int arg1);
    void on_spinBox_sub4_valueChanged(int arg1);
    void on_spinBox_sub5_valueChanged(int arg1);
    void on_spinBox_sub6_valueChanged(int arg1);
    void on_spinBox_sub7_valueChanged(int arg1);
    void on_spinBox_sub8_valueChanged(int arg1);
    void on_spinBox_Lepa1_valueChanged(int arg1);
    void on_spinBox_Lepa2_valueChanged(int arg1);
    void on_spinBox_Lepa3_valueChanged(int arg1);
    void on_spinBox_Lepa4_valueChanged(int arg1);
    void on_spinBox_Lepa5_valueChanged(int arg1);
    void on_spinBox_Lepa6_valueChanged(int arg1);
    void on_spinBox_Lepa7_valueChanged(int arg1);
    void on_spinBox_Lepa8_valueChanged(int arg1);
    void on_spinBox_Repa1_valueChanged(int arg1);
    void on_spinBox_Repa2_valueChanged(int arg1);
    void on_spinBox_Repa3_valueChanged(int arg1);
    void on_spinBox_Repa4_valueChanged(int arg1);
    void on_spinBox_Repa5_valueChanged(int arg1);
    void on_spinBox_Repa6_valueChanged(int arg1);
    void on_spinBox_Repa7_valueChanged(int arg1);
    void on_spinBox_Repa8_valueChanged(int arg1);
    void on_spinBox_FS1_valueChanged(int arg1);
    void on_spinBox_FS2_valueChanged(int arg1);
    void on_spinBox_FS3_valueChanged(int arg1);
    void on_spinBox_FS4_valueChanged(int arg1);
    void on_spinBox_FS5_valueChanged(int arg1);
    void on_spinBox_FS6_valueChanged(int arg1);
    void on_spinBox_FS7_valueChanged(int arg1);
    void on_spinBox_FS8_valueChanged(int arg1);
    void on_spinBox_delay1_valueChanged(int arg1);
    void on_spinBox_delay2_valueChanged(int arg1);
    void on_spinBox_delay3_valueChanged(int arg1);
    void on_spinBox_delay4_valueChanged(int arg1);
    void on_spinBox_delay5_valueChanged(int arg1);
    void on_spinBox_delay6_valueChanged(int arg1);
    void on_spinBox_delay7_valueChanged(int arg1);
    void on_comboBox_rev1_currentIndexChanged(int index);
    void on_comboBox_rev2_currentIndexChanged(int index);
    void on_comboBox_rev3_currentIndexChanged(int index);
    void on_comboBox_rev4_currentIndexChanged(int index);
    void on_comboBox_rev5_currentIndexChanged(int index);
    void on_comboBox_rev6_currentIndexChanged(int index);
    void on_comboBox_rev7_currentIndexChanged(int index);
    void on_comboBox_rev8_currentIndexChanged(int index);
    void on_comboBox_AUX5_currentIndexChanged(int index);
    void on_comboBox_AUX6_currentIndexChanged(int index);
    void on_comboBox_AUX7_currentIndexChanged(int index);
    void on_comboBox_AUX8_currentIndexChanged(int index);
    void on_comboBox_DR_MIX1_currentIndexChanged(int index);
    void on_comboBox_DR_CH1_currentIndexChanged(int index);
    void on_spinBox_DR_UP1_valueChanged(int arg1);
    void on_spinBox_DR_DOWN1_valueChanged(int arg1);
    void on_doubleSpinBox_Volt_valueChanged(double arg1);
    void on_spinBox_Mode_valueChanged(int arg1);
    void on_spinBox_Vertion_valueChanged(int arg1);
    void on_comboBox_AttiM_currentIndexChanged(int index);
    void on_spinBox_Atti1_valueChanged(int arg1);
    void on_spinBox_Atti2_valueChanged(int arg1);
    void on_spinBox_Atti3_valueChanged(int arg1);
    void on_spinBox_Atti4_valueChanged(int arg1);
    void on_spinBox_Atti5_valueChanged(int arg1);
    void on_spinBox_Atti6_valueChanged(int arg1);
    void on_comboBox_EleMix_currentIndexChanged(int index);
    void on_spinBox_Elev01_valueChanged(int arg1);
    void on_spinBox_Elev02_valueChanged(int arg1);
    void on_spinBox_Elev03_valueChanged(int arg1);
    void on_spinBox_Elev04_valueChanged(int arg1);
    void on_spinBox_Elev05_valueChanged(int arg1);
    void on_spinBox_Elev06_valueChanged(int arg1);
    void on_comboBox_RuMix_currentIndexChanged(int index);
    void on_spinBox_Ru1_valueChanged(int arg1);
    void on_spinBox_Ru2_valueChanged(int arg1);
    void on_spinBox_Ru3_valueChanged(int arg1);
    void on_spinBox_Ru4_valueChanged(int arg1);
    void on_comboBox_PRM01_Mix_currentIndexChanged(int index);
    void on_comboBox_PRM01_Master_currentIndexChanged(int index);
    void on_comboBox_PRM01_Slave_currentIndexChanged(int index);
    void on_spinBox_PRM01_Data1_valueChanged(int arg1);
    void on_spinBox_PRM01_Data2_valueChanged(int arg1);
    void on_spinBox_PRM01_Data3_valueChanged(int arg1);
    void on_comboBox_PRM02_Mix_currentIndexChanged(int index);
    void on_comboBox_PRM02_Master_currentIndexChanged(int index);
    void on_comboBox_PRM02_Slave_currentIndexChanged(int index);
    void on_spinBox_PRM02_Data1_valueChanged(int arg1);
    void on_spinBox_PRM02_Data2_valueChanged(int arg1);
    void on_spinBox_PRM02_Data3_valueChanged(int arg1);
    void on_comboBox_PRM03_Mix_currentIndexChanged(int index);
    void on_comboBox_PRM03_Master_currentIndexChanged(int index);
    void on_comboBox_PRM03_Slave_currentIndexChanged(int index);
    void on_spinBox_PRM03_Data1_valueChanged(int arg1);
    void on_spinBox_PRM03_Data2_valueChanged(int arg1);
    void on_spinBox_PRM03_Data3_valueChanged(int arg1);
    void on_comboBox_DR_MIX2_currentIndexChanged(int index);
    void on_comboBox_DR_CH2_currentIndexChanged(int index);
    void on_comboBox_DR_SW2_currentIndexChanged(int index);
    void on_comboBox_DR_POSI_currentIndexChanged(int index);
    void on_spinBox_DR_RATE_valueChanged(int arg1);
    void on_spinBox_DR_EXP_valueChanged(int arg1);
    void on_comboBox_PRM04_Mix_currentIndexChanged(int index);
    void on_comboBox_PRM04_Master_currentIndexChanged(int index);
    void on_comboBox_PRM04_Slave_currentIndexChanged(int index);
    void on_spinBox_PRM04_Data1_valueChanged(int arg1);
    void on_spinBox_PRM04_Data2_valueChanged(int arg1);
    void on_spinBox_PRM04_Data3_valueChanged(int arg1);
    void on_comboBox_THCURE_MIX_currentIndexChanged(int index);
    void on_spinBox_THCURE_Data01_valueChanged(int arg1);
    void on_spinBox_THCURE_Data02_valueChanged(int arg1);
    void on_spinBox_THCURE_Data03_valueChanged(int arg1);
    void on_spinBox_THCURE_Data04_valueChanged(int arg1);
    void on_spinBox_THCURE_Data05_valueChanged(int arg1);
    void on_spinBox_THCURE_Data06_valueChanged(int arg1);
    void on_spinBox_THCURE_Data07_valueChanged(int arg1);
    void on_spinBox_delay8_valueChanged(int arg1);

    void RestData();
    void RestData2();
    void SendData1();
    void SendData2();
    void SendData3();
    void SendData4();
    void Dr_DataSelet();
    void FalseSaveData();
    void on_doubleSpinBox_extVolt_valueChanged(double arg1);
    void on_spinBox_Rssi_valueChanged(int arg1);
    void on_doubleSpinBox_rxVolt_valueChanged(double arg1);
    void on_pushButton_Reset2_clicked();
    void StkTrim_Display();

private:
    void connectForm(); // the on_* slots to their widgets
    void fillPortList();
    void setUpViews();
    void showHistory();
    void setUpToolTips();
    void setUpFindAndSheet(QMenu *views); // Find... and Export sheet... with their keys
    void showLinkState(bool open);
    void onLinkLost(const QString &reason);
    void setUpDrafts(); // the edits left by an instance that ended, and this one's

    // The pilot's edits. The editors' slots note them; what the display pass shows and what the
    // transmitter sends are not edits, nor are fields that no frame carries.
    void noteEdit();
    void noteEdit(IntField field);
    void noteEdit(DoubleField field);

    Ui::MainWindow *ui;
    TransmitterSession transmitter;
    ModelDocument document{params};
    QTimer *refreshTimer = nullptr;
    PortWatcher *portList = nullptr; // re-lists the ports while the link is closed
    HoverCounters hoverCounters;
    ShownSettings shownSettings;   // lets a pass skip the settings that are on the form already
    CommandGate commandGate{this}; // one link or file command at a time
    ModelCommands commands{this, transmitter, document, commandGate};
    CompareViews *compare = nullptr;        // the marks, Changes, Undo and Redo
    HistoryWindow *historyWindow = nullptr; // made when first asked for
    DraftKeeper *drafts = nullptr;          // the pending edits on disk, deleted before the undo stack
    bool endingWithoutAsking = false;
    MonitorViews *monitor = nullptr; // the Monitor window and recordings
    bool showingForm = false;        // the display pass is setting the editors
    bool settingsReceived = false;   // a READ's block reached the form since the last take
    SettingFinder *finder = nullptr; // over the form, shown by Find
};

// The keys that close the window: the desktop's Quit, else Ctrl+Q.
QList<QKeySequence> quitKeys();
// The command buttons' keys (through their buttons), Quit, and the keys that turn the pages.
void setUpCommandKeys(QWidget *window, Ui::MainWindow *ui);
// Asks for a file and writes the model sheet of `form` there; the path written, or empty (a failure is
// said in a box).
QString exportSheet(QWidget *parent, const ParameterSet &form, const QString &port);

// Waits `ms` milliseconds in a local event loop, so timers, the port and the user's clicks carry on.
void delayMs(int ms);
