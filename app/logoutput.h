// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages of the program's own categories (txconfig.*) print as bare lines, as its log read before
// it had categories; Qt's own messages keep their category prefix. QT_LOGGING_RULES still decides
// what is printed: "txconfig.*=false" silences the link's and the files' lines.
void installLogOutput();
