// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace support {

// Keeps every warning logged while it lives, and passes it on to QtTest's own handler.
class KeptWarnings
{
public:
    KeptWarnings() { previous = qInstallMessageHandler(keep); }
    ~KeptWarnings() { qInstallMessageHandler(previous); }
    KeptWarnings(const KeptWarnings &) = delete;
    KeptWarnings &operator=(const KeptWarnings &) = delete;

    static QStringList &list()
    {
        static QStringList seen;
        return seen;
    }

private:
    static void keep(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtWarningMsg) list() << text;
        previous(type, context, text);
    }
    static inline QtMessageHandler previous = nullptr;
};

} // namespace support
