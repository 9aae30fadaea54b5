// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/roadshape.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

RoadSegment RoadSegment::straight(double length)
{
    return {Straight, length, 0, 0};
}

RoadSegment RoadSegment::arc(double radius, double degrees)
{
    const double angle = qDegreesToRadians(degrees);
    return {Arc, radius * std::abs(angle), radius, angle};
}

RoadSegment RoadSegment::kink(double degrees, double radius)
{
    return {Kink, 0, radius, qDegreesToRadians(degrees)};
}

RoadSegment RoadSegment::reversed() const
{
    RoadSegment other = *this;
    other.angle = -angle;
    return other;
}

RoadPose RoadPose::along(const RoadSegment &segment, double distance) const
{
    const QPointF ahead(std::cos(heading), std::sin(heading));
    switch (segment.kind) {
    case RoadSegment::Straight:
        return {point + distance * ahead, heading};
    case RoadSegment::Kink:
        return {point, heading - segment.angle};
    case RoadSegment::Arc:
        break;
    }
    // The arc's centre lies on the side it turns to, a radius away.
    const QPointF left(ahead.y(), -ahead.x());
    const double side = segment.angle > 0 ? 1 : -1;
    const QPointF centre = point + side * segment.radius * left;
    const double after = heading - segment.angle * distance / segment.length;
    const QPointF leftAfter(std::sin(after), -std::cos(after));
    return {centre - side * segment.radius * leftAfter, after};
}

RoadShape::RoadShape(const RoadPose &start, const QVector<RoadSegment> &segments)
    : m_start(start), m_segments(segments), m_end(start)
{
    for (const RoadSegment &segment : m_segments) {
        m_end = m_end.along(segment, segment.length);
        m_length += segment.length;
    }
}

RoadPose RoadShape::at(double distance) const
{
    RoadPose pose = m_start;
    double left = std::max(0.0, distance);
    for (const RoadSegment &segment : m_segments) {
        if (left < segment.length)
            return pose.along(segment, left);
        pose = pose.along(segment, segment.length);
        left -= segment.length;
    }
    return pose;
}

RoadShape RoadShape::reversed() const
{
    const RoadPose last = end();
    QVector<RoadSegment> back;
    back.reserve(m_segments.size());
    for (auto it = m_segments.crbegin(); it != m_segments.crend(); ++it)
        back.append(it->reversed());
    return RoadShape({last.point, last.heading + M_PI}, back);
}
