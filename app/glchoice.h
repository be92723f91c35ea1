// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window and every view paint with Qt's raster engine: none draws with OpenGL. Qt 5 on X still loads
// the GL driver as it makes the first window (to choose the window's visual), which is most of a start
// and of the memory: on Xvfb 27 of 65 ms and 52 of 86 MiB, more with a desktop's own driver. So the
// program asks Qt for no GL integration, unless the user has chosen one in QT_XCB_GL_INTEGRATION.

// Before the application is made. True if the choice was made here.
bool leaveOutOpenGl();
// Once the first window is made, when Qt has read the choice: what the program starts from then on
// (a browser for a link, say) sees the environment as it was.
void restoreOpenGlChoice(bool leftOut);
