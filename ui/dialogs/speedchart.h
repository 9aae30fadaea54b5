// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/lapdrive.h"
#include "document/laptrace.h"

#include <QWidget>

// The car's speed over the lap's distance, as a small chart: the lap on the
// grippy floor coloured as the track's speed map is (slow red, fast green),
// the slippery floor's as a grey line beneath it, and the slowest corners
// marked with their speed.
class SpeedChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr int markedCorners = 3;

    explicit SpeedChart(QWidget *parent);

    // The lap on the grippy floor and the same lap on the slippery one.
    void setLap(const LapTrace &fast, const LapDrive &slow);
    void clear();
    const LapTrace &lap() const { return m_fast; }

    QSize sizeHint() const override { return {420, 130}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF at(double metres, double speed) const;
    void paintAxes(QPainter &painter, double top) const;
    void paintCurves(QPainter &painter) const;
    void paintCorners(QPainter &painter) const;

    LapTrace m_fast;
    LapDrive m_slow;
    QRectF m_plot;      // where the curves go
    double m_top = 1;   // the speed at the plot's top
};
