// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/readoutpaint.h"

#include "ui/stylesheets.h"
#include "ui_mainwindow.h"

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <optional>

namespace {

// What QLineEdit keeps between its contents rectangle and the line of text.
constexpr int kHorizontalMargin = 2;

const QString &knownSheet()
{
    static const QString sheet = form::styleSheet(form::Look::ServoValue, "QLineEdit");
    return sheet;
}

// The option QLineEdit::initStyleOption() fills in, for the panel and its contents rectangle.
QStyleOptionFrame panelOption(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly()) option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}

// The single colour the parent paints under the whole of `edit`, if it does: its styled background,
// drawn where the read-out sits, must be one opaque colour.
bool plainBackgroundUnder(const QLineEdit *edit, QColor *colour)
{
    const QWidget *parent = edit->parentWidget();
    if (!parent || !parent->testAttribute(Qt::WA_StyledBackground) || edit->size().isEmpty()) return false;
    QImage under(edit->size(), QImage::Format_ARGB32_Premultiplied);
    under.fill(Qt::transparent);
    {
        QPainter painter(&under);
        painter.translate(-edit->pos());
        QStyleOption option;
        option.initFrom(parent);
        parent->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, parent);
    }
    const QRgb first = under.pixel(0, 0);
    if (qAlpha(first) != 255) return false;
    for (int y = 0; y < under.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(under.constScanLine(y));
        for (int x = 0; x < under.width(); ++x)
            if (line[x] != first) return false;
    }
    *colour = QColor::fromRgb(first);
    return true;
}

class DirectReadoutPainter : public QObject
{
public:
    explicit DirectReadoutPainter(QLineEdit *edit) : QObject(edit)
    {
        layout.setCacheEnabled(true);
        if (!edit->isVisible()) qtScroll = 0; // QLineEdit's own starting amount, before it first paints
        // A new text may no longer fit, and a selection is drawn by Qt: the read-out must stop being
        // opaque before the paint that shows it.
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { markOpaqueIfPaintingDirectly(edit); });
        connect(edit, &QLineEdit::selectionChanged, this,
                [this, edit] { markOpaqueIfPaintingDirectly(edit); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = static_cast<QLineEdit *>(watched); // only ever installed on a line edit
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::StyleChange:
        case QEvent::PaletteChange:
        case QEvent::FontChange:
        case QEvent::ParentChange:
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::LayoutDirectionChange:
            // A sheet here, above or on the application may have changed; style-sheet polish also takes
            // the opaque mark away.
            styleAgrees = Unknown;
            panel = QPixmap();
            markOpaqueIfPaintingDirectly(edit);
            return false;
        case QEvent::DragEnter:
        case QEvent::DragLeave:
        case QEvent::Drop:
            // Text dragged over an editable read-out shows where it would drop, with Qt's cursor.
            dragOver = event->type() == QEvent::DragEnter;
            markOpaqueIfPaintingDirectly(edit);
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::EnabledChange:
        case QEvent::ActivationChange:
            markOpaqueIfPaintingDirectly(edit);
            return false;
        case QEvent::Paint:
            break;
        default:
            return false;
        }

        if (!canPaintDirectly(edit)) {
            shown = true;
            const bool frameLeftOut = edit->testAttribute(Qt::WA_OpaquePaintEvent);
            followQtsScroll(edit);
            // Once Qt has painted this state, the next paint of it may be direct again.
            edit->setAttribute(Qt::WA_OpaquePaintEvent, canPaintDirectly(edit));
            // Something changed that no event told of, so the frame was not painted beneath this time:
            // it is, with the read-out over it once more.
            if (frameLeftOut && edit->parentWidget()) edit->parentWidget()->update(edit->geometry());
            return false;
        }
        shown = true;
        edit->setAttribute(Qt::WA_OpaquePaintEvent); // the next paint of this state is direct too
        QPainter painter(edit);
        painter.drawPixmap(0, 0, panelPixmap(edit));
        painter.setClipRect(contents);
        painter.setPen(edit->palette().color(QPalette::Text));
        layout.draw(&painter, line.topLeft() - QPoint(*qtScroll, ascent - edit->fontMetrics().ascent()), {},
                    contents);
        return true; // QLineEdit::paintEvent() would draw the same again, through the style sheet
    }

private:
    void markOpaqueIfPaintingDirectly(QLineEdit *edit)
    {
        // Until its first paint a read-out is not opaque, and the checks wait for that paint: the form
        // sets texts, sizes and places many times while it is built.
        if (shown) edit->setAttribute(Qt::WA_OpaquePaintEvent, canPaintDirectly(edit));
    }

