// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A real window whose display passes the test drives one by one, and a tally of the change signals
// that the window's editors and read-outs emit while it does.

#include "app/mainwindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMetaObject>
#include <QProgressBar>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace support {

// The window's own 100 ms refresh timer (the only running 100 ms timer among its direct children).
inline QTimer *refreshTimerOf(MainWindow &window)
{
    QTimer *found = nullptr;
    for (QTimer *t : window.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (t->interval() != 100 || !t->isActive()) continue;
        if (found) return nullptr; // ambiguous: better to fail than to stop the wrong one
        found = t;
    }
    return found;
}

// A new window whose refresh timer is stopped, so that every pass is one the test runs; null if the
// timer cannot be told apart.
inline MainWindow *windowWithoutRefresh()
{
    auto *window = new MainWindow;
    QTimer *timer = refreshTimerOf(*window);
    if (!timer) {
        delete window;
        return nullptr;
    }
    timer->stop();
    return window;
}

// Calls a slot of the window by name, as the timer or the receive path would; false if there is none.
inline bool runSlot(MainWindow &window, const char *slot)
{
    return QMetaObject::invokeMethod(&window, slot, Qt::DirectConnection);
}

inline bool displayPasses(MainWindow &window, int count)
{
    for (int i = 0; i < count; ++i)
        if (!runSlot(window, "ui_Display")) return false;
    return true;
}

// One quiet window for all the data rows of a test function: building a window costs far more than the
// passes a row runs. A row after the first finds the window brought to the parameter set as it stands
// (two passes: the dual-rate view follows on the second), not the form's own start values. A new test
// function, or a row that failed, gets a new window.
class WindowPerFunction
{
public:
    MainWindow *window()
    {
        if (current && owner == QTest::currentTestFunction())
            return displayPasses(*current, 2) ? current.get() : nullptr;
        current.reset(windowWithoutRefresh());
        owner = QTest::currentTestFunction();
        return current.get();
    }
    void rowDone()
    {
        if (QTest::currentTestFailed()) current.reset();
    }
    void reset() { current.reset(); }

private:
    std::unique_ptr<MainWindow> current;
    QByteArray owner;
};

// A style sheet resource as the display applies it: all its bytes up to the first NUL.
inline QString resourceSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0) bytes.truncate(nul);
    return QString::fromUtf8(bytes);
}

// Counts, per objectName, every value, index and text change that the window's widgets report.
class SignalTally
{
public:
    explicit SignalTally(QWidget &root)
    {
        for (QSpinBox *w : root.findChildren<QSpinBox *>())
            watch(w, QObject::connect(w, QOverload<int>::of(&QSpinBox::valueChanged), [this, w] { hit(w); }));
        for (QDoubleSpinBox *w : root.findChildren<QDoubleSpinBox *>())
            watch(w, QObject::connect(w, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
                                      [this, w] { hit(w); }));
        for (QComboBox *w : root.findChildren<QComboBox *>())
            watch(w, QObject::connect(w, QOverload<int>::of(&QComboBox::currentIndexChanged),
                                      [this, w] { hit(w); }));
        for (QLineEdit *w : root.findChildren<QLineEdit *>())
            watch(w, QObject::connect(w, &QLineEdit::textChanged, [this, w] { hit(w); }));
        for (QProgressBar *w : root.findChildren<QProgressBar *>())
            watch(w, QObject::connect(w, &QProgressBar::valueChanged, [this, w] { hit(w); }));
    }
    ~SignalTally()
    {
        for (const QMetaObject::Connection &c : connections) QObject::disconnect(c);
    }
    SignalTally(const SignalTally &) = delete;
    SignalTally &operator=(const SignalTally &) = delete;

    QMap<QString, int> counts;
    int watchedEditors = 0; // spin boxes, double spin boxes and combo boxes
    int watchedTotal = 0;

private:
    void watch(QObject *w, const QMetaObject::Connection &c)
    {
        connections.append(c);
        ++watchedTotal;
        if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)) ++watchedEditors;
    }
    void hit(QObject *w) { ++counts[w->objectName()]; }

    QVector<QMetaObject::Connection> connections;
};

} // namespace support
