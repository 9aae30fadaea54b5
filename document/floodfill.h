// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

#include <QByteArray>
#include <QVector>

// The bucket fill: a piece for a cell and for every cell joined to it
// through cells of the same code, across the edges of cells (not their
// corners), inside the grid's width x height block.
class FloodFill
{
public:
    // Gives `code` to the cell at `index` and its region. Returns the
    // indices changed, nearest first; empty (and the grid untouched) when
    // the cell lies outside the block or already holds `code`.
    static QVector<int> fill(TrackGrid &grid, int index, const QByteArray &code);
};
