// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QVector>

// One stretch of a road's centre line: straight ahead, a circular arc, or a
// kink where two drawn centre lines meet at an angle (a roundabout's arm and
// its ring). Lengths and radii are in cell sides.
struct RoadSegment
{
    enum Kind { Straight, Arc, Kink };

    Kind kind = Straight;
    double length = 0;  // along the line; an arc's radius times its angle; a kink's 0
    // An arc's radius. A kink has no length, but a car cannot turn on the
    // spot: it swings through on this radius, which sets its speed there.
    double radius = 0;
    double angle = 0;   // radians turned, positive to the driver's left; 0 when straight

    static RoadSegment straight(double length);
    // degrees > 0 turns left, < 0 right.
    static RoadSegment arc(double radius, double degrees);
    static RoadSegment kink(double degrees, double radius);

    // The same stretch driven the other way: it turns to the other side.
    RoadSegment reversed() const;
    // The radius a car drives it on, or 0 when it runs straight.
    double turnRadius() const { return kind == Straight ? 0 : radius; }
};

// A place on a centre line and the way a car faces there. Points are in cell
// sides with y growing southwards, as the grid's rows do; the heading is in
// radians, 0 east and pi/2 south, so a left turn lowers it.
struct RoadPose
{
    QPointF point;
    double heading = 0;

    // Where `distance` along the segment leads from here (at most its length;
    // a kink turns on the spot).
    RoadPose along(const RoadSegment &segment, double distance) const;
    RoadPose translated(const QPointF &offset) const { return {point + offset, heading}; }
};

// A centre line through one piece, from where a way enters the cell to where
// it leaves: a start and the segments that follow one another from it.
class RoadShape
{
public:
    RoadShape() = default;
    RoadShape(const RoadPose &start, const QVector<RoadSegment> &segments);

    const RoadPose &start() const { return m_start; }
    const QVector<RoadSegment> &segments() const { return m_segments; }
    double length() const { return m_length; }
    const RoadPose &end() const { return m_end; }
    // The pose `distance` along the line, clamped to its ends.
    RoadPose at(double distance) const;
    // The same line driven from its end back to its start.
    RoadShape reversed() const;

private:
    RoadPose m_start;
    QVector<RoadSegment> m_segments;
    // Worked out once: laps ask for them cell after cell.
    RoadPose m_end;
    double m_length = 0;
};
