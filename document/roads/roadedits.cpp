// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/roads/roadedits.h"

#include "document/gridedits.h"
#include "document/roads/roadcells.h"
#include "pieces/pieceedges.h"
#include "pieces/roadfamily.h"

namespace {

enum class Axis { Columns, Rows };

// A cell along the line: `line` counts columns (or rows), `along` the places in it.
QPoint at(Axis axis, int line, int along)
{
    return axis == Axis::Columns ? QPoint(line, along) : QPoint(along, line);
}

int lineCount(const TrackGrid &grid, Axis axis)
{
    return axis == Axis::Columns ? grid.width() : grid.height();
}

int alongCount(const TrackGrid &grid, Axis axis)
{
    return axis == Axis::Columns ? grid.height() : grid.width();
}

// The straight that carries a road over the new cell between before and
// after, the cells that met across the line; empty when they did not meet
// on a plain road of one family.
QByteArray stretch(const QByteArray &before, const QByteArray &after, Axis axis)
{
    const Edge out = axis == Axis::Columns ? Edge::East : Edge::South;
    const Edge in = Edges::opposite(out);
    const PieceEdges *first = PieceEdges::find(before);
    const PieceEdges *second = PieceEdges::find(after);
    if (!first || !second || (*first)[out].isEmpty() || (*first)[out] != (*second)[in])
        return {};
    const RoadPieces &roads = RoadPieces::of(RoadPieces::familyOf(before));
    if (!roads.carriesRoad(before, out))
        return {};
    return roads.piece(EdgeSets::of(out) | EdgeSets::of(in));
}

// The open ends of after that are not those of before moved by the edit:
// `line` moved to line + shift, those past it with it; a deleted line's
// ends (shift -1) are gone.
QVector<OpenEnd> madeOpen(const TrackGrid &before, const TrackGrid &after, Axis axis, int line, int shift)
{
    QVector<OpenEnd> moved;
    for (OpenEnd end : RoadEdits::openEnds(before)) {
        int &place = axis == Axis::Columns ? end.column : end.row;
        if (shift < 0 && place == line)
            continue;
        if (place >= line + (shift < 0 ? 1 : 0))
            place += shift;
        moved.append(end);
    }
    QVector<OpenEnd> made;
    for (const OpenEnd &end : RoadEdits::openEnds(after))
        if (!moved.contains(end))
            made.append(end);
    return made;
}

RoadEdits::Result inserted(const TrackGrid &grid, Axis axis, int line)
{
    TrackGrid out = axis == Axis::Columns ? GridEdits::insertColumn(grid, line) : GridEdits::insertRow(grid, line);
    if (out == grid)
        return {grid, {}};
    // Only roads inside the block are stretched: a hidden cell is no part of the track.
    if (line > 0 && line < lineCount(grid, axis)) {
        for (int along = 0; along < alongCount(grid, axis); ++along) {
            const QByteArray piece = stretch(RoadCells::code(grid, at(axis, line - 1, along)),
                                             RoadCells::code(grid, at(axis, line, along)), axis);
            if (!piece.isEmpty())
                out.setCode(RoadCells::index(at(axis, line, along)), piece);
        }
    }
    return {out, madeOpen(grid, out, axis, line, 1)};
}

RoadEdits::Result deleted(const TrackGrid &grid, Axis axis, int line)
{
    const TrackGrid out =
        axis == Axis::Columns ? GridEdits::deleteColumn(grid, line) : GridEdits::deleteRow(grid, line);
    if (out == grid)
        return {grid, {}};
    return {out, madeOpen(grid, out, axis, line, -1)};
}

} // namespace

RoadEdits::Result RoadEdits::insertColumn(const TrackGrid &grid, int column)
{
    return inserted(grid, Axis::Columns, column);
}

RoadEdits::Result RoadEdits::deleteColumn(const TrackGrid &grid, int column)
{
    return deleted(grid, Axis::Columns, column);
}

RoadEdits::Result RoadEdits::insertRow(const TrackGrid &grid, int row)
{
    return inserted(grid, Axis::Rows, row);
}

RoadEdits::Result RoadEdits::deleteRow(const TrackGrid &grid, int row)
{
    return deleted(grid, Axis::Rows, row);
}

QVector<OpenEnd> RoadEdits::openEnds(const TrackGrid &grid)
{
    return ConnectionCheck::openEnds(grid.width(), grid.height(),
                                     [&grid](int column, int row) { return grid.cell(column, row).code; });
}
