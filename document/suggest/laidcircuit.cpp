// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/laidcircuit.h"

#include "document/circuitfinder.h"
#include "pieces/piecetable.h"
#include "pieces/substitutes.h"

#include <array>

namespace {

bool isStraight(EdgeSet edges)
{
    return edges == EdgeSets::westEast || edges == EdgeSets::northSouth;
}

QByteArray findStartLine(RoadFamily family, EdgeSet straight)
{
    const QByteArray &plain = RoadPieces::of(family).piece(straight);
    for (const Piece &piece : PieceTable::pieces())
        if (RoadPieces::familyOf(piece.code) == family && CircuitFinder::isStartLine(piece.code)
            && Substitutes::of(piece.code).contains(plain))
            return piece.code;
    return QByteArray();
}

} // namespace

const QByteArray &LaidCircuit::startLine(RoadFamily family, EdgeSet straight)
{
    // By family, west-east then north-south.
    static const std::array<std::array<QByteArray, 2>, 3> lines = [] {
        std::array<std::array<QByteArray, 2>, 3> found;
        for (int f = 0; f < 3; ++f)
            found[size_t(f)] = {findStartLine(RoadFamily(f), EdgeSets::westEast),
                                findStartLine(RoadFamily(f), EdgeSets::northSouth)};
        return found;
    }();
    static const QByteArray none;
    if (!isStraight(straight))
        return none;
    return lines[size_t(family)][straight == EdgeSets::westEast ? 0 : 1];
}

std::optional<QPoint> LaidCircuit::startCell(const LoopShape &shape)
{
    QVector<QPoint> route = shape.route();
    if (route.isEmpty())
        return std::nullopt;
    route.removeLast();
    const int n = int(route.size());
    auto straightAt = [&](int k) {
        const QPoint cell = route[k % n];
        return isStraight(shape.edgesAt(cell.x(), cell.y()));
    };
    // Runs are counted from a cell that is no straight, so none is cut in two.
    int from = 0;
    while (from < n && straightAt(from))
        ++from;
    if (from == n)
        return std::nullopt;
    int bestStart = -1, bestLength = 0;
    for (int k = from; k < from + n;) {
        int length = 0;
        while (length < n && straightAt(k + length))
            ++length;
        if (length > bestLength) {
            bestStart = k;
            bestLength = length;
        }
        k += std::max(1, length);
    }
    if (bestLength == 0)
        return std::nullopt;
    return route[(bestStart + (bestLength - 1) / 2) % n];
}

std::optional<TrackGrid> LaidCircuit::lay(const LoopShape &shape, RoadFamily family, QSize floor, QPoint offset)
{
    if (offset.x() < 0 || offset.y() < 0 || offset.x() + shape.width() > floor.width()
        || offset.y() + shape.height() > floor.height())
        return std::nullopt;
    const RoadPieces &roads = RoadPieces::of(family);
    TrackGrid grid;
    grid.setSize(floor.width(), floor.height());
    grid.showBlock();
    for (int column = 0; column < floor.width(); ++column)
        for (int row = 0; row < floor.height(); ++row)
            grid.setCode(TrackGrid::index(column, row), roads.plain());
    // Each cell takes the family's piece for its edges, as the route solver
    // lays a route through it: the straight or corner that joins the cells
    // before and after, the crossroads where the lap crosses itself.
    if (shape.route().isEmpty())
        return std::nullopt;
    for (int column = 0; column < shape.width(); ++column)
        for (int row = 0; row < shape.height(); ++row)
            if (const EdgeSet edges = shape.edgesAt(column, row))
                grid.setCode(TrackGrid::index(column + offset.x(), row + offset.y()), roads.piece(edges));
    if (const std::optional<QPoint> start = startCell(shape)) {
        const QByteArray &line = startLine(family, shape.edgesAt(start->x(), start->y()));
        if (!line.isEmpty())
            grid.setCode(TrackGrid::index(start->x() + offset.x(), start->y() + offset.y()), line);
    }
    return grid;
}
