// SPDX-License-Identifier: GPL-3.0-or-later
// form::connectSlotsByName against Qt's own QMetaObject::connectSlotsByName on twin trees: every
// signal fired reaches the same slots, however the names split at their underscores.
#include "ui/connectbyname.h"

#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

// An object whose signal name, after its own name, reads like another object's name and signal.
class Emitter : public QObject
{
    Q_OBJECT
signals:
    void b_clicked();
};

class Receiver : public QWidget
{
    Q_OBJECT
public:
    QStringList calls;
    QPushButton *ab = new QPushButton(this); // "a_b", made before "a", so first in findChildren order
    Emitter *a = new Emitter;
    QSpinBox *box = new QSpinBox(this);

    Receiver()
    {
        setObjectName("self");
        ab->setObjectName("a_b");
        a->setParent(this);
        a->setObjectName("a");
        box->setObjectName("box");
    }
    void fireAll()
    {
        ab->click();
        emit a->b_clicked();
        box->setValue(7);
        emit box->editingFinished();
        setWindowTitle("title");
    }

public slots:
    void on_a_b_clicked() { calls << "a_b clicked"; }
    void on_box_valueChanged(int value) { calls << QString("box valueChanged %1").arg(value); }
    void on_box_textChanged() { calls << "box textChanged"; } // the signal carries more than the slot
    void on_box_editingFinished(int unused = 0) { calls << QString("box editingFinished %1").arg(unused); }
    void on_self_windowTitleChanged(const QString &title) { calls << "self " + title; }
};

} // namespace

class TestConnectByName : public QObject
{
    Q_OBJECT

private slots:
    void connectsAsQtDoes()
    {
        Receiver byQt, byUs;
        QMetaObject::connectSlotsByName(&byQt);
        form::connectSlotsByName(&byUs);
        byQt.fireAll();
        byUs.fireAll();
        QCOMPARE(byUs.calls, byQt.calls);
        QCOMPARE(byUs.calls.size(), 5);
    }
};

QTEST_MAIN(TestConnectByName)
#include "tst_connectbyname.moc"
