// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random closed circuits of one road family, for property tests.

#include "document/trackgrid.h"
#include "pieces/roadfamily.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QVector>

namespace ClosedLoops {

// A loop round a random tree of up to 7 x 7 nodes: each node is a block of
// 2 x 2 cells, a ring of four corners, and every edge of the tree cuts the
// two rings where their blocks meet and joins them across, so the road stays
// one closed loop through every cell of the blocks (straights where rings
// join). On grass, with a border of one cell: at most 16 x 16 cells.
inline TrackGrid random(QRandomGenerator &random, RoadFamily family)
{
    const int columns = random.bounded(1, 8), rows = random.bounded(1, 8);
    const int size = random.bounded(1, columns * rows + 1);
    QVector<EdgeSet> links(TrackGrid::cellCount);
    // The cell (dx, dy) of node (column, row)'s block.
    auto cell = [&](int column, int row, int dx, int dy) -> EdgeSet & {
        return links[TrackGrid::index(1 + 2 * column + dx, 1 + 2 * row + dy)];
    };
    auto ring = [&](int column, int row) {
        using namespace EdgeSets;
        cell(column, row, 0, 0) = of(Edge::East) | of(Edge::South);
        cell(column, row, 1, 0) = of(Edge::West) | of(Edge::South);
        cell(column, row, 0, 1) = of(Edge::North) | of(Edge::East);
        cell(column, row, 1, 1) = of(Edge::North) | of(Edge::West);
    };
    // A cell of a join: the link along the cut side goes, one across comes.
    auto rejoin = [&](EdgeSet &set, Edge cut, Edge across) { set = (set & ~EdgeSets::of(cut)) | EdgeSets::of(across); };

    QVector<QPoint> tree{QPoint(random.bounded(columns), random.bounded(rows))};
    ring(tree[0].x(), tree[0].y());
    while (int(tree.size()) < size) {
        const QPoint from = tree[random.bounded(int(tree.size()))];
        const int step = random.bounded(4);
        const QPoint to = from + QPoint((step == 1) - (step == 3), (step == 2) - (step == 0));
        if (to.x() < 0 || to.y() < 0 || to.x() >= columns || to.y() >= rows || tree.contains(to))
            continue;
        tree.append(to);
        ring(to.x(), to.y());
        const QPoint a = from.x() + from.y() < to.x() + to.y() ? from : to;  // west or north of b
        const QPoint b = a == from ? to : from;
        if (a.y() == b.y()) {
            rejoin(cell(a.x(), a.y(), 1, 0), Edge::South, Edge::East);
            rejoin(cell(a.x(), a.y(), 1, 1), Edge::North, Edge::East);
            rejoin(cell(b.x(), b.y(), 0, 0), Edge::South, Edge::West);
            rejoin(cell(b.x(), b.y(), 0, 1), Edge::North, Edge::West);
        } else {
            rejoin(cell(a.x(), a.y(), 0, 1), Edge::East, Edge::South);
            rejoin(cell(a.x(), a.y(), 1, 1), Edge::West, Edge::South);
            rejoin(cell(b.x(), b.y(), 0, 0), Edge::East, Edge::North);
            rejoin(cell(b.x(), b.y(), 1, 0), Edge::West, Edge::North);
        }
    }
    TrackGrid grid;
    grid.setSize(2 * columns + 2, 2 * rows + 2);
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        if (links[i])
            grid.setCode(i, RoadPieces::of(family).piece(links[i]));
    grid.showBlock();
    return grid;
}

} // namespace ClosedLoops
