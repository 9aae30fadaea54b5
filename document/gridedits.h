// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

// Inserting and deleting whole columns and rows, as value functions on a
// grid. The shift runs through all 30 places of a column or row, hidden
// ones too: the pieces that a shrink kept beyond the block move with their
// row or column, so growing the grid again shows them where they belong.
// A piece pushed past the 30th place by an insert is lost (it lay outside
// the grid anyway); the place freed at the far end by a delete, and the
// inserted line, hold the default piece. Afterwards a cell shows exactly
// when it lies inside the block.
class GridEdits
{
public:
    // A new column at `column` (0 .. width); the grid gets one wider. At
    // 30 columns, or outside that range, the grid comes back unchanged.
    static TrackGrid insertColumn(const TrackGrid &grid, int column);
    // Removes `column` (0 .. width - 1); the grid gets one narrower. A
    // grid one column wide comes back unchanged.
    static TrackGrid deleteColumn(const TrackGrid &grid, int column);
    static TrackGrid insertRow(const TrackGrid &grid, int row);
    static TrackGrid deleteRow(const TrackGrid &grid, int row);
};
