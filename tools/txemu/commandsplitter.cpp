// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandsplitter.h"

#include "link/textframes.h"

#include <iterator>

namespace {

const char *const kCommands[] = {"OK", "DIS", "RR", "WWW"};
constexpr TextFrame kFrames[] = {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I};
constexpr int kWait = 0;

// Lead and tail letters come from the frames' start-up buffers: the tails are never overwritten.
const QString &frameTemplateOf(char lead)
{
    static const QString none;
    static const QString templates[] = {frameTemplate(TextFrame::S), frameTemplate(TextFrame::G),
                                        frameTemplate(TextFrame::H), frameTemplate(TextFrame::I)};
    for (std::size_t i = 0; i < std::size(kFrames); ++i)
        if (templates[i].at(0) == QLatin1Char(lead)) return templates[i];
    return none;
}

// The length of the token at the head, kWait, or 1 for a byte that starts none.
int tokenAtHead(const QByteArray &b)
{
    const QString &frame = frameTemplateOf(b.at(0));
    if (!frame.isEmpty()) {
        if (b.size() < frame.size()) return kWait;
        return b.at(frame.size() - 1) == frame.back().toLatin1() ? int(frame.size()) : 1;
    }
    for (const char *command : kCommands) {
        const QByteArray c(command);
        if (b.startsWith(c)) return int(c.size());
        if (c.startsWith(b)) return kWait;
    }
    return 1;
}

} // namespace

QVector<QByteArray> CommandSplitter::feed(const QByteArray &chunk)
{
    m_buffer.append(chunk);
    QVector<QByteArray> tokens;
    while (!m_buffer.isEmpty()) {
        const int n = tokenAtHead(m_buffer);
        if (n == kWait) break;
        tokens.append(m_buffer.left(n));
        m_buffer.remove(0, n);
    }
    return tokens;
}

CommandSplitter::Kind CommandSplitter::kindOf(const QByteArray &token)
{
    for (const char *command : kCommands)
        if (token == command) return Kind::Command;
    const QString &frame = token.isEmpty() ? QString() : frameTemplateOf(token.at(0));
    return !frame.isEmpty() && token.size() == frame.size() ? Kind::TextFrame : Kind::Unknown;
}
