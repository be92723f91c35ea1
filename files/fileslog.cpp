// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileslog.h"

Q_LOGGING_CATEGORY(lcFiles, "txconfig.files")
