// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QList>
#include <QVector>

class QWidget;

// One link or file command at a time. Every command waits in nested event loops, so without this a
// READ pressed during a WRITE would run inside the WRITE's waits and its answer would overwrite the
// set half-way through the frames. While a command runs (its hold-off, its file dialog and every
// wait included) the command buttons are greyed and the window shows a busy cursor; the editors
// stay live, since each frame is built from the set at its own moment. A close request in that
// time waits for the command to end, so a close never leaves the transmitter with half a new set.
class CommandGate
{
public:
    // The window whose cursor and closing are held.
    explicit CommandGate(QWidget *window) : window(window) {}
    // The controls that start a command; they exist once the form is built.
    void setControls(const QList<QWidget *> &list) { controls = list; }

    bool isBusy() const { return depth > 0; }

    // For the window's close request: true when a command runs. The window is then closed as soon
    // as the command has ended.
    bool deferClose();
    // Whether a close waits for the running command: long waits inside it end early.
    bool closeRequested() const { return closePending; }

private:
    friend class CommandGuard;
    void enter();
    void leave();

    QWidget *const window;
    QList<QWidget *> controls; // the window's own children: they live as long as the gate
    QVector<bool> wasEnabled;
    QCursor previousCursor;
    int depth = 0;
    bool closePending = false;
};

// Holds the gate for a command's lifetime, so the buttons, the cursor and a waiting close are
// restored on every way out of the command.
class CommandGuard
{
public:
    explicit CommandGuard(CommandGate &gate) : gate(gate) { gate.enter(); }
    ~CommandGuard() { gate.leave(); }
    CommandGuard(const CommandGuard &) = delete;
    CommandGuard &operator=(const CommandGuard &) = delete;

private:
    CommandGate &gate;
};
