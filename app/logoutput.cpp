// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/logoutput.h"

#include <QByteArray>

namespace {

QtMessageHandler nextHandler = nullptr;

void printPlain(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const char kOwn[] = "txconfig.";
    if (context.category && qstrncmp(context.category, kOwn, sizeof kOwn - 1) == 0) {
        // "default" is the category that message patterns leave unnamed.
        const QMessageLogContext plain(context.file, context.line, context.function, "default");
        nextHandler(type, plain, message);
        return;
    }
    nextHandler(type, context, message);
}

} // namespace

void installLogOutput()
{
    if (nextHandler) return;
    nextHandler = qInstallMessageHandler(printPlain);
}
