// SPDX-License-Identifier: GPL-3.0-or-later
// The pages nobody sees at start are polished later (when first shown, or after the first frame): each
// must then look and read exactly as it does when the window polishes everything as it is shown.
#include "app/mainwindow.h"
#include "params/parameterset.h"
#include "ui/pagepolish.h"
#include "ui/popupdeferral.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

const char *const kPages[] = {"tab", "tab_2", "tab_3", "tab_4", "tab_7", "tab_6"};

QTabWidget *tabsOf(QWidget &window)
{
    return window.findChild<QTabWidget *>("tabWidget");
}

form::PagePolishDeferral *deferralOf(QWidget &window)
{
    return window.findChild<form::PagePolishDeferral *>();
}

// A window with every page polished before it is first shown: the whole form polished at once.
std::unique_ptr<MainWindow> eagerWindow()
{
    auto window = std::make_unique<MainWindow>();
    deferralOf(*window)->polishAll();
    return window;
}

void showAndWait(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// The window as it is drawn with `page` open, once a display pass has filled the form.
QImage pageShot(QWidget &window, const char *page)
{
    tabsOf(window)->setCurrentWidget(window.findChild<QWidget *>(page));
    QMetaObject::invokeMethod(&window, "ui_Display");
    // Only the active window's focused control wears the focus mark; the pages are compared without it.
    if (QWidget *focused = window.focusWidget()) focused->clearFocus();
    QCoreApplication::processEvents();
    return window.grab().toImage();
}

// What a test, an accessibility tool or a user can read of a widget.
QStringList readable(QWidget *w)
{
    QStringList facts;
    const QRect place(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    facts << QString("geometry %1,%2 %3x%4")
                 .arg(place.x())
                 .arg(place.y())
                 .arg(place.width())
                 .arg(place.height());
    facts << "font " + w->font().toString();
    facts << "sizeHint " + QString::number(w->sizeHint().width()) + "x" +
                 QString::number(w->sizeHint().height());
    facts << "minimumSizeHint " + QString::number(w->minimumSizeHint().width()) + "x" +
                 QString::number(w->minimumSizeHint().height());
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                     QPalette::Button, QPalette::ButtonText, QPalette::Highlight})
        facts << QString("palette %1 %2").arg(role).arg(w->palette().color(role).name(QColor::HexArgb));
    for (Qt::WidgetAttribute a : {Qt::WA_WState_Polished, Qt::WA_OpaquePaintEvent, Qt::WA_StyledBackground,
                                  Qt::WA_Hover, Qt::WA_MouseTracking, Qt::WA_NoSystemBackground})
        facts << QString("attribute %1 %2").arg(a).arg(w->testAttribute(a));
    facts << QString("autoFillBackground %1").arg(w->autoFillBackground());
    facts << QString("style %1").arg(w->style()->metaObject()->className());
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) facts << "text " + spin->text();
    if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w)) {
        facts << QString("accessible %1 %2").arg(a->role()).arg(a->text(QAccessible::Name));
        facts << "accessible value " + a->text(QAccessible::Value);
        const QAccessible::State s = a->state();
        facts << QString("accessible state %1%2%3").arg(s.invisible).arg(s.disabled).arg(s.readOnly);
    }
    return facts;
}

// Every widget of the page, by name (unnamed parts of spin boxes and combo boxes by their owner and order).
QMap<QString, QStringList> readablePage(QWidget &window, const char *page)
{
    QMap<QString, QStringList> result;
    QWidget *root = window.findChild<QWidget *>(page);
    const QList<QWidget *> widgets = QList<QWidget *>{root} + root->findChildren<QWidget *>();
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget *w = widgets[i];
        const QString name = w->objectName().isEmpty() ? QString("%1/%2#%3")
                                                             .arg(w->parentWidget()->objectName())
                                                             .arg(i)
                                                             .arg(w->metaObject()->className())
                                                       : w->objectName();
        result.insert(name, readable(w));
    }
    return result;
}

void compareReadable(const QMap<QString, QStringList> &got, const QMap<QString, QStringList> &expected)
{
    QCOMPARE(got.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) QCOMPARE(got.value(it.key()), it.value());
}

} // namespace

class TestPagePolish : public QObject
{
    Q_OBJECT

private slots:
    void init() { params = ParameterSet{}; }

    void onlyTheFirstPageIsPolishedAsTheWindowFirstShows()
    {
        MainWindow window;
        window.show(); // no turn of the event loop yet: what the first frame is drawn from
        auto *deferral = deferralOf(window);
        QVERIFY(!deferral->isHeldBack(window.findChild<QWidget *>("tab")));
        QVERIFY(window.findChild<QWidget *>("lineEdit_3")->testAttribute(Qt::WA_WState_Polished));
        for (const char *page : {"tab_2", "tab_3", "tab_4", "tab_7", "tab_6"}) {
            QVERIFY2(deferral->isHeldBack(window.findChild<QWidget *>(page)), page);
            for (QWidget *w : window.findChild<QWidget *>(page)->findChildren<QWidget *>())
                QVERIFY2(!w->testAttribute(Qt::WA_WState_Polished), qPrintable(w->objectName()));
        }
    }

