// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/monitorplot.h"

#include "widgets/plotcolumns.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kScaleWidth = 46, kTopMargin = 24, kBottomMargin = 20;

int yOf(double figure, const MonitorPlot::Scale &scale, const QRect &area)
{
    const double share = (figure - scale.low) / (scale.high - scale.low);
    const int y = area.bottom() - int(std::lround(share * (area.height() - 1)));
    return std::clamp(y, area.top(), area.bottom());
}

// The seconds between two marks on the time axis: some six marks across any span.
int timeStepSeconds(qint64 spanUs)
{
    const qint64 seconds = spanUs / 1000000;
    if (seconds <= 6) return 1;
    if (seconds <= 12) return 2;
    if (seconds <= 30) return 5;
    return 10;
}

// The figure of a raw value, asked of the series once per distinct value in a row: voltages and the
// signal change seldom, and their read-out rules go through text.
class FigureMemo
{
public:
    explicit FigureMemo(const MonitorPlot::Series &s) : series(s) {}
    std::optional<double> operator()(int raw)
    {
        if (raw != lastRaw) {
            lastRaw = raw;
            last = series.figure ? series.figure(raw) : std::optional<double>(raw);
        }
        return last;
    }

private:
    const MonitorPlot::Series &series;
    int lastRaw = -1;
    std::optional<double> last;
};
} // namespace

MonitorPlot::MonitorPlot(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: nothing below needs drawing first
    setMouseTracking(true);
    setMinimumSize(320, 120);
}

void MonitorPlot::setSeriesShown(int index, bool shown)
{
    if (index < 0 || index >= m_series.size()) return;
    m_series[index].shown = shown;
    update();
}

void MonitorPlot::setView(qint64 fromUs, qint64 toUs)
{
    m_fromUs = fromUs;
    m_toUs = std::max(toUs, fromUs + 1);
    update();
}

bool MonitorPlot::follow(qint64 nowUs, qint64 spanUs)
{
    const QRect area = plotArea();
    const int columns = std::max(1, area.width());
    const qint64 columnUs = std::max<qint64>(1, spanUs / columns);
    const qint64 toUs = nowUs / columnUs * columnUs;
    const qint64 fromUs = toUs - columnUs * columns;
    if (toUs == m_toUs && fromUs == m_fromUs) return false;
    const qint64 moved = toUs - m_toUs;
    const bool sameGrid = fromUs - m_fromUs == moved && moved % columnUs == 0;
    m_fromUs = fromUs;
    m_toUs = toUs;
    const qint64 dx = moved / columnUs;
    // The cursor's line stays where the pointer is: it needs the whole plot painted again.
    if (!sameGrid || dx <= 0 || dx >= columns || m_cursorUs || !isVisible()) {
        update();
        return true;
    }
    scroll(int(-dx), 0, area);
    const int redraw = int(std::min<qint64>(columns, dx + kLateUs / columnUs + 1));
    update(QRect(area.right() + 1 - redraw, area.top(), redraw, area.height()));
    return true;
}

void MonitorPlot::setCursorUs(std::optional<qint64> atUs)
{
    m_cursorUs = atUs;
    update();
}

// Room for a scale on either side, used or not, so that plots one above the other share their columns.
QRect MonitorPlot::plotArea() const
{
    return QRect(QPoint(kScaleWidth, kTopMargin),
                 QPoint(width() - 1 - kScaleWidth, height() - 1 - kBottomMargin));
}

void MonitorPlot::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, Qt::white);
    const QRect area = plotArea();
    if (area.width() < 2 || area.height() < 2) return;
    const int firstColumn = std::clamp(dirty.left() - area.left(), 0, area.width());
    const int endColumn = std::clamp(dirty.right() + 1 - area.left(), 0, area.width());
    const bool whole = firstColumn == 0 && endColumn == area.width();
    if (whole)
        for (int axis = 0; axis < 2; ++axis) m_shownHigh[axis] = m_scales[axis].high;
    const double highBefore[2] = {m_shownHigh[0], m_shownHigh[1]};
    paintSeries(painter, area, firstColumn, endColumn);
    // A value above the top seen in the new columns alone: everything is drawn again to the new scale.
    if (!whole && (m_shownHigh[0] != highBefore[0] || m_shownHigh[1] != highBefore[1])) {
        update();
        return;
    }
    // The scales and the time axis lie outside the plot area: a move paints none of them.
    if (!area.contains(dirty)) {
        painter.setClipping(false);
        Scale scales[2] = {m_scales[0], m_scales[1]};
        for (int axis = 0; axis < 2; ++axis) scales[axis].high = m_shownHigh[axis];
        paintScales(painter, area, scales);
        paintTimeAxis(painter, area);
    }
}

