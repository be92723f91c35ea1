// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QProgressBar;
namespace Ui {
class MainWindow;
}

// The channel bars' sheet gives the chunk a height of 1 px, so Qt's style-sheet style draws a bar's filled
// length one pixel row at a time: 30 to 100 us a bar, sixteen bars ten times a second while the sticks move.
// The same pixels are two rectangle fills.

// While `bar` wears one of the two channel bar sheets and is in the state the form gives it, it is painted
// with those two fills; otherwise Qt paints it. Returns the event filter doing so, which the bar owns.
QObject *paintBarDirectly(QProgressBar *bar);

// The SERVO tab's sixteen channel bars.
void paintChannelBarsDirectly(Ui::MainWindow &ui);
