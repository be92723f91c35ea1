// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the form tests: a form built on a plain main window, looked up by objectName.

#include "ui_mainwindow.h"

#include <QMainWindow>
#include <QRegularExpression>
#include <QStringList>

namespace support {

// Whitespace inside a style sheet is immaterial; compare sheets without it.
inline QString squeezed(QString sheet)
{
    return sheet.remove(QRegularExpression(QStringLiteral("\\s")));
}

// pattern.arg(n) for n = from..to, e.g. names("spinBox_sub%1", 1, 8).
inline QStringList names(const QString &pattern, int from, int to)
{
    QStringList result;
    for (int n = from; n <= to; ++n) result << pattern.arg(n);
    return result;
}

class BuiltForm
{
protected:
    QMainWindow window;
    Ui::MainWindow ui;

    template <class T> T *widget(const QString &name)
    {
        T *w = window.findChild<T *>(name);
        if (!w) qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
};

} // namespace support
