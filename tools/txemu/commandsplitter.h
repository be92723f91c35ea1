// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

// Splits what the tool sends into tokens: the command strings "OK", "DIS", "RR", "WWW" and the
// 81-character S, G, H and I frames. Nothing is terminated, so tokens are told apart by their first
// letter and length, whatever pieces the link delivers them in. A byte that starts no token (or a
// frame letter whose frame does not end in its tail letter) comes out as a token of its own.
class CommandSplitter
{
public:
    QVector<QByteArray> feed(const QByteArray &chunk);
    int buffered() const { return int(m_buffer.size()); }
    void clear() { m_buffer.clear(); }

    enum class Kind { Unknown, Command, TextFrame };
    static Kind kindOf(const QByteArray &token);

private:
    QByteArray m_buffer;
};
