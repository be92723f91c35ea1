// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/formedits.h"
#include "params/parameterset.h"

// Where the form's values came from, as far as the transmitter is concerned.
enum class FormSource {
    StartUp,     // neither a complete READ nor a LOAD since start: the program's own values
    Model,       // a complete READ, a LOAD, or a checked send
    PartialRead, // the last READ was incomplete: the transmitter's values mixed with earlier ones
};

// The model the window edits: the parameter set in use, the pilot's edits to it and where its values
// came from. The window shows it; the commands replace it, send it and settle its edits.
struct ModelDocument {
    explicit ModelDocument(ParameterSet &set) : set(set) {}

    ParameterSet &set;
    FormEdits edits;
    FormSource source = FormSource::StartUp;
};
