// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QMenu;

// Views -> Language: "System language", then each language in its own name. The choice is kept in the
// settings and taken at the next start, as the menu says; `notice` tells the pilot so after a change.
QMenu *addLanguageMenu(QMenu *views, const QString &speaking, std::function<void(const QString &)> notice);