// The columns [firstColumn, endColumn): the scales' grid lines, each series' spans, the cursor.
void MonitorPlot::paintSeries(QPainter &painter, const QRect &area, int firstColumn, int endColumn)
{
    if (endColumn <= firstColumn) return;
    const int columns = area.width();
    const qint64 fromUs = columnStartUs(firstColumn, m_fromUs, m_toUs, columns);
    const qint64 toUs = columnStartUs(endColumn, m_fromUs, m_toUs, columns);
    const int count = endColumn - firstColumn;
    QVector<ColumnSpan> spans[2];
    for (const Series &s : m_series)
        if (s.shown && m_rings && spans[s.telemetry].isEmpty())
            spans[s.telemetry] =
                plotColumns(s.telemetry ? m_rings->telemetry() : m_rings->channels(), fromUs, toUs, count);
    auto spanOf = [&](const Series &s, int c) -> const ColumnSpan * {
        const QVector<ColumnSpan> &all = spans[s.telemetry];
        const int width = (s.telemetry ? m_rings->telemetry() : m_rings->channels()).width();
        return all.isEmpty() ? nullptr : &all[c * width + s.value];
    };

    // A scale that grows takes in the highest figure shown, a step at a time.
    for (const Series &s : m_series) {
        const Scale &scale = m_scales[s.axis];
        if (!s.shown || !scale.growHigh) continue;
        FigureMemo figure(s);
        for (int c = 0; c < count; ++c) {
            const ColumnSpan *span = spanOf(s, c);
            if (!span || !span->drawn) continue;
            if (const auto f = figure(span->high); f && *f > m_shownHigh[s.axis])
                m_shownHigh[s.axis] = std::ceil(*f / scale.step) * scale.step;
        }
    }
    Scale scales[2] = {m_scales[0], m_scales[1]};
    for (int axis = 0; axis < 2; ++axis) scales[axis].high = m_shownHigh[axis];

    const int left = area.left() + firstColumn, right = area.left() + endColumn - 1;
    painter.setClipRect(QRect(QPoint(left, area.top()), QPoint(right, area.bottom())));
    painter.setPen(QColor(225, 225, 225));
    const Scale &grid = scales[0];
    const int steps = int(std::lround((grid.high - grid.low) / grid.step));
    for (int i = 0; i <= steps; ++i) {
        const int y = yOf(grid.low + i * grid.step, grid, area);
        painter.drawLine(left, y, right, y);
    }
    QVector<QLine> lines;
    lines.reserve(count);
    for (const Series &s : m_series) {
        if (!s.shown) continue;
        FigureMemo figure(s);
        lines.resize(0);
        for (int c = 0; c < count; ++c) {
            const ColumnSpan *span = spanOf(s, c);
            if (!span || !span->drawn) continue;
            std::optional<double> low = figure(span->low), high = figure(span->high);
            if (!low) low = high;
            if (!high) high = low;
            if (!low) continue;
            const int x = left + c;
            lines.append(QLine(x, yOf(*low, scales[s.axis], area), x, yOf(*high, scales[s.axis], area)));
        }
        painter.setPen(QPen(s.colour, 1));
        painter.drawLines(lines);
    }
    if (m_cursorUs) {
        const int x = area.left() + columnAt(*m_cursorUs, m_fromUs, m_toUs, columns);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawLine(x, area.top(), x, area.bottom());
    }
}

void MonitorPlot::paintScales(QPainter &painter, const QRect &area, const Scale *scales)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (int axis = 0; axis < 2; ++axis) {
        bool used = false;
        for (const Series &s : m_series) used = used || s.axis == axis;
        if (!used) continue;
        const Scale &scale = scales[axis];
        const int steps = int(std::lround((scale.high - scale.low) / scale.step));
        for (int i = 0; i <= steps; ++i) {
            const double v = scale.low + i * scale.step;
            const int y = yOf(v, scale, area);
            painter.setPen(Qt::darkGray);
            const QString text = QString::number(v);
            const int x = axis == 0 ? area.left() - 4 - metrics.horizontalAdvance(text) : area.right() + 4;
            painter.drawText(x, y + metrics.ascent() / 2 - 1, text);
        }
        const int x = axis == 0 ? area.left() - 4 - metrics.horizontalAdvance(scale.unit) : area.right() + 4;
        painter.drawText(x, area.top() - 4 - metrics.ascent() / 2, scale.unit); // above the top figure
    }
    painter.setPen(Qt::gray);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
}

void MonitorPlot::paintTimeAxis(QPainter &painter, const QRect &area)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int step = timeStepSeconds(m_toUs - m_fromUs);
    for (int s = 0;; s += step) {
        const qint64 atUs = m_toUs - qint64(s) * 1000000;
        if (atUs < m_fromUs) break;
        // A tick under the plot, not a line through it: the plot moves, the axis stays.
        const int x = area.left() + columnAt(atUs, m_fromUs, m_toUs, area.width());
        painter.setPen(Qt::darkGray);
        painter.drawLine(x, area.bottom() + 1, x, area.bottom() + 3);
        //: A mark on the time axis: %1 seconds (0 or less) from the graph's end.
        const QString text = tr("%1 s").arg(-s);
        const int w = metrics.horizontalAdvance(text);
        painter.drawText(std::clamp(x - w / 2, 0, width() - w), area.bottom() + 3 + metrics.ascent(), text);
    }
}

void MonitorPlot::mouseMoveEvent(QMouseEvent *event)
{
    const QRect area = plotArea();
    const int x = int(event->pos().x());
    if (x < area.left() || x > area.right()) {
        if (m_cursorUs) {
            setCursorUs(std::nullopt);
            emit cursorLeft();
        }
        return;
    }
    const qint64 atUs = columnStartUs(x - area.left(), m_fromUs, m_toUs, area.width());
    setCursorUs(atUs);
    emit cursorMoved(atUs);
}

void MonitorPlot::leaveEvent(QEvent *)
{
    if (!m_cursorUs) return;
    setCursorUs(std::nullopt);
    emit cursorLeft();
}
