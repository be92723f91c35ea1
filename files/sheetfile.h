// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Writes a model sheet's HTML to `path`: a PDF when the name ends in ".pdf", on A4, or on Letter where
// the locale measures in inches; otherwise the HTML itself. The PDF needs a QGuiApplication (fonts),
// which may run offscreen. False, with `error` saying why, when the file cannot be written.
bool writeSheetFile(const QString &path, const QString &html, QString *error);

bool isPdfPath(const QString &path);