    // Opening each page in turn: pixel for pixel the page of a window that polished everything at once,
    // and every widget on it reads the same.
    void eachPageOnceOpenedIsThePageOfAnEagerWindow_data()
    {
        QTest::addColumn<QString>("page");
        for (const char *page : kPages) QTest::newRow(page) << QString(page);
    }
    void eachPageOnceOpenedIsThePageOfAnEagerWindow()
    {
        QFETCH(QString, page);
        const QByteArray name = page.toLatin1();
        auto eager = eagerWindow();
        showAndWait(*eager);
        MainWindow lazy;
        lazy.show();
        // Opened before the window's first frame, so before any page is polished behind its back.
        QWidget *opened = lazy.findChild<QWidget *>(page);
        QCOMPARE(deferralOf(lazy)->isHeldBack(opened), page != "tab");
        tabsOf(lazy)->setCurrentWidget(opened);
        QVERIFY(!deferralOf(lazy)->isHeldBack(opened));
        QVERIFY(QTest::qWaitForWindowExposed(&lazy));
        const QImage expected = pageShot(*eager, name);
        const QImage got = pageShot(lazy, name);
        QCOMPARE(got.size(), expected.size());
        QVERIFY2(got == expected, qPrintable("page " + page + " differs"));
        compareReadable(readablePage(lazy, name), readablePage(*eager, name));
    }

    // Left alone, the window polishes its other pages itself once it is up; none of that makes a
    // combo box's drop-down list, and what is polished so reads as it would have.
    void theOtherPagesArePolishedAfterTheFirstFrame()
    {
        auto eager = eagerWindow();
        MainWindow lazy;
        showAndWait(*eager);
        showAndWait(lazy);
        auto *deferral = deferralOf(lazy);
        for (const char *page : kPages)
            QTRY_VERIFY2(!deferral->isHeldBack(lazy.findChild<QWidget *>(page)), page);
        QCOMPARE(tabsOf(lazy)->currentIndex(), 0);
        QTest::qWait(1200); // past the port watcher's first look for new ports, which must make no list
        for (QComboBox *box : lazy.findChildren<QComboBox *>())
            QVERIFY2(!form::hasPopupList(box), qPrintable(box->objectName()));
        // The pages can be polished before the lazy window's first 100 ms display pass has filled its
        // form; both show the model before they are compared, so only the polish can differ.
        // The servo read-outs are marked opaque only once a new text has been painted: the pages are
        // grabbed, and so painted, before their attributes are compared.
        for (MainWindow *w : {eager.get(), &lazy}) QMetaObject::invokeMethod(w, "ui_Display");
        for (const char *page : kPages) QVERIFY2(pageShot(lazy, page) == pageShot(*eager, page), page);
        for (const char *page : kPages) compareReadable(readablePage(lazy, page), readablePage(*eager, page));
    }

    // Pages by pointer: a page dragged to another place is still polished as it is first shown.
    void aMovedTabIsPolishedWhenOpened()
    {
        auto eager = eagerWindow();
        MainWindow lazy;
        for (MainWindow *w : {eager.get(), &lazy}) {
            tabsOf(*w)->tabBar()->moveTab(3, 0); // ADVANCE2 first
            w->show();
        }
        QVERIFY(deferralOf(lazy)->isHeldBack(lazy.findChild<QWidget *>("tab_4")));
        for (MainWindow *w : {eager.get(), &lazy}) {
            tabsOf(*w)->setCurrentIndex(0);
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        QCOMPARE(tabsOf(lazy)->currentWidget(), lazy.findChild<QWidget *>("tab_4"));
        QVERIFY(pageShot(lazy, "tab_4") == pageShot(*eager, "tab_4"));
        compareReadable(readablePage(lazy, "tab_4"), readablePage(*eager, "tab_4"));
    }

    // A page made current before the window first shows is polished with the window, in the window's
    // own order.
    void aPageCurrentAtTheFirstShowIsPolishedWithTheWindow()
    {
        auto eager = eagerWindow();
        MainWindow lazy;
        for (MainWindow *w : {eager.get(), &lazy}) {
            tabsOf(*w)->setCurrentIndex(5);
            showAndWait(*w);
        }
        QVERIFY(!deferralOf(lazy)->isHeldBack(lazy.findChild<QWidget *>("tab_6")));
        QVERIFY(pageShot(lazy, "tab_6") == pageShot(*eager, "tab_6"));
        compareReadable(readablePage(lazy, "tab_6"), readablePage(*eager, "tab_6"));
    }
};

QTEST_MAIN(TestPagePolish)
#include "tst_pagepolish.moc"
