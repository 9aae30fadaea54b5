// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>

#include <functional>

// A centre line as a dense list of points. Roads, kerbs and painted lines are
// all laid along these; measuring by arc length lets kerbs and dashes be cut
// into segments that fit a piece exactly.
class Polyline
{
public:
    Polyline() = default;
    explicit Polyline(QVector<QPointF> points);

    static Polyline line(QPointF from, QPointF to);
    // Angles in degrees on screen (y down): 0 points right, 90 points down.
    static Polyline arc(QPointF centre, qreal radius, qreal fromDegrees, qreal toDegrees);
    static Polyline curve(const std::function<QPointF(qreal)> &at, int steps);
    static Polyline bezier(QPointF p0, QPointF p1, QPointF p2, QPointF p3);

    Polyline then(const Polyline &next) const;
    // Longer by `by` at both ends, straight along the end tangents, so that a
    // road drawn along it runs cleanly off the cell instead of stopping on the edge.
    Polyline extended(qreal by) const;
    Polyline slice(qreal from, qreal to) const;
    // Parallel at distance d, to the right of the direction of travel on screen.
    Polyline offset(qreal d) const;
    qreal length() const;

    QPainterPath path() const;
    const QVector<QPointF> &points() const { return m_points; }

private:
    QVector<QPointF> m_points;
};
