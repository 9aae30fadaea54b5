// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/roads/roadcells.h"

QPoint RoadCells::across(QPoint cell, Edge edge)
{
    switch (edge) {
    case Edge::North:
        return cell + QPoint(0, -1);
    case Edge::East:
        return cell + QPoint(1, 0);
    case Edge::South:
        return cell + QPoint(0, 1);
    case Edge::West:
        break;
    }
    return cell + QPoint(-1, 0);
}

Edge RoadCells::towards(QPoint from, QPoint to)
{
    if (to.x() > from.x())
        return Edge::East;
    if (to.x() < from.x())
        return Edge::West;
    return to.y() > from.y() ? Edge::South : Edge::North;
}

bool RoadCells::areNeighbours(QPoint a, QPoint b)
{
    return (a - b).manhattanLength() == 1;
}

bool RoadCells::inBlock(const TrackGrid &grid, QPoint cell)
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < grid.width() && cell.y() < grid.height();
}
