// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lappath.h"

#include "document/circuitfinder.h"
#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

LapPath::LapPath(const RoadPose &start, const QVector<RoadSegment> &segments)
{
    append(RoadShape(start, segments), false, QPointF(), -1);
}

LapPath LapPath::of(const TrackGrid &grid, const Circuit &circuit)
{
    LapPath path;
    path.m_stretches.reserve(circuit.lapWays.size() * 2);
    for (const LapWay &lapWay : circuit.lapWays) {
        // A circuit of another grid has no lap here.
        const Piece *piece = PieceTable::find(grid.cell(lapWay.cell).code);
        if (!piece || lapWay.way >= piece->road.ways().size())
            return LapPath();
        const RoadWay &way = piece->road.ways()[lapWay.way];
        const QPointF cell(TrackGrid::columnOf(lapWay.cell), TrackGrid::rowOf(lapWay.cell));
        path.append(way.shape, lapWay.backwards, cell, lapWay.cell);
    }
    return path;
}

// Each way starts from its own place in its cell, so rounding does not add
// up from cell to cell round a long lap.
void LapPath::append(const RoadShape &shape, bool backwards, const QPointF &offset, int cell)
{
    const QVector<RoadSegment> &segments = shape.segments();
    // Driven backwards, the line starts at its end, facing the other way.
    RoadPose pose = (backwards ? RoadPose{shape.end().point, shape.end().heading + M_PI} : shape.start())
                        .translated(offset);
    for (qsizetype k = 0; k < segments.size(); ++k) {
        const RoadSegment segment = backwards ? segments[segments.size() - 1 - k].reversed() : segments[k];
        m_stretches.append({segment, pose, m_length, cell});
        if (k + 1 < segments.size())
            pose = pose.along(segment, segment.length);
        m_length += segment.length;
    }
}

RoadPose LapPath::at(double distance) const
{
    if (m_stretches.isEmpty())
        return {};
    double along = std::fmod(distance, m_length);
    if (along < 0)
        along += m_length;
    // The last stretch that starts at or before the distance.
    const auto it = std::upper_bound(m_stretches.cbegin(), m_stretches.cend(), along,
                                     [](double d, const Stretch &s) { return d < s.from; });
    const Stretch &stretch = *(it == m_stretches.cbegin() ? it : it - 1);
    return stretch.start.along(stretch.segment, std::min(along - stretch.from, stretch.segment.length));
}
