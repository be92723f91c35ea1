// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Counts the pilot's edits to the form and how many of them are safe, on the transmitter or in a file.
// A command takes a mark before the form's values leave; edits made during its waits come after the
// mark, so they stay pending when the command settles.
class FormEdits
{
public:
    using Mark = quint64;

    void note() { ++made; }
    Mark mark() const { return made; }
    // The edits up to `at` are on the transmitter or in a file.
    void settle(Mark at) { safe = qMax(safe, at); }
    bool pending() const { return made > safe; }

private:
    Mark made = 0;
    Mark safe = 0;
};
