// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/gridedits.h"

#include "pieces/catalogue.h"

namespace {

// Columns and rows are handled by one walk: a line is a column or a row,
// `across` the place along it.
enum class Axis { Columns, Rows };

int place(Axis axis, int line, int across)
{
    return axis == Axis::Columns ? TrackGrid::index(line, across) : TrackGrid::index(across, line);
}

int lineCount(const TrackGrid &grid, Axis axis)
{
    return axis == Axis::Columns ? grid.width() : grid.height();
}

void setLineCount(TrackGrid &grid, Axis axis, int count)
{
    if (axis == Axis::Columns)
        grid.setSize(count, grid.height());
    else
        grid.setSize(grid.width(), count);
}

// Line `to` takes line `from`'s codes, or the default piece when from is -1.
void copyLine(TrackGrid &out, const TrackGrid &in, Axis axis, int to, int from)
{
    for (int a = 0; a < TrackGrid::side; ++a) {
        const QByteArray code = from < 0 ? Catalogue::defaultCode() : in.cell(place(axis, from, a)).code;
        out.setCode(place(axis, to, a), code);
    }
}

TrackGrid inserted(const TrackGrid &grid, Axis axis, int line)
{
    const int count = lineCount(grid, axis);
    if (count >= TrackGrid::side || line < 0 || line > count)
        return grid;
    TrackGrid out = grid;
    for (int l = TrackGrid::side - 1; l > line; --l)
        copyLine(out, grid, axis, l, l - 1);
    copyLine(out, grid, axis, line, -1);
    setLineCount(out, axis, count + 1);
    out.showBlock();
    return out;
}

TrackGrid deleted(const TrackGrid &grid, Axis axis, int line)
{
    const int count = lineCount(grid, axis);
    if (count <= 1 || line < 0 || line >= count)
        return grid;
    TrackGrid out = grid;
    for (int l = line; l < TrackGrid::side - 1; ++l)
        copyLine(out, grid, axis, l, l + 1);
    copyLine(out, grid, axis, TrackGrid::side - 1, -1);
    setLineCount(out, axis, count - 1);
    out.showBlock();
    return out;
}

} // namespace

TrackGrid GridEdits::insertColumn(const TrackGrid &grid, int column)
{
    return inserted(grid, Axis::Columns, column);
}

TrackGrid GridEdits::deleteColumn(const TrackGrid &grid, int column)
{
    return deleted(grid, Axis::Columns, column);
}

TrackGrid GridEdits::insertRow(const TrackGrid &grid, int row)
{
    return inserted(grid, Axis::Rows, row);
}

TrackGrid GridEdits::deleteRow(const TrackGrid &grid, int row)
{
    return deleted(grid, Axis::Rows, row);
}
