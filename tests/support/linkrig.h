// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window wired to an in-process transmitter emulator over a real pseudo-terminal.

#include "app/mainwindow.h"
#include "txemulator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace support {

// The window lists the ports as the port box is first drawn, as a shown window's first frame does;
// a window a test never shows has its box drawn here instead.
inline QComboBox *listPorts(MainWindow &window)
{
    auto *box = window.findChild<QComboBox *>("portNameBox");
    box->grab();
    return box;
}

struct LinkRig {
    QTemporaryDir stateDir; // the journal and the drafts of this rig's window
    TxEmulator emu;
    std::unique_ptr<MainWindow> window;
    // The frames of a send go out this far apart: shorter than the product's 800 ms, which the tests
    // of the pacing itself ask for.
    int frameGapMs = 80;

    // Creates the pseudo-terminal and a window that lists it; false if the system refuses a pty.
    bool start(const QString &extraPorts = QString())
    {
        if (!emu.open()) return false;
        // A journal left open by an earlier rig's cut-off command would ask at this rig's OPEN.
        if (stateDir.isValid()) qputenv("TXCONFIG_STATE_DIR", QFile::encodeName(stateDir.path()));
        qputenv("TXCONFIG_EXTRA_PORTS", (emu.slavePath() + ":" + extraPorts).toLocal8Bit());
        window = std::make_unique<MainWindow>();
        window->session().timing.frameGapMs = frameGapMs;
        listPorts(*window);
        return true;
    }

    // The list is filled again on every close, so the extra port stays named while the rig lives.
    ~LinkRig()
    {
        qunsetenv("TXCONFIG_EXTRA_PORTS");
        qunsetenv("TXCONFIG_STATE_DIR");
    }

    template <typename T> T *find(const char *name) const { return window->findChild<T *>(name); }
    QPushButton *openButton() const { return find<QPushButton>("openButton"); }
    QComboBox *portBox() const { return find<QComboBox>("portNameBox"); }
    QAbstractButton *button(const char *name) const { return find<QAbstractButton>(name); }

    bool selectPort(const QString &path)
    {
        const int index = portBox()->findText(path);
        portBox()->setCurrentIndex(index);
        return index >= 0;
    }

    bool openLink()
    {
        selectPort(emu.slavePath());
        openButton()->click();
        return openButton()->text() == "CLOSE";
    }

    // The tokens the emulator received, without the receive path's "WWW" answers.
    QList<QByteArray> commands() const
    {
        QList<QByteArray> list;
        for (const TxEmulator::Received &r : emu.receivedTokens())
            if (r.token != "WWW") list << r.token;
        return list;
    }

    QVector<TxEmulator::Received> textFrames() const
    {
        QVector<TxEmulator::Received> frames;
        for (const TxEmulator::Received &r : emu.receivedTokens())
            if (r.token.size() == 81) frames << r;
        return frames;
    }
};

} // namespace support
