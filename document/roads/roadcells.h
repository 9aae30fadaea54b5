// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"
#include "pieces/edge.h"

#include <QPoint>

// The geometry that the road tools share: cells as points (x the column,
// y the row, from 0), their neighbours across each edge, and the block of
// the grid that is the track.
class RoadCells
{
public:
    // The neighbour across the edge (it may lie outside the grid).
    static QPoint across(QPoint cell, Edge edge);
    // The edge of from that faces to; the two are neighbours.
    static Edge towards(QPoint from, QPoint to);
    static bool areNeighbours(QPoint a, QPoint b);
    // Inside the width x height block.
    static bool inBlock(const TrackGrid &grid, QPoint cell);
    static int index(QPoint cell) { return TrackGrid::index(cell.x(), cell.y()); }
    static const QByteArray &code(const TrackGrid &grid, QPoint cell) { return grid.cell(index(cell)).code; }
};
