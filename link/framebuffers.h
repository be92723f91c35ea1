// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The last S, G, H and I frames built. They start with the frame templates; building a frame replaces
// only its leading fields, so the tails always go out as the templates have them.
extern QString Str1, Str2, Str3, Str4;
