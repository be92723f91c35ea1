// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectbyname.h"

#include <QHash>
#include <QMetaMethod>
#include <QObject>
#include <algorithm>

namespace form {
namespace {

// The signal of `sender` that a slot ending in `signature` ("valueChanged(int)") connects to.
QMetaMethod signalFor(const QObject *sender, const QByteArray &signature)
{
    const QMetaObject *meta = sender->metaObject();
    const int exact = meta->indexOfSignal(signature.constData());
    if (exact >= 0) return meta->method(exact);
    // The lowest-numbered signal whose signature starts with the slot's, less its closing parenthesis.
    const QByteArray stem = signature.left(signature.size() - 1);
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.methodSignature().startsWith(stem))
            return method;
    }
    return QMetaMethod();
}

} // namespace

void connectSlotsByName(QObject *receiver)
{
    QObjectList objects = receiver->findChildren<QObject *>(QString());
    objects << receiver;
    QHash<QByteArray, QVector<int>> byName; // positions in `objects`, in order
    for (int i = 0; i < objects.size(); ++i) {
        const QByteArray name = objects[i]->objectName().toLatin1();
        if (!name.isEmpty()) byName[name].append(i);
    }

    const QMetaObject *meta = receiver->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QByteArray signature = slot.methodSignature();
        if (!signature.startsWith("on_")) continue;
        // Every underscore may end the object's name: gather the objects each reading names.
        QVector<std::pair<int, int>> candidates; // position in `objects`, length of the name
        for (int end = signature.indexOf('_', 3); end > 3; end = signature.indexOf('_', end + 1)) {
            const auto found = byName.constFind(signature.mid(3, end - 3));
            if (found == byName.constEnd()) continue;
            for (int position : *found) candidates.append({position, end - 3});
        }
        std::sort(candidates.begin(), candidates.end());
        bool connected = false;
        for (const auto &[position, nameLength] : candidates) {
            const QObject *sender = objects[position];
            const QMetaMethod signal = signalFor(sender, signature.mid(3 + nameLength + 1));
            if (signal.isValid() && QObject::connect(sender, signal, receiver, slot)) {
                connected = true;
                break;
            }
        }
        // Overloads with default arguments follow their slot as clones; the first one connected stands.
        if (connected)
            while (i + 1 < meta->methodCount() && (meta->method(i + 1).attributes() & QMetaMethod::Cloned))
                ++i;
        else if (!(slot.attributes() & QMetaMethod::Cloned))
            qWarning("connectSlotsByName: no matching signal for %s", signature.constData());
    }
}

} // namespace form
