// SPDX-License-Identifier: GPL-3.0-or-later
// The form from the keyboard and the wheel: the Tab chain, the commands' keys, page switching, the
// focus mark, and a wheel that changes only the focused editor.
#include "app/mainwindow.h"
#include "support/modalwatcher.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest>

using support::ModalWatcher;

namespace {

// The widgets Tab visits from the port box until it comes back, as the pilot meets them.
QWidgetList tabChain(QWidget &window)
{
    QWidgetList chain;
    window.findChild<QWidget *>("portNameBox")->setFocus();
    while (QWidget *f = QApplication::focusWidget()) {
        if (chain.contains(f) || chain.size() > 200) break;
        chain << f;
        QTest::keyClick(f, Qt::Key_Tab);
    }
    return chain;
}

void wheel(QWidget *w, int steps)
{
    QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(w->mapToGlobal(QPoint(5, 5))),
                      QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTabWidget *tabs = nullptr;

    template <class T> T *find(const char *name) { return window->findChild<T *>(name); }

private slots:
    void init()
    {
        params = ParameterSet{};
        window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        tabs = find<QTabWidget>("tabWidget");
    }
    void cleanup() { window.reset(); }

    void tabRunsFromThePortBoxThroughTheCommandsToThePageEditors()
    {
        const QStringList head = {"portNameBox",     "openButton",      "toolButton_Read", "toolButton_Load",
                                  "toolButton_Send", "toolButton_Save", "toolButton_Reset"};
        // Stops per page: the eight of the top bar and the tab bar, then the page's editors.
        const int editors[] = {0, 56, 24, 14, 24, 8};
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            const QWidgetList chain = tabChain(*window);
            QStringList names;
            for (QWidget *w : chain) names << w->objectName();
            QCOMPARE(names.mid(0, head.size()), head);
            QCOMPARE(chain.value(head.size()), static_cast<QWidget *>(tabs->tabBar()));
            QCOMPARE(chain.size(), head.size() + 1 + editors[page]);
            for (QWidget *w : chain.mid(head.size() + 1)) {
                QVERIFY2(qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w) ||
                             w->objectName() == "pushButton_Reset2",
                         qPrintable(w->objectName()));
                QVERIFY(tabs->currentWidget()->isAncestorOf(w));
            }
        }
        // The read-outs stay a click away: a value can still be selected.
        for (QWidget *w : window->findChildren<QLineEdit *>())
            if (!qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                QCOMPARE(w->focusPolicy(), Qt::ClickFocus);
        for (QWidget *w : window->findChildren<QProgressBar *>()) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }

    void arrowsOnTheTabBarAndCtrlTabAnywhereSwitchPages()
    {
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Left);
        QCOMPARE(tabs->currentIndex(), 0);

        QWidget *button = find<QWidget>("toolButton_Read");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QSpinBox *sub = find<QSpinBox>("spinBox_sub1");
        sub->setFocus();
        const int value = sub->value();
        QTest::keyClick(sub, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 5); // round the end
        QCOMPARE(sub->value(), value);
    }

    void eachCommandAnswersItsKeysAndNamesThemInItsTip_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("says"); // the box the command opens with the port closed
        const QString closed = "Please open the serial port!";
        QTest::newRow("READ") << "toolButton_Read" << QKeySequence("Ctrl+R") << closed;
        QTest::newRow("WRITE") << "toolButton_Send" << QKeySequence("Ctrl+Shift+W") << closed;
        QTest::newRow("RESET") << "toolButton_Reset" << QKeySequence("Ctrl+Shift+R") << closed;
        QTest::newRow("DATA RESET") << "pushButton_Reset2" << QKeySequence("Ctrl+Shift+D") << closed;
        QTest::newRow("OPEN") << "openButton" << QKeySequence("F5") << "Cannot open the serial port!";
        QTest::newRow("LOAD") << "toolButton_Load" << QKeySequence(QKeySequence::Open) << "";
        QTest::newRow("SAVE") << "toolButton_Save" << QKeySequence(QKeySequence::Save) << "";
    }
    void eachCommandAnswersItsKeysAndNamesThemInItsTip()
    {
        QFETCH(QString, button);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, says);
        find<QComboBox>("portNameBox")->clear(); // OPEN then has no port to open
        QVERIFY2(find<QWidget>(qPrintable(button))
                     ->toolTip()
                     .endsWith("(" + keys.toString(QKeySequence::NativeText) + ")"),
                 qPrintable(find<QWidget>(qPrintable(button))->toolTip()));
        ModalWatcher watcher;
        watcher.answerFileDialog(QString()); // LOAD and SAVE: their dialog shows, and is cancelled
        QTest::keySequence(find<QWidget>("tabWidget")->window(), keys);
        QTRY_VERIFY_WITH_TIMEOUT(!watcher.boxes.isEmpty() || watcher.fileDialogs > 0, 3000);
        if (says.isEmpty())
            QCOMPARE(watcher.fileDialogs, 1);
        else
            QVERIFY2(watcher.boxes.value(0).text.startsWith(says), qPrintable(watcher.boxes.value(0).text));
    }

    void quitClosesTheWindow()
    {
        const QList<QKeySequence> keys = quitKeys();
        QVERIFY(!keys.isEmpty());
        if (QKeySequence::keyBindings(QKeySequence::Quit).isEmpty())
            QCOMPARE(keys.first(), QKeySequence("Ctrl+Q"));
        QTest::keySequence(window.get(), keys.first());
        QVERIFY(!window->isVisible());
    }

    void theWheelChangesOnlyTheFocusedEditor()
    {
        tabs->setCurrentIndex(1);
        QSpinBox *sub = find<QSpinBox>("spinBox_sub3");
        QComboBox *rev = find<QComboBox>("comboBox_rev3");
        const int value = sub->value(), index = rev->currentIndex();
        wheel(sub, 1);
        wheel(rev, -1);
        QCOMPARE(sub->value(), value);
        QCOMPARE(rev->currentIndex(), index);
        QVERIFY(!sub->hasFocus());

        sub->setFocus();
        wheel(sub, 1);
        QCOMPARE(sub->value(), value + 1);
    }

    void focusIsVisibleOnCommandsAndEditors()
    {
        tabs->setCurrentIndex(1);
        for (const char *name : {"toolButton_Read", "openButton", "spinBox_sub1", "comboBox_rev1"}) {
            QWidget *w = find<QWidget>(name);
            find<QWidget>("portNameBox")->setFocus();
            const QImage unfocused = w->grab().toImage();
            w->setFocus();
            QVERIFY(w->hasFocus());
            QVERIFY2(w->grab().toImage() != unfocused, name);
        }
    }

    void aFormLargerThanTheScreenScrolls()
    {
        QVERIFY(!window->fitInto(QSize(1920, 1040)));
        QCOMPARE(window->centralWidget(), find<QWidget>("centralwidget"));
        QCOMPARE(window->size(), QSize(1100, 680));

        QVERIFY(window->fitInto(QSize(960, 500)));
        auto *scroll = qobject_cast<QScrollArea *>(window->centralWidget());
        QVERIFY(scroll);
        QCOMPARE(scroll->widget(), find<QWidget>("centralwidget"));
        QCOMPARE(window->size(), QSize(960, 500));
        // The bottom right of the last page can be scrolled to.
        tabs->setCurrentIndex(5);
        QWidget *reset = find<QWidget>("pushButton_Reset2");
        scroll->ensureWidgetVisible(reset);
        const QPoint corner = reset->mapTo(scroll->viewport(), QPoint(reset->width(), reset->height()));
        QVERIFY(scroll->viewport()->rect().contains(corner));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
