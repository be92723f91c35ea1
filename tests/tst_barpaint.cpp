// SPDX-License-Identifier: GPL-3.0-or-later
// The channel bars paint themselves with two fills instead of Qt's 1-px chunks: at every value they must
// show what Qt's own painting shows, and a bar in a state the painter does not know is left to Qt.
#include "app/mainwindow.h"
#include "display/barpaint.h"
#include "ui/formbuilder.h"

#include <QProgressBar>
#include <QScreen>
#include <QtTest>

namespace {

// Counts the paint events that get past a bar's own painter: those it leaves to Qt.
struct LeftToQt : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override { return (paints += e->type() == QEvent::Paint), false; }
};

} // namespace

class TestBarPaint : public QObject
{
    Q_OBJECT
    MainWindow window;
    QWidget *frame = window.findChild<QWidget *>("frame_3");
    QProgressBar *direct = nullptr, *byQt = nullptr;
    LeftToQt leftToQt;

    // Twins of one of the window's bars, built by the form's builder beside it, under the same sheets:
    // one painted directly, one by Qt.
    void twins(const char *name, form::Look look)
    {
        delete direct;
        delete byQt;
        leftToQt.paints = 0;
        const auto *model = window.findChild<QProgressBar *>(name);
        const QRect g = model->geometry();
        form::build(
            {form::bar(form::Slot(direct, "direct"), form::at(frame, g.x(), g.y(), g.width(), g.height()),
                       model->maximum(), model->value(), look),
             form::bar(form::Slot(byQt, "byQt"), form::at(frame, g.x() + 60, g.y(), g.width(), g.height()),
                       model->maximum(), model->value(), look)});
        QCOMPARE(direct->styleSheet(), model->styleSheet());
        direct->installEventFilter(
            &leftToQt); // before the painter, so it sees only what the painter passes on
        paintBarDirectly(direct);
    }
    bool alikeAt(int value)
    {
        direct->setValue(value);
        byQt->setValue(value);
        return direct->grab().toImage() == byQt->grab().toImage();
    }

private slots:
    void everyValueAsQtPaintsIt()
    {
        for (auto [name, look] : {std::pair{"progressBar_10", form::Look::UpperBar},
                                  std::pair{"progressBar_11", form::Look::LowerBar}}) {
            twins(name, look);
            for (int value = direct->minimum(); value <= direct->maximum(); ++value)
                QVERIFY2(alikeAt(value), qPrintable(QString("%1 at %2").arg(name).arg(value)));
            QCOMPARE(leftToQt.paints, 0);
        }
    }

    // QProgressBar repaints a new value only if it is far enough from the one its own paintEvent() drew,
    // which no longer runs. Each value is set as a program would, then read off the screen.
    void newValueShownOnScreen()
    {
        twins("progressBar_10", form::Look::UpperBar);
        window.findChild<QTabWidget *>("tabWidget")->setCurrentWidget(frame->parentWidget());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        direct->show();
        for (int value : {500, 3, 900, 897}) {
            byQt->setValue(value);
            direct->setValue(value);
            QCoreApplication::processEvents();
            const QPoint at = direct->mapTo(&window, QPoint());
            const QImage shown =
                window.screen()
                    ->grabWindow(window.winId(), at.x(), at.y(), direct->width(), direct->height())
                    .toImage();
            QVERIFY2(shown.convertToFormat(QImage::Format_RGB32) ==
                         byQt->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     qPrintable(QString::number(value)));
        }
    }

    // Another chunk colour in the bar's sheet; padding from the frame's sheet.
    void unknownSheetLeftToQt()
    {
        const QString frameSheet = frame->styleSheet();
        for (const QString &frameAdds : {QString(), QString("QProgressBar { padding: 3px; }")}) {
            twins("progressBar_10", form::Look::UpperBar);
            if (frameAdds.isEmpty())
                for (QProgressBar *bar : {direct, byQt})
                    bar->setStyleSheet(bar->styleSheet().replace("0,0,255", "255,0,0"));
            frame->setStyleSheet("* {" + frameSheet + "}" + frameAdds);
            for (int value : {0, 1, 505, 1010})
                QVERIFY2(alikeAt(value), qPrintable(frameAdds + QString::number(value)));
            frame->setStyleSheet(frameSheet);
            QVERIFY(leftToQt.paints > 0);
        }
    }
};

QTEST_MAIN(TestBarPaint)
#include "tst_barpaint.moc"
