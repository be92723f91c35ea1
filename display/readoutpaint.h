// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QObject;
namespace Ui {
class MainWindow;
}

// The SERVO tab's eight output read-outs change text ten times a second while the transmitter streams.
// Qt's style-sheet style draws each one's rounded panel anew every time, and because the corners let the
// frame show through, the frame is painted beneath as well. The same pixels are a cached image of the
// panel over the frame's colour and one line of text.

// While `edit` wears the servo read-out sheet over a plain frame and shows its text as the form leaves
// it (no focus, pointer, selection, placeholder, or text wider than the box), it is painted that way and
// marked opaque; otherwise Qt paints it. Returns the event filter doing so, which the read-out owns.
QObject *paintReadoutDirectly(QLineEdit *edit);

// The SERVO tab's eight output read-outs.
void paintServoReadoutsDirectly(Ui::MainWindow &ui);
