// SPDX-License-Identifier: GPL-3.0-or-later
// The SERVO tab's channel values and captions are shown whole: every value the display pass writes
// there, and "CH1".."CH8", fits the line QLineEdit centres its text in, so none is scrolled or clipped.
// Run at 100 % and, as tst_readoutfit_2x, at QT_SCALE_FACTOR=2.
#include "app/mainwindow.h"

#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QtTest>

namespace {

// What QLineEdit keeps between its contents and the line of text, on either side.
constexpr int kHorizontalMargin = 2;

// The width QLineEdit gives the text, and the width the text takes as QLineEdit measures it.
int lineWidth(QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    return contents.width() - 2 * kHorizontalMargin;
}

int widthUsed(const QLineEdit *edit, const QString &text)
{
    QTextLayout layout(text, edit->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return qRound(line.naturalTextWidth()) + 1;
}

} // namespace

class TestReadoutFit : public QObject
{
    Q_OBJECT
    MainWindow window;

    QList<QLineEdit *> edits(const QStringList &names)
    {
        QList<QLineEdit *> list;
        for (const QString &name : names) list << window.findChild<QLineEdit *>(name);
        return list;
    }

private slots:
    void initTestCase()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void valuesAndCaptionsFit_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        QStringList values;
        for (int n = 0; n <= 2000; ++n) values << QString::number(n);
        for (QChar d : QStringLiteral("0123456789")) values << QString(4, d);
        QTest::newRow("values") << QStringList{"lineEdit",   "lineEdit_2", "lineEdit_3", "lineEdit_4",
                                               "lineEdit_5", "lineEdit_6", "lineEdit_7", "lineEdit_8"}
                                << values;
        QTest::newRow("captions") << QStringList{"lineEdit_9",  "lineEdit_19", "lineEdit_20", "lineEdit_21",
                                                 "lineEdit_22", "lineEdit_23", "lineEdit_24", "lineEdit_25"}
                                  << QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8"};
    }
    void valuesAndCaptionsFit()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        for (QLineEdit *edit : edits(names)) {
            QVERIFY(edit);
            edit->ensurePolished();
            const int room = lineWidth(edit);
            int widest = 0;
            QString widestText;
            for (const QString &text : texts)
                if (widthUsed(edit, text) > widest) widest = widthUsed(edit, text), widestText = text;
            QVERIFY2(widest <= room, qPrintable(QString("%1: \"%2\" takes %3 of %4 px")
                                                    .arg(edit->objectName(), widestText)
                                                    .arg(widest)
                                                    .arg(room)));
        }
    }
};

QTEST_MAIN(TestReadoutFit)
#include "tst_readoutfit.moc"
