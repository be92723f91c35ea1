// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program remembers between runs, kept by QSettings in the user's config folder
// (~/.config/txconfig/txconfig.conf on Linux). A missing, unreadable or stale entry reads as a
// first start.

// The port last opened successfully, as it was listed; empty if none.
QString lastPortName();
void rememberPortName(const QString &name);

// The folder of the file last saved or loaded if it still exists, else the working folder "./".
QString fileDialogFolder();
void rememberFileFolder(const QString &filePath);

// The language chosen in the window's menu ("de", "en"...), empty for the system's.
QString savedLanguage();
void rememberLanguage(const QString &code);
