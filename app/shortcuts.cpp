// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>

namespace {

struct Command {
    QAbstractButton *button;
    QList<QKeySequence> keys;
    const char *what;
};

QAction *addShortcut(QWidget *window, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

} // namespace

QList<QKeySequence> quitKeys()
{
    // A desktop without a key of its own for Quit (Windows, a bare X session) gets the common one.
    const QList<QKeySequence> own = QKeySequence::keyBindings(QKeySequence::Quit);
    return own.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : own;
}

// The commands' keys act wherever focus is in the window, the page of DATA RESET need not be shown.
// Each goes through its button, so a greyed button (a command running) ignores its keys too.
void setUpCommandKeys(QWidget *window, Ui::MainWindow *ui)
{
    QWidget *const self = window;
    const Command commands[] = {
        {ui->openButton,
         {QKeySequence(Qt::Key_F5)},
         QT_TRANSLATE_NOOP("CommandKeys", "Open or close the port chosen beside it")},
        {ui->toolButton_Read,
         {QKeySequence(Qt::CTRL | Qt::Key_R)},
         QT_TRANSLATE_NOOP("CommandKeys", "Read the transmitter's settings")},
        {ui->toolButton_Load,
         {QKeySequence::Open},
         QT_TRANSLATE_NOOP("CommandKeys", "Load a parameter file and send it to the transmitter")},
        {ui->toolButton_Send,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
         QT_TRANSLATE_NOOP("CommandKeys", "Write the form's settings to the transmitter")},
        {ui->toolButton_Save,
         {QKeySequence::Save},
         QT_TRANSLATE_NOOP("CommandKeys", "Save the form's settings to a file and send them")},
        {ui->toolButton_Reset,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
         QT_TRANSLATE_NOOP("CommandKeys", "Reset the transmitter to factory settings")},
        {ui->pushButton_Reset2,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
         QT_TRANSLATE_NOOP("CommandKeys", "Reset the transmitter to factory settings")},
    };
    for (const Command &c : commands) {
        QAction *action = addShortcut(self, c.keys);
        QObject::connect(action, &QAction::triggered, c.button, &QAbstractButton::click);
        //: A command button's tooltip: what it does (%1) and its key (%2).
        c.button->setToolTip(QCoreApplication::translate("CommandKeys", "%1 (%2)")
                                 .arg(QCoreApplication::translate("CommandKeys", c.what),
                                      c.keys.first().toString(QKeySequence::NativeText)));
    }
    QObject::connect(addShortcut(self, quitKeys()), &QAction::triggered, self, &QWidget::close);

    // Shift+Tab arrives as Backtab, so the previous page answers to both spellings.
    QTabWidget *tabs = ui->tabWidget;
    auto step = [tabs](int by) {
        tabs->setCurrentIndex((tabs->currentIndex() + by + tabs->count()) % tabs->count());
    };
    QObject::connect(
        addShortcut(self, {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}),
        &QAction::triggered, tabs, [step] { step(1); });
    QObject::connect(addShortcut(self, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                        QKeySequence(Qt::CTRL | Qt::Key_PageUp)}),
                     &QAction::triggered, tabs, [step] { step(-1); });
}
