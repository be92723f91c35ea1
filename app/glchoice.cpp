// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glchoice.h"

#include <QtGlobal>

namespace {
const char kVariable[] = "QT_XCB_GL_INTEGRATION";
}

bool leaveOutOpenGl()
{
    if (qEnvironmentVariableIsSet(kVariable)) return false;
    qputenv(kVariable, "none");
    return true;
}

void restoreOpenGlChoice(bool leftOut)
{
    if (leftOut) qunsetenv(kVariable);
}
