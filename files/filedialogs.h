// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The views of the SAVE and LOAD dialogs. On Windows "*.*" matches every name; elsewhere it needs a
// dot, so LOAD's "All file" view also carries "*" there, or a file saved without a suffix could
// not be picked.
// Made when asked for, in the language of the moment; the patterns are the same in every language.
QString saveFilters();
QString parameterFileFilter(); // "file (*.txt *.dat)"
QString loadFilters();

// A name typed without a suffix while the parameter-file view is chosen gets ".txt", so the file
// shows up in that view later.
QString withParameterFileSuffix(const QString &path, const QString &selectedFilter);

// The dialogs start in the folder of the file last saved or loaded and remember the one chosen.
// An empty path means the user cancelled (or declined to replace a file).
QString askSavePath(QWidget *parent);
QString askLoadPath(QWidget *parent);
