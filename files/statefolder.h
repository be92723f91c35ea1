// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the tool keeps what must outlive a crash: the journal of a command under way and the drafts
// of unsaved edits. TXCONFIG_STATE_DIR if set, else $XDG_STATE_HOME/txconfig, else
// ~/.local/state/txconfig (Qt 5 has no StateLocation, so the path is built by hand).
QString stateFolder();

// Makes `folder` (mode 0700) if it is not there; false with `error` set when it cannot be made or
// something else stands in its place.
bool makeStateFolder(const QString &folder, QString *error);
