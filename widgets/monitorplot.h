// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/samplering.h"

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>
#include <optional>

// Live values over time, painted from the rings: each pixel column is a line from the lowest to the
// highest value of the samples it covers (plotcolumns.h). It repaints only when told (setView,
// follow). Following the present, it moves what is drawn aside by whole columns and paints only the
// new ones and the last few, whose frames may still be on their way: a full repaint 30 times a second
// cost several times what taking the stream costs.
class MonitorPlot : public QWidget
{
    Q_OBJECT

public:
    struct Series {
        bool telemetry = false; // from the telemetry ring, else the channel ring
        int value = 0;          // the ring's value index
        QColor colour;
        int axis = 0; // 0 the left scale, 1 the right one
        // The value as the read-outs show it; none where they show none (no signal).
        std::function<std::optional<double>(int raw)> figure;
        bool shown = true;
    };
    struct Scale {
        double low = 0, high = 1, step = 1; // grid lines every `step`
        QString unit;
        bool growHigh = false; // the top rises by steps to take in the highest value in view
    };

    explicit MonitorPlot(QWidget *parent = nullptr);

    void setRings(const LiveRings *rings) { m_rings = rings; }
    void setSeries(const QVector<Series> &series) { m_series = series; }
    void setSeriesShown(int index, bool shown);
    bool seriesShown(int index) const { return m_series.value(index).shown; }
    QColor seriesColour(int index) const { return m_series.value(index).colour; }
    void setScale(int axis, const Scale &scale) { m_scales[axis] = scale; }
    // The time span shown, in the rings' clock; repaints.
    void setView(qint64 fromUs, qint64 toUs);
    // The `spanUs` up to `nowUs`, its end on a whole column; false if that did not move the view.
    bool follow(qint64 nowUs, qint64 spanUs);
    // The columns repainted after each move besides the new ones: frames reach the window up to a
    // hand-off late, and the newest columns are redrawn with them.
    static constexpr qint64 kLateUs = 150000;
    qint64 viewFromUs() const { return m_fromUs; }
    qint64 viewToUs() const { return m_toUs; }
    // The plot's pixel area inside the widget, between the scales.
    QRect plotArea() const;
    // The pointer's time, when it is over the plot.
    std::optional<qint64> cursorUs() const { return m_cursorUs; }
    void setCursorUs(std::optional<qint64> atUs);

signals:
    void cursorMoved(qint64 atUs);
    void cursorLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paintScales(QPainter &painter, const QRect &area, const Scale *scales);
    void paintTimeAxis(QPainter &painter, const QRect &area);
    void paintSeries(QPainter &painter, const QRect &area, int firstColumn, int endColumn);

    const LiveRings *m_rings = nullptr;
    QVector<Series> m_series;
    Scale m_scales[2];
    qint64 m_fromUs = 0, m_toUs = 1;
    std::optional<qint64> m_cursorUs;
    double m_shownHigh[2] = {}; // the scales' tops as last painted, grown to what was in view
};
