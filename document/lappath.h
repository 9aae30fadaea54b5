// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/roadshape.h"

#include <QVector>

struct Circuit;
class TrackGrid;

// A lap as one line to drive: the centre lines of a circuit's lap ways in
// driving order, each placed in its cell, end to end, and closed (its end is
// its start). Lengths and points are in cell sides, points from the grid's
// top-left corner with y growing southwards, so a window scales them by its
// cells' size to draw a car or a trace.
class LapPath
{
public:
    // One segment of the line where it lies on the grid.
    struct Stretch
    {
        RoadSegment segment;
        RoadPose start;
        double from = 0;  // distance from the lap's start to the segment's
        int cell = -1;    // the TrackGrid index of the cell it runs through; -1 drawn by hand
    };

    LapPath() = default;
    // A closed line laid from a start, segment after segment (a test's oval).
    LapPath(const RoadPose &start, const QVector<RoadSegment> &segments);
    // The lap of a circuit of the grid, crossroads driven straight on; empty
    // for a circuit without a lap.
    static LapPath of(const TrackGrid &grid, const Circuit &circuit);

    bool isEmpty() const { return m_stretches.isEmpty(); }
    double length() const { return m_length; }
    const QVector<Stretch> &stretches() const { return m_stretches; }
    // The pose `distance` along the lap, round it again past its end.
    RoadPose at(double distance) const;

private:
    // The shape, or driven from its end when backwards, placed at offset.
    void append(const RoadShape &shape, bool backwards, const QPointF &offset, int cell);

    QVector<Stretch> m_stretches;
    double m_length = 0;
};
