// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;
namespace Ui {
class MainWindow;
}

namespace form {

// Who takes keyboard focus and in which order. Captions and read-outs (line edits), the lamp and the
// channel bars are not in the Tab chain; the chain runs port box, OPEN, the top commands left to right,
// the tab bar, then the shown page's editors as they stand, group by group. Editors take focus on a
// click or Tab, never from the wheel.
void setUpKeyboardFocus(Ui::MainWindow &f);

// Spin boxes and combo boxes take the wheel only once they have focus: a pointer passing over the form
// on its way elsewhere must not change a setting. The event goes on to the box's parents instead,
// which scroll the form where it is in a scroll area.
class FocusedWheelOnly : public QObject
{
public:
    explicit FocusedWheelOnly(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace form
