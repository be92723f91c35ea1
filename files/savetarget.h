// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A save goes to a temporary file beside the target that then replaces it, so a failed save leaves
// the old file whole. A folder the user may not write to has no room for that temporary file, yet
// an existing file in it that the user may write can still be saved over: truncated and written in
// place, as any editor would. True exactly then (symbolic links followed to their file); everywhere
// else the save stays atomic.
bool needsDirectWrite(const QString &path);
