// SPDX-License-Identifier: GPL-3.0-or-later
// The window's on_<objectName>_<signal> slots, as the form wires them: each one to exactly one signal
// of the widget it names, and none left unconnected.
#include "app/mainwindow.h"
#include "tests/support/editorbindings.h"

#include <QMetaMethod>
#include <QtTest>

namespace {

// QObject::receivers() is protected; this reads it for any object, through a pointer to the member
// (named from this class, which may), not by casting the sender to a type it is not.
class ReceiverCount : public QObject
{
public:
    static int of(const QObject *sender, const QMetaMethod &signal)
    {
        const QByteArray code = QByteArray::number(QSIGNAL_CODE) + signal.methodSignature();
        int (QObject::*receivers)(const char *) const = &ReceiverCount::receivers;
        return (sender->*receivers)(code.constData());
    }
};

struct SlotTarget {
    QObject *sender = nullptr;
    QMetaMethod signal;
};

// Every (object, signal) pair that a slot's name can stand for: the object's name may hold
// underscores, and the slot may take fewer arguments than the signal carries.
QVector<SlotTarget> targetsOf(QObject *window, const QByteArray &slotSignature)
{
    QVector<SlotTarget> targets;
    QObjectList objects = window->findChildren<QObject *>();
    objects << window;
    for (QObject *object : objects) {
        const QByteArray prefix = "on_" + object->objectName().toLatin1() + '_';
        if (object->objectName().isEmpty() || !slotSignature.startsWith(prefix)) continue;
        const QByteArray wanted = slotSignature.mid(prefix.size());
        const QByteArray stem = wanted.left(wanted.indexOf('(') + 1);
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.methodSignature().startsWith(stem) &&
                QMetaObject::checkConnectArgs(m.methodSignature(), wanted))
                targets.append({object, m});
        }
    }
    return targets;
}

} // namespace

class TestFormWiring : public QObject
{
    Q_OBJECT

private slots:
    void everySlotOfTheWindowIsConnectedOnce()
    {
        MainWindow window;
        const QMetaObject *meta = window.metaObject();
        QSet<QString> wired; // the objects that a slot was found connected to
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod slot = meta->method(i);
            const QByteArray signature = slot.methodSignature();
            if (slot.methodType() != QMetaMethod::Slot || !signature.startsWith("on_")) continue;
            const QVector<SlotTarget> targets = targetsOf(&window, signature);
            QVERIFY2(!targets.isEmpty(), signature.constData());
            // Disconnecting the window from a signal removes every connection it had there; the slot
            // is the window's only one named for that widget and signal.
            int connections = 0;
            for (const SlotTarget &t : targets) {
                const int before = ReceiverCount::of(t.sender, t.signal);
                QObject::disconnect(t.sender, t.signal, &window, QMetaMethod());
                connections += before - ReceiverCount::of(t.sender, t.signal);
                if (before > ReceiverCount::of(t.sender, t.signal)) wired << t.sender->objectName();
            }
            QVERIFY2(connections == 1,
                     qPrintable(
                         QString("%1: %2 connections").arg(QString::fromLatin1(signature)).arg(connections)));
        }
        // A slot lost from the class would go unnoticed above: the binding list says which editors
        // have one.
        for (const support::Binding &b : support::bindings()) {
            const bool hasSlot = b.kind == support::Binding::Stores || b.kind == support::Binding::Edits;
            QVERIFY2(wired.contains(b.editor) == hasSlot, qPrintable(b.editor));
        }
        for (const char *button : {"openButton", "toolButton_Read", "toolButton_Send", "toolButton_Reset",
                                   "pushButton_Reset2", "toolButton_Save", "toolButton_Load"})
            QVERIFY2(wired.contains(button), button);
    }
};

QTEST_MAIN(TestFormWiring)
#include "tst_formwiring.moc"
