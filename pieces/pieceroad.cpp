// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/pieceroad.h"

#include <cmath>

RoadPose Ports::entry(Port port)
{
    const QPointF at = point(port);
    return {at, std::atan2(0.5 - at.y(), 0.5 - at.x())};
}

PieceRoad::PieceRoad(Port from, Port to, const RoadShape &shape)
    : m_ways{RoadWay{from, to, shape.length(), shape}}
{
}

PieceRoad PieceRoad::operator+(const PieceRoad &other) const
{
    PieceRoad sum = *this;
    sum.m_ways += other.m_ways;
    sum.m_rest += other.m_rest;
    return sum;
}

PieceRoad PieceRoad::plus(double length) const
{
    PieceRoad more = *this;
    more.m_rest += length;
    return more;
}

double PieceRoad::length() const
{
    double total = m_rest;
    for (const RoadWay &way : m_ways)
        total += way.length;
    return total;
}

const RoadWay *PieceRoad::wayThrough(Port port) const
{
    for (const RoadWay &way : m_ways)
        if (way.from == port || way.to == port)
            return &way;
    return nullptr;
}
