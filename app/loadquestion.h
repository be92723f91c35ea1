// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/paramfile.h"

#include <QString>

class QWidget;

// "G and I": the frames of a parameter file that were (or were not) read.
QString frameLetters(const LoadedFrames &loaded, bool read);

// A file some of whose frames are damaged is loaded only when the pilot says so: the damaged frames'
// settings keep the form's values. Cancel is the default and Escape. True only for Load.
bool confirmPartialLoad(QWidget *parent, const QString &path, const LoadedFrames &loaded);
