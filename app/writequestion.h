// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modeldocument.h"

class QWidget;

// WRITE replaces the whole model on the transmitter; from a form that holds no model it asks first.
// Cancel is the default and Escape answers it. True only when the user chose Write.
bool confirmWrite(QWidget *parent, FormSource source);
