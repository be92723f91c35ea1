// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/readoutfit.h"

#include "ui_mainwindow.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

namespace {

// What QLineEdit keeps between its contents rectangle and the line of text, on either side.
constexpr int kHorizontalMargin = 2;
constexpr int kNarrowest = 60; // percent; below this a face no longer reads as the form's

QRect contentsOf(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
}

// The width QLineEdit needs to show `text` without scrolling it.
int widthUsed(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return qRound(line.naturalTextWidth()) + 1;
}

int widest(const QFont &font, const QStringList &texts)
{
    int w = 0;
    for (const QString &text : texts) w = qMax(w, widthUsed(font, text));
    return w;
}

} // namespace

void fitReadoutText(QLineEdit *edit, const QStringList &texts)
{
    edit->ensurePolished(); // the sheet's font and border are what is measured
    const QRect contents = contentsOf(edit);
    // The sheet's border is transparent over the box's background: text there is still on the box.
    const int left = contents.left(), right = edit->width() - 1 - contents.right();
    edit->setTextMargins(-left, 0, -right, 0);
    const int room = edit->width() - 2 * kHorizontalMargin;
    QFont font = edit->font();
    const int natural = widest(font, texts);
    if (natural <= room) return;
    // Text narrows almost in proportion to the stretch, so the stretch the room allows is the first guess;
    // each other stretch tried is a face loaded, which a search by halving paid six or seven times over.
    auto fitsAt = [&](int stretch) {
        font.setStretch(stretch);
        return widest(font, texts) <= room;
    };
    int fits = qBound(kNarrowest, 100 * room / natural, 99);
    while (fits > kNarrowest && !fitsAt(fits)) --fits;
    while (fits < 99 && fitsAt(fits + 1)) ++fits;
    font.setStretch(fits);
    edit->setFont(font);
}

void fitServoReadouts(Ui::MainWindow &ui)
{
    QStringList digits;
    for (QChar d : QStringLiteral("0123456789")) digits << QString(4, d);
    // The eight read-outs are alike: the first one's fit serves the others of its size and font.
    QLineEdit *first = ui.lineEdit;
    fitReadoutText(first, digits);
    for (QLineEdit *value : {ui.lineEdit_2, ui.lineEdit_3, ui.lineEdit_4, ui.lineEdit_5, ui.lineEdit_6,
                             ui.lineEdit_7, ui.lineEdit_8}) {
        value->ensurePolished();
        if (value->size() == first->size() && value->styleSheet() == first->styleSheet()) {
            value->setTextMargins(first->textMargins());
            value->setFont(first->font());
        } else {
            fitReadoutText(value, digits);
        }
    }
    for (QLineEdit *caption : {ui.lineEdit_9, ui.lineEdit_19, ui.lineEdit_20, ui.lineEdit_21, ui.lineEdit_22,
                               ui.lineEdit_23, ui.lineEdit_24, ui.lineEdit_25})
        fitReadoutText(caption, {caption->text()});
}
