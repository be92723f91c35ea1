// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/formundo.h"
#include "params/parameterset.h"

#include <optional>

// Where the form's values came from, as far as the transmitter is concerned.
enum class FormSource {
    StartUp,     // neither a complete READ nor a LOAD since start: the program's own values
    Model,       // a complete READ, a LOAD, or a checked send
    PartialRead, // the last READ was incomplete: the transmitter's values mixed with earlier ones
};

// The model the window edits: the parameter set in use, the pilot's changes to it, where its values
// came from and what the transmitter holds. The window shows it; the commands replace it, send it and
// settle its changes.
struct ModelDocument {
    explicit ModelDocument(ParameterSet &set) : set(set), undo(set) {}

    ParameterSet &set;
    FormUndo undo;
    FormSource source = FormSource::StartUp;
    // The last model known to be on the transmitter over this link: a complete READ, a complete
    // read-back, the read before a command. Unknown until one came; a new link forgets it.
    std::optional<ParameterSet> onTransmitter;
};
