// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/roadshape.h"

#include <QVector>

// Where a drive leaves a cell: through the middle part of one of its four
// edges into the neighbour beside it, or through one of its corners into the
// neighbour diagonally across (a diagonal road runs from corner to corner).
// Clockwise from north, so the opposite port is four steps on.
enum class Port { North, NorthEast, East, SouthEast, South, SouthWest, West, NorthWest };

namespace Ports {

constexpr Port opposite(Port port)
{
    return Port((int(port) + 4) % 8);
}

// The step to the neighbour a port leads to, in columns and rows.
constexpr int columnStep(Port port)
{
    const int p = int(port);
    return p >= 1 && p <= 3 ? 1 : p >= 5 ? -1 : 0;
}

constexpr int rowStep(Port port)
{
    const int p = int(port);
    return p == 7 || p <= 1 ? -1 : p >= 3 && p <= 5 ? 1 : 0;
}

// Where a road through the port meets the cell's edge, in cell sides from
// its top-left corner: an edge's middle or a corner.
inline QPointF point(Port port)
{
    return {0.5 + 0.5 * columnStep(port), 0.5 + 0.5 * rowStep(port)};
}

// How a car entering the cell through the port faces: towards the middle.
RoadPose entry(Port port);

} // namespace Ports

// One way through a piece that a drive follows: in at one port, out at the
// other, in either direction, with its centre line inside the cell (its
// shape, driven from `from` to `to`) and that line's length in cell sides.
struct RoadWay
{
    Port from = Port::West;
    Port to = Port::East;
    double length = 0;
    RoadShape shape;
};

// The road a piece carries, measured along its centre lines in cell sides:
// the ways a lap drives through it (a straight has one, a crossroads two,
// one each way) and the road that no lap drives, such as a junction's branch,
// a pit lane or a turning bay. A piece without road has neither.
class PieceRoad
{
public:
    PieceRoad() = default;
    // One way from one port to another along the shape; its length is the shape's.
    PieceRoad(Port from, Port to, const RoadShape &shape);

    // Both pieces' ways and their other road together.
    PieceRoad operator+(const PieceRoad &other) const;
    // The same ways with `length` more road beside them that no lap drives.
    PieceRoad plus(double length) const;

    const QVector<RoadWay> &ways() const { return m_ways; }
    // The road beside the ways.
    double rest() const { return m_rest; }
    // All the road of the piece: its ways and the rest.
    double length() const;
    // The way with an end at the port, or nullptr.
    const RoadWay *wayThrough(Port port) const;

private:
    QVector<RoadWay> m_ways;
    double m_rest = 0;
};
