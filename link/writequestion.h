// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Where the form's values came from, as far as the transmitter is concerned.
enum class FormSource {
    StartUp,     // neither a complete READ nor a LOAD since start: the program's own values
    Model,       // a complete READ, a LOAD, or a checked send
    PartialRead, // the last READ was incomplete: the transmitter's values mixed with earlier ones
};

// WRITE replaces the whole model on the transmitter; from a form that holds no model it asks first.
// Cancel is the default and Escape answers it. True only when the user chose Write.
bool confirmWrite(QWidget *parent, FormSource source);
