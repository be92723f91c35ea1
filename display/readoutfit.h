// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QLineEdit;
namespace Ui {
class MainWindow;
}

// The SERVO tab's channel values and captions are sized for a narrow bold face; with a wider one their
// four digits and "CH1".."CH8" did not fit the line QLineEdit centres text in, and it scrolled them.

// Lets the line run over the box's invisible border, where the box's own colour lies, and if `texts`
// still do not all fit, narrows the font (its stretch, not its height) until they do.
void fitReadoutText(QLineEdit *edit, const QStringList &texts);

// The eight values for any four digits, the eight captions for their own text.
void fitServoReadouts(Ui::MainWindow &ui);
