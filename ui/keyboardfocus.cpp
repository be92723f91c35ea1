// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardfocus.h"
#include "ui_mainwindow.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QTabBar>

namespace form {

bool FocusedWheelOnly::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel) return false;
    auto *editor = static_cast<QWidget *>(watched);
    if (editor->hasFocus()) return false;
    event->ignore(); // ignored, so Qt offers it to the parents
    return true;
}

void setUpKeyboardFocus(Ui::MainWindow &f)
{
    auto *wheel = new FocusedWheelOnly(f.centralwidget);
    const QList<QWidget *> all = f.centralwidget->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget())) {
            // Still a click away, to select a value or type into the fields that take typing.
            w->setFocusPolicy(Qt::ClickFocus);
        } else if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(wheel);
        }
    }
    f.toolButton_led->setFocusPolicy(Qt::NoFocus);
    // The tab widget hands its focus on to its tab bar, where the arrow keys move between the pages.
    f.tabWidget->setFocusPolicy(Qt::TabFocus);

    QWidget *const chain[] = {f.portNameBox,      f.openButton,         f.toolButton_Read,
                              f.toolButton_Load,  f.toolButton_Send,    f.toolButton_Save,
                              f.toolButton_Reset, f.tabWidget->tabBar()};
    for (size_t i = 1; i < std::size(chain); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace form
