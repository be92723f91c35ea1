// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/barpaint.h"

#include "ui/stylesheets.h"
#include "ui_mainwindow.h"

#include <QEvent>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

// The two sheets the painter knows, each with the colours it fills with.
struct KnownSheet {
    QString sheet;
    form::BarColours colours;
};

const form::BarColours *coloursOf(const QProgressBar *bar)
{
    static const KnownSheet known[] = {
        {form::styleSheet(form::Look::UpperBar, "QProgressBar"), form::barColours(form::Look::UpperBar)},
        {form::styleSheet(form::Look::LowerBar, "QProgressBar"), form::barColours(form::Look::LowerBar)},
    };
    const QString sheet = bar->styleSheet();
    for (const KnownSheet &k : known)
        if (sheet == k.sheet) return &k.colours;
    return nullptr;
}

// The rows of the bar that Qt's style-sheet style fills, counted up from the bottom: its
// CE_ProgressBarContents takes int(height * (value - minimum) / (maximum - minimum)) as the filled
// length and covers it with 1-px chunks from the bottom edge up.
int filledRows(const QProgressBar *bar)
{
    const double ratio =
        double(qint64(bar->value()) - bar->minimum()) / (qint64(bar->maximum()) - bar->minimum());
    return static_cast<int>(bar->height() * ratio);
}

class DirectBarPainter : public QObject
{
public:
    explicit DirectBarPainter(QProgressBar *bar) : QObject(bar)
    {
        // QProgressBar repaints on a new value only when it moved far enough from the value its own
        // paintEvent() last drew; that one no longer runs, so the bar asks for its update itself.
        connect(bar, &QProgressBar::valueChanged, this, [this, bar] {
            if (paintedLast) bar->update();
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *bar = static_cast<QProgressBar *>(watched); // only ever installed on a bar
        if (event->type() == QEvent::StyleChange || event->type() == QEvent::Polish) {
            styleAgrees = Unknown; // a sheet here, above or on the application may have changed
            return false;
        }
        if (event->type() != QEvent::Paint) return false;
        const form::BarColours *colours = coloursOf(bar);
        paintedLast = colours && inFormState(bar) && styleDrawsAsExpected(bar);
        if (!paintedLast) return false;

        const QRect all = bar->rect();
        const int filled = filledRows(bar);
        QPainter painter(bar);
        painter.fillRect(all.adjusted(0, 0, 0, -filled), colours->groove);
        painter.fillRect(all.adjusted(0, all.height() - filled, 0, 0), colours->chunk);
        return true; // QProgressBar::paintEvent() would draw the same again, row by row
    }

private:
    // The state the form gives its bars. The sheet has no rule of its own for a disabled bar; it falls
    // back all the same, as does an empty range, whose chunk Qt animates.
    static bool inFormState(const QProgressBar *bar)
    {
        return bar->isEnabled() && bar->orientation() == Qt::Vertical && !bar->invertedAppearance() &&
               !bar->isTextVisible() && bar->minimum() < bar->maximum() && bar->value() >= bar->minimum();
    }

    // Rules from the window's or the application's sheets add to the bar's own: the groove and the
    // chunk must still fill the whole bar, and the chunk still be 1 px high. Asked once per change of
    // style.
    bool styleDrawsAsExpected(QProgressBar *bar)
    {
        if (styleAgrees == Unknown) {
            QStyleOptionProgressBar option;
            option.initFrom(bar);
            option.state &= ~QStyle::State_Horizontal;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
            option.orientation = Qt::Vertical;
#endif
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.progress = bar->value();
            QStyle *style = bar->style();
            const bool agrees =
                style->inherits("QStyleSheetStyle") &&
                style->subElementRect(QStyle::SE_ProgressBarGroove, &option, bar) == option.rect &&
                style->subElementRect(QStyle::SE_ProgressBarContents, &option, bar) == option.rect &&
                style->pixelMetric(QStyle::PM_ProgressBarChunkWidth, &option, bar) == 1;
            styleAgrees = agrees ? Yes : No;
        }
        return styleAgrees == Yes;
    }

    enum { Unknown, Yes, No } styleAgrees = Unknown;
    bool paintedLast = false;
};

} // namespace

QObject *paintBarDirectly(QProgressBar *bar)
{
    auto *painter = new DirectBarPainter(bar);
    bar->installEventFilter(painter);
    return painter;
}

void paintChannelBarsDirectly(Ui::MainWindow &ui)
{
    for (QProgressBar *bar : {ui.progressBar_10, ui.progressBar_11, ui.progressBar_20, ui.progressBar_21,
                              ui.progressBar_30, ui.progressBar_31, ui.progressBar_40, ui.progressBar_41,
                              ui.progressBar_50, ui.progressBar_51, ui.progressBar_60, ui.progressBar_61,
                              ui.progressBar_70, ui.progressBar_71, ui.progressBar_80, ui.progressBar_81})
        paintBarDirectly(bar);
}
