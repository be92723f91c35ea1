// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// RESET replaces the model on the transmitter and nothing undoes it, so it is asked first; Cancel is
// the default and Escape answers it. True only when the user chose Reset.
bool confirmFactoryReset(QWidget *parent);
