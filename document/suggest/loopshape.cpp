// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/loopshape.h"

#include "document/roads/roadcells.h"
#include "pieces/piecetable.h"

#include <algorithm>

namespace {

// The step across an edge, in columns and rows.
QPoint stepAcross(Edge edge)
{
    return RoadCells::across(QPoint(0, 0), edge);
}

bool isStraight(EdgeSet edges)
{
    return edges == EdgeSets::westEast || edges == EdgeSets::northSouth;
}

// The one edge of a set of one.
Edge onlyEdge(EdgeSet set)
{
    for (Edge edge : Edges::all)
        if (set == EdgeSets::of(edge))
            return edge;
    return Edge::North;
}

// Edges listed clockwise from north, so a quarter turn clockwise moves each
// one place on; a mirror left to right swaps east and west.
EdgeSet turnedClockwise(EdgeSet set)
{
    return ((set << 1) | (set >> 3)) & EdgeSets::all;
}

EdgeSet mirrored(EdgeSet set)
{
    using namespace EdgeSets;
    const EdgeSet swapped = (has(set, Edge::East) ? of(Edge::West) : 0) | (has(set, Edge::West) ? of(Edge::East) : 0);
    return (set & northSouth) | swapped;
}

} // namespace

LoopShape LoopShape::fromRoute(const QVector<QPoint> &route)
{
    if (route.size() < 5 || route.first() != route.last())
        return {};
    int left = route.first().x(), top = route.first().y(), right = left, bottom = top;
    for (const QPoint &cell : route) {
        left = std::min(left, cell.x());
        top = std::min(top, cell.y());
        right = std::max(right, cell.x());
        bottom = std::max(bottom, cell.y());
    }
    LoopShape shape;
    shape.m_width = right - left + 1;
    shape.m_height = bottom - top + 1;
    shape.m_edges = QByteArray(shape.m_width * shape.m_height, '\0');
    const int n = int(route.size()) - 1;
    for (int k = 0; k < n; ++k) {
        const QPoint before = route[(k + n - 1) % n], here = route[k], after = route[k + 1];
        if (!RoadCells::areNeighbours(here, after))
            return {};
        const EdgeSet pass =
            EdgeSets::of(RoadCells::towards(here, before)) | EdgeSets::of(RoadCells::towards(here, after));
        char &cell = shape.m_edges[(here.y() - top) * shape.m_width + here.x() - left];
        const EdgeSet earlier = EdgeSet(quint8(cell));
        // A second pass must cross the first straight over.
        if (earlier != 0 && !(isStraight(earlier) && isStraight(pass) && earlier != pass))
            return {};
        if (EdgeSets::count(pass) != 2)
            return {};
        cell = char(earlier | pass);
    }
    return shape;
}

double LoopShape::driven(RoadFamily family, EdgeSet edges)
{
    const Piece *piece = PieceTable::find(RoadPieces::of(family).piece(edges));
    return piece ? piece->road.length() / (edges == EdgeSets::all ? 2 : 1) : 0;
}

int LoopShape::roadCells() const
{
    return int(std::count_if(m_edges.cbegin(), m_edges.cend(), [](char c) { return c != 0; }));
}

EdgeSet LoopShape::turnedEdges(EdgeSet edges, int symmetry)
{
    if (symmetry >= 4)
        edges = mirrored(edges);
    for (int turn = 0; turn < symmetry % 4; ++turn)
        edges = turnedClockwise(edges);
    return edges;
}

LoopShape LoopShape::turned(int symmetry) const
{
    LoopShape shape = *this;
    if (symmetry >= 4) {
        for (int row = 0; row < m_height; ++row)
            for (int column = 0; column < m_width; ++column)
                shape.m_edges[row * m_width + m_width - 1 - column] = char(mirrored(edgesAt(column, row)));
    }
    for (int turn = 0; turn < symmetry % 4; ++turn) {
        // (column, row) of a w x h shape lands on (h - 1 - row, column) of the h x w one.
        const LoopShape before = shape;
        std::swap(shape.m_width, shape.m_height);
        for (int row = 0; row < before.m_height; ++row)
            for (int column = 0; column < before.m_width; ++column)
                shape.m_edges[column * shape.m_width + before.m_height - 1 - row] =
                    char(turnedClockwise(before.edgesAt(column, row)));
    }
    return shape;
}

QByteArray LoopShape::canonicalKey() const
{
    QByteArray best;
    for (int symmetry = 0; symmetry < symmetries; ++symmetry) {
        const LoopShape shape = turned(symmetry);
        QByteArray key;
        key.reserve(shape.m_edges.size() + 2);
        key.append(char(shape.m_width)).append(char(shape.m_height)).append(shape.m_edges);
        if (best.isEmpty() || key < best)
            best = key;
    }
    return best;
}

QVector<QPoint> LoopShape::route() const
{
    int first = 0;
    while (first < m_edges.size() && (m_edges[first] == 0 || EdgeSet(quint8(m_edges[first])) == EdgeSets::all))
        ++first;
    if (first == m_edges.size())
        return {};
    const QPoint start(first % m_width, first / m_width);
    const EdgeSet startEdges = edgesAt(start.x(), start.y());
    Edge out = onlyEdge(startEdges & ~(startEdges - 1));
    QVector<QPoint> route{start};
    QPoint here = start;
    // Each cell is passed at most twice; more means the road is no one drive.
    for (int steps = 0; steps <= 2 * int(m_edges.size()); ++steps) {
        here += stepAcross(out);
        if (here.x() < 0 || here.y() < 0 || here.x() >= m_width || here.y() >= m_height)
            return {};
        route.append(here);
        if (here == start)
            return route;
        const EdgeSet edges = edgesAt(here.x(), here.y());
        const Edge in = Edges::opposite(out);
        if (!EdgeSets::has(edges, in))
            return {};
        if (edges != EdgeSets::all)
            out = onlyEdge(edges & ~EdgeSets::of(in));
    }
    return {};
}

LoopShape::Features LoopShape::features() const
{
    Features features;
    const QVector<QPoint> cells = route();
    const int n = int(cells.size()) - 1;
    // Each corner of the drive: where it lies along the route and which way it turns.
    struct Turning
    {
        int at;
        bool right;
    };
    QVector<Turning> turns;
    for (int k = 0; k < n; ++k) {
        const QPoint in = cells[k] - cells[(k + n - 1) % n], out = cells[k + 1] - cells[k];
        if (in == out)
            continue;
        // With rows counting down the screen, a right turn has a positive cross product.
        turns.append({k, in.x() * out.y() - in.y() * out.x() > 0});
    }
    features.corners = int(turns.size());
    for (char c : m_edges)
        features.crossings += EdgeSet(quint8(c)) == EdgeSets::all;
    // Pairs of corners in driving order, the last with the first too, none
    // counted in two pairs.
    const int count = int(turns.size());
    bool firstPaired = false;
    for (int k = 0; k < count - 1 || (k == count - 1 && count > 2 && !firstPaired); ++k) {
        const Turning &a = turns[k], &b = turns[(k + 1) % count];
        const int between = (b.at - a.at + n) % n - 1;
        if (between > 1)
            continue;
        ++(a.right == b.right ? features.hairpins : features.chicanes);
        firstPaired = firstPaired || k == 0;
        ++k;
    }
    return features;
}
