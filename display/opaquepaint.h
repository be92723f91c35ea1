// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
namespace Ui {
class MainWindow;
}

// Beneath a widget that may show through, Qt first paints every ancestor's background: on the SERVO tab
// that is five style-sheet fills (window, central widget, tab stack, page, frame) under each moving
// read-out and bar, ten times a second while the sticks move, of which only the frame's shows. A widget
// that covers all its pixels can say so (Qt::WA_OpaquePaintEvent), and Qt then paints nothing beneath
// it.

// For a widget whose style sheet fills its whole rectangle with an opaque colour: it paints that
// background itself, exactly as Qt would have, so that it can be marked opaque.
void paintOwnStyledBackground(QWidget *widget);

// The SERVO tab's frame, under the channel read-outs and bars, and the bars themselves.
void makeServoFrameOpaque(Ui::MainWindow &ui);
