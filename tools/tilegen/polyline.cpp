// SPDX-License-Identifier: GPL-3.0-or-later
#include "polyline.h"

#include <QLineF>
#include <QtMath>

Polyline::Polyline(QVector<QPointF> points)
    : m_points(std::move(points))
{
}

Polyline Polyline::line(QPointF from, QPointF to)
{
    return Polyline({from, to});
}

Polyline Polyline::arc(QPointF centre, qreal radius, qreal fromDegrees, qreal toDegrees)
{
    const int steps = qMax(8, qCeil(qAbs(toDegrees - fromDegrees)));
    return curve([=](qreal t) {
        const qreal a = qDegreesToRadians(fromDegrees + (toDegrees - fromDegrees) * t);
        return centre + QPointF(radius * qCos(a), radius * qSin(a));
    }, steps);
}

Polyline Polyline::curve(const std::function<QPointF(qreal)> &at, int steps)
{
    QVector<QPointF> points;
    points.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i)
        points.append(at(qreal(i) / steps));
    return Polyline(points);
}

Polyline Polyline::bezier(QPointF p0, QPointF p1, QPointF p2, QPointF p3)
{
    return curve([=](qreal t) {
        const qreal u = 1 - t;
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    }, 64);
}

Polyline Polyline::then(const Polyline &next) const
{
    QVector<QPointF> points = m_points;
    for (const QPointF &p : next.m_points)
        if (points.isEmpty() || QLineF(points.last(), p).length() > 1e-6)
            points.append(p);
    return Polyline(points);
}

Polyline Polyline::extended(qreal by) const
{
    if (m_points.size() < 2)
        return *this;
    QVector<QPointF> points = m_points;
    QLineF head(points[1], points[0]);
    head.setLength(head.length() + by);
    QLineF tail(points[points.size() - 2], points.last());
    tail.setLength(tail.length() + by);
    points.first() = head.p2();
    points.last() = tail.p2();
    return Polyline(points);
}

Polyline Polyline::slice(qreal from, qreal to) const
{
    QVector<QPointF> points;
    qreal walked = 0;
    for (int i = 1; i < m_points.size(); ++i) {
        const QLineF step(m_points[i - 1], m_points[i]);
        const qreal next = walked + step.length();
        if (next >= from && walked <= to && step.length() > 0) {
            const qreal a = qMax<qreal>(0, (from - walked) / step.length());
            const qreal b = qMin<qreal>(1, (to - walked) / step.length());
            if (points.isEmpty())
                points.append(step.pointAt(a));
            points.append(step.pointAt(b));
        }
        walked = next;
    }
    return Polyline(points);
}

Polyline Polyline::offset(qreal d) const
{
    QVector<QPointF> points;
    const int n = m_points.size();
    for (int i = 0; i < n; ++i) {
        const QLineF tangent(m_points[qMax(0, i - 1)], m_points[qMin(n - 1, i + 1)]);
        const QLineF normal = tangent.normalVector().unitVector();
        // normalVector turns left on screen; step the other way for "right".
        points.append(m_points[i] - d * (normal.p2() - normal.p1()));
    }
    return Polyline(points);
}

qreal Polyline::length() const
{
    qreal total = 0;
    for (int i = 1; i < m_points.size(); ++i)
        total += QLineF(m_points[i - 1], m_points[i]).length();
    return total;
}

QPainterPath Polyline::path() const
{
    QPainterPath path;
    if (m_points.isEmpty())
        return path;
    path.moveTo(m_points.first());
    for (int i = 1; i < m_points.size(); ++i)
        path.lineTo(m_points[i]);
    return path;
}