    // The state the display pass leaves its read-outs in. Focus and the pointer may bring rules of their
    // own from other sheets, and a focused edit draws its cursor.
    bool canPaintDirectly(QLineEdit *edit)
    {
        if (dragOver || !edit->isEnabled() || edit->hasFocus() || edit->underMouse() ||
            edit->hasSelectedText() || edit->echoMode() != QLineEdit::Normal ||
            !edit->inputMask().isEmpty() || edit->alignment() != Qt::AlignCenter ||
            edit->layoutDirection() != Qt::LeftToRight || edit->isClearButtonEnabled() ||
            !edit->actions().isEmpty())
            return false;
        if (!styleDrawsAsExpected(edit) || siblingBeneath(edit)) return false;
        const QString text = edit->displayText();
        if (text.isEmpty() ? !edit->placeholderText().isEmpty() : text.isRightToLeft()) return false;
        return textPlacedAsBefore(edit, text);
    }

    // Lays the text out as QWidgetLineControl does.
    void layOut(const QLineEdit *edit, const QString &text)
    {
        if (layout.lineCount() == 1 && layout.text() == text && layoutFont == edit->font()) return;
        layoutFont = edit->font();
        layout.setFont(layoutFont);
        layout.setText(text);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine created = layout.createLine();
        layout.endLayout();
        ascent = qRound(created.ascent());
        widthUsed = qRound(created.naturalTextWidth()) + 1;
    }

    // QLineEdit::paintEvent() scrolls the text sideways by an amount it keeps from one paint to the next
    // (centred if it fits, else following the cursor), so a text too wide for the box lands a pixel
    // apart depending on what was shown before. The read-out is painted directly only when Qt's kept
    // amount would not change, so it stays what Qt would have had after painting every time.
    int nextScroll(int previous, int cursorX) const
    {
        const int width = line.width();
        if (widthUsed <= width) return (widthUsed - width) / 2;
        if (cursorX - previous >= width) return cursorX - width + 1;
        if (cursorX - previous < 0 && previous < widthUsed) return cursorX;
        if (widthUsed - previous < width) return widthUsed - width + 1;
        return qMax(0, previous);
    }

    int cursorX(const QLineEdit *edit) const
    {
        return qRound(layout.lineAt(0).cursorToX(edit->cursorPosition()));
    }

    // The line QLineEdit::paintEvent() places the text in, within the contents less the text margins.
    void placeLine(const QLineEdit *edit, const QRect &in)
    {
        const QFontMetrics metrics = edit->fontMetrics();
        line = QRect(in.x() + kHorizontalMargin, in.y() + (in.height() - metrics.height() + 1) / 2,
                     in.width() - 2 * kHorizontalMargin, metrics.height());
    }

