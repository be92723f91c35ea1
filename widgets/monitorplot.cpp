// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/monitorplot.h"

#include "widgets/plotcolumns.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kScaleWidth = 46, kTopMargin = 16, kBottomMargin = 18, kEdge = 8;

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

void MonitorPlot::setCursorUs(std::optional<qint64> atUs)
{
    m_cursorUs = atUs;
    update();
}

QRect MonitorPlot::plotArea() const
{
    bool right = false;
    for (const Series &s : m_series) right = right || s.axis == 1;
    return QRect(QPoint(kScaleWidth, kTopMargin),
                 QPoint(width() - 1 - (right ? kScaleWidth : kEdge), height() - 1 - kBottomMargin));
}

void MonitorPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotArea();
    if (area.width() < 2 || area.height() < 2) return;
    const int columns = area.width();

    QVector<ColumnSpan> spans[2];
    for (const Series &s : m_series)
        if (s.shown && m_rings && spans[s.telemetry].isEmpty())
            spans[s.telemetry] = plotColumns(s.telemetry ? m_rings->telemetry() : m_rings->channels(),
                                             m_fromUs, m_toUs, columns);
    auto spanOf = [&](const Series &s, int c) -> const ColumnSpan * {
        const QVector<ColumnSpan> &all = spans[s.telemetry];
        const int width = (s.telemetry ? m_rings->telemetry() : m_rings->channels()).width();
        return all.isEmpty() ? nullptr : &all[c * width + s.value];
    };

    // A scale that grows takes in the highest figure shown, a step at a time.
    Scale scales[2] = {m_scales[0], m_scales[1]};
    for (const Series &s : m_series) {
        Scale &scale = scales[s.axis];
        if (!s.shown || !scale.growHigh) continue;
        FigureMemo figure(s);
        for (int c = 0; c < columns; ++c) {
            const ColumnSpan *span = spanOf(s, c);
            if (!span || !span->drawn) continue;
            if (const auto f = figure(span->high); f && *f > scale.high)
                scale.high = std::ceil(*f / scale.step) * scale.step;
        }
    }
    paintScales(painter, area, scales);
    paintTimeAxis(painter, area);

    painter.setClipRect(area);
    QVector<QLine> lines;
    lines.reserve(columns);
    for (const Series &s : m_series) {
        if (!s.shown) continue;
        FigureMemo figure(s);
        lines.resize(0);
        for (int c = 0; c < columns; ++c) {
            const ColumnSpan *span = spanOf(s, c);
            if (!span || !span->drawn) continue;
            std::optional<double> low = figure(span->low), high = figure(span->high);
            if (!low) low = high;
            if (!high) high = low;
            if (!low) continue;
            const int x = area.left() + c;
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
            if (axis == 0) {
                painter.setPen(QColor(225, 225, 225));
                painter.drawLine(area.left(), y, area.right(), y);
            }
            painter.setPen(Qt::darkGray);
            const QString text = QString::number(v);
            const int x = axis == 0 ? area.left() - 4 - metrics.horizontalAdvance(text) : area.right() + 4;
            painter.drawText(x, y + metrics.ascent() / 2 - 1, text);
        }
        const int x = axis == 0 ? area.left() - 4 - metrics.horizontalAdvance(scale.unit) : area.right() + 4;
        painter.drawText(x, area.top() - 4, scale.unit);
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
        const int x = area.left() + columnAt(atUs, m_fromUs, m_toUs, area.width());
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(x, area.top(), x, area.bottom());
        painter.setPen(Qt::darkGray);
        const QString text = s == 0 ? QStringLiteral("0 s") : QStringLiteral("-%1 s").arg(s);
        const int w = metrics.horizontalAdvance(text);
        painter.drawText(std::clamp(x - w / 2, 0, width() - w), area.bottom() + 2 + metrics.ascent(), text);
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
