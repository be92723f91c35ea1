// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/drafts.h"

#include <QObject>
#include <QTimer>

#include <functional>

class FormUndo;
class QWidget;

// Keeps the form's pending edits as this instance's draft, at most every 2 s after an edit and gone
// when nothing is pending; offers the drafts of instances that ended. Undo steps, undo and redo are
// what it follows: received values and the display pass never move the stack.
class DraftKeeper : public QObject
{
public:
    struct Window {
        QWidget *widget;                                   // the questions' parent
        std::function<QString()> port;                     // the port the edits are meant for
        std::function<void(const ParameterSet &)> restore; // a draft's settings into the form, one step
        std::function<void(const QString &what, const QString &why)> warn; // once a session
        std::function<void(const QString &)> notice;                       // stays until dismissed
    };

    DraftKeeper(FormUndo &undo, const ParameterSet &form, Window window, const QString &folder);

    void keepNow();
    // Offers the orphans, one question each (at start).
    void offerOrphans();
    // The draft stays when the program ends (a signal, a logout); otherwise it goes with the window.
    void keepAtExit() { m_keepAtExit = true; }
    void discard() { m_store.remove(); }
    ~DraftKeeper() override;

private:
    FormUndo &m_undo;
    const ParameterSet &m_form;
    Window m_window;
    DraftStore m_store;
    QTimer m_timer;
    bool m_keepAtExit = false;
};