    bool textPlacedAsBefore(const QLineEdit *edit, const QString &text)
    {
        layOut(edit, text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        // Later versions centre a text taller than the font's line by its own height.
        const QFontMetrics metrics = edit->fontMetrics();
        if (metrics.boundingRect(text).height() > metrics.height()) return false;
#endif
        placeLine(edit, contents);
        return qtScroll && nextScroll(*qtScroll, cursorX(edit)) == *qtScroll;
    }

    // Qt paints the read-out now and moves its kept scroll as it does; it is followed while the text is
    // centred left to right and there are no side widgets, and otherwise no longer known.
    void followQtsScroll(QLineEdit *edit)
    {
        const QString text = edit->displayText();
        if (edit->alignment() != Qt::AlignCenter || edit->layoutDirection() != Qt::LeftToRight ||
            text.isRightToLeft() || !edit->actions().isEmpty() || edit->isClearButtonEnabled()) {
            qtScroll.reset();
            return;
        }
        const QStyleOptionFrame option = panelOption(edit);
        // In this state the sheet may give the contents another size.
        const QRect in = edit->style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                             .marginsRemoved(edit->textMargins());
        layOut(edit, text);
        placeLine(edit, in);
        // Before the first paint Qt's amount is 0; once it is lost, a centred text sets it afresh.
        if (qtScroll || widthUsed <= line.width()) qtScroll = nextScroll(qtScroll.value_or(0), cursorX(edit));
    }

    // The panel must be the style sheet's, drawn over one plain colour, and only the known sheet's panel
    // is left without its text. Asked once per change of style, size or place.
    bool styleDrawsAsExpected(QLineEdit *edit)
    {
        if (styleAgrees == Unknown) {
            const QStyleOptionFrame option = panelOption(edit);
            const qreal ratio = edit->devicePixelRatioF();
            const bool agrees = edit->styleSheet() == knownSheet() &&
                                edit->style()->inherits("QStyleSheetStyle") && ratio == qRound(ratio) &&
                                edit->parentWidget() &&
                                edit->parentWidget()->contentsRect().contains(edit->geometry()) &&
                                plainBackgroundUnder(edit, &background);
            if (agrees)
                contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
            styleAgrees = agrees && contents.isValid() ? Yes : No;
        }
        return styleAgrees == Yes;
    }

    // A sibling lower in the stack would show through the corners, where the cached panel has the
    // parent's colour.
    static bool siblingBeneath(const QLineEdit *edit)
    {
        for (const QObject *child : edit->parentWidget()->children()) {
            if (child == edit) return false;
            const auto *sibling = qobject_cast<const QWidget *>(child);
            if (sibling && !sibling->isHidden() && !sibling->isWindow() &&
                sibling->geometry().intersects(edit->geometry()))
                return true;
        }
        return false;
    }

    // The panel as Qt paints it over the parent's colour, with no text.
    const QPixmap &panelPixmap(QLineEdit *edit)
    {
        const QPalette palette = edit->palette();
        const qreal ratio = edit->devicePixelRatioF();
        if (panel.isNull() || panel.devicePixelRatio() != ratio || panelPalette != palette.cacheKey() ||
            panelGroup != palette.currentColorGroup()) {
            panelPalette = palette.cacheKey();
            panelGroup = palette.currentColorGroup();
            panel = QPixmap(edit->size() * ratio);
            panel.setDevicePixelRatio(ratio);
            panel.fill(background);
            QPainter painter(&panel);
            const QStyleOptionFrame option = panelOption(edit);
            edit->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, edit);
        }
        return panel;
    }

    enum { Unknown, Yes, No } styleAgrees = Unknown;
    bool dragOver = false;
    bool shown = false;
    QColor background;
    QRect contents;
    QPixmap panel;
    qint64 panelPalette = 0;
    QPalette::ColorGroup panelGroup = QPalette::Active;
    QTextLayout layout;
    QFont layoutFont;
    int ascent = 0;
    int widthUsed = 0;
    QRect line;
    std::optional<int> qtScroll;
};

} // namespace

QObject *paintReadoutDirectly(QLineEdit *edit)
{
    auto *painter = new DirectReadoutPainter(edit);
    edit->installEventFilter(painter);
    return painter;
}

void paintServoReadoutsDirectly(Ui::MainWindow &ui)
{
    for (QLineEdit *edit : {ui.lineEdit, ui.lineEdit_2, ui.lineEdit_3, ui.lineEdit_4, ui.lineEdit_5,
                            ui.lineEdit_6, ui.lineEdit_7, ui.lineEdit_8})
        paintReadoutDirectly(edit);
}
