// SPDX-License-Identifier: GPL-3.0-or-later
// The servo read-outs paint themselves from a cached panel and one line of text instead of through the
// style sheet: for every output the display pass can show they must show what Qt's own painting shows,
// over the frame as on screen, and a read-out in a state the painter does not know is left to Qt.
#include "app/mainwindow.h"
#include "display/readoutfit.h"
#include "display/readoutpaint.h"
#include "ui/formbuilder.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

namespace {

// Counts the paint events that reach it: installed before the painter, those it leaves to Qt.
struct Paints : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override { return (count += e->type() == QEvent::Paint), false; }
};

} // namespace

class TestReadoutPaint : public QObject
{
    Q_OBJECT
    MainWindow window;
    QWidget *frame = window.findChild<QWidget *>("frame_3");
    QLineEdit *direct = nullptr, *byQt = nullptr;
    Paints leftToQt, all;

    // Twins of the first channel's read-out, built by the form's builder in free space on the same frame:
    // one painted directly, one by Qt.
    void twins()
    {
        delete direct;
        delete byQt;
        leftToQt.count = all.count = 0;
        const auto *model = window.findChild<QLineEdit *>("lineEdit");
        const QRect g = model->geometry();
        form::build(
            {form::entry(form::Slot(direct, "direct"),
                         form::at(frame, g.x() + 68, 300, g.width(), g.height()), form::Look::ServoValue),
             form::entry(form::Slot(byQt, "byQt"), form::at(frame, g.x() + 203, 300, g.width(), g.height()),
                         form::Look::ServoValue)});
        QCOMPARE(direct->styleSheet(), model->styleSheet());
        // Fitted as the window fits its read-outs: the line over the border, the font narrowed if need be.
        QStringList fourDigits;
        for (QChar d : QStringLiteral("0123456789")) fourDigits << QString(4, d);
        for (QLineEdit *edit : {direct, byQt}) {
            edit->setFocusPolicy(model->focusPolicy());
            fitReadoutText(edit, fourDigits);
        }
        QCOMPARE(direct->textMargins(), model->textMargins());
        direct->installEventFilter(&leftToQt);
        paintReadoutDirectly(direct);
        direct->installEventFilter(&all);
    }
    // What each shows over the frame, which is not painted beneath an opaque read-out.
    bool alikeWith(const QString &text)
    {
        direct->setText(text);
        byQt->setText(text);
        return frame->grab(direct->geometry()).toImage() == frame->grab(byQt->geometry()).toImage();
    }

private slots:
    void everyOutputAsQtPaintsIt()
    {
        twins();
        // The pass shows QString::number() of a 16-bit output. Every glyph in each of the last three
        // places and every length up to four digits (0..1999, where servo outputs live), each length's
        // first and last value, and a fixed random sample of the rest catch what the whole sweep did:
        // a width, an elision or a glyph painted otherwise. Then a few texts it never shows.
        QStringList texts;
        for (int output = 0; output < 2000; ++output) texts << QString::number(output);
        for (int output : {9999, 10000, 65534, 65535}) texts << QString::number(output);
        QRandomGenerator rng(2026);
        for (int i = 0; i < 1500; ++i) texts << QString::number(rng.bounded(2000, 0x10000));
        texts << "0"
              << "-1"
              << "-32768"
              << "1000"
              << "65535"
              << "WWWWWWWW"
              << "1";
        for (const QString &text : texts) QVERIFY2(alikeWith(text), qPrintable(text));
        QVERIFY2(all.count - leftToQt.count > texts.size() / 2, qPrintable(QString::number(leftToQt.count)));
        QVERIFY(direct->testAttribute(Qt::WA_OpaquePaintEvent));
    }

    // The display pass sets texts while the window is shown; both twins are read off the screen.
    void newTextShownOnScreen()
    {
        twins();
        window.findChild<QTabWidget *>("tabWidget")->setCurrentWidget(frame->parentWidget());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto onScreen = [this](QLineEdit *edit) {
            const QPoint at = edit->mapTo(&window, QPoint());
            return window.screen()
                ->grabWindow(window.winId(), at.x(), at.y(), edit->width(), edit->height())
                .toImage();
        };
        for (const char *text : {"1500", "999", "1000", "12", "65535", "1001", "1002"}) {
            byQt->setText(text);
            direct->setText(text);
            QCoreApplication::processEvents();
            QVERIFY2(onScreen(direct) == onScreen(byQt), text);
        }
        QVERIFY(all.count > leftToQt.count);
    }

    // Another background colour in the read-out's own sheet; disabled.
    void unknownStateLeftToQt()
    {
        for (bool disable : {false, true}) {
            twins();
            for (QLineEdit *edit : {direct, byQt}) {
                if (disable)
                    edit->setEnabled(false);
                else
                    edit->setStyleSheet(edit->styleSheet().replace("85, 170, 255", "255, 0, 0"));
            }
            for (const char *text : {"0", "1010", "65535"}) QVERIFY2(alikeWith(text), text);
            QCOMPARE(leftToQt.count, all.count);
            QVERIFY(!direct->testAttribute(Qt::WA_OpaquePaintEvent));
        }
    }
};

QTEST_MAIN(TestReadoutPaint)
#include "tst_readoutpaint.moc"
