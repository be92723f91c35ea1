// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compareviews.h"
#include "app/mainwindow.h"
#include "params/namedfields.h"

namespace {

bool carried(IntField field)
{
    for (const NamedField &f : kNamedFields)
        if (f.field == field) return true;
    return false;
}

bool carried(DoubleField field)
{
    for (const NamedField &f : kNamedFields)
        if (f.volts && f.volts == field) return true;
    return false;
}

} // namespace

void MainWindow::noteEdit()
{
    // The display pass's setters re-enter the slots to store back what the editors show.
    if (showingForm) return;
    document.undo.edited(sender());
    compare->refresh();
}

// The display pass re-enters these as it sets the editors; it is asked first, the look-up being a scan.
void MainWindow::noteEdit(IntField field)
{
    if (!showingForm && carried(field)) noteEdit();
}

void MainWindow::noteEdit(DoubleField field)
{
    if (!showingForm && carried(field)) noteEdit();
}
