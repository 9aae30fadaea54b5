// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "document/trackgrid.h"

#include <QPoint>

// Moving the selected pieces by a number of columns and rows: the cells
// left behind hold the default piece, the pieces land on the cells the
// move takes them to, and the selection goes with them. Only cells inside
// the width x height block move; a piece that would land outside it is
// dropped, as a stamp is cut off at the block's edge.
class SelectionMove
{
public:
    struct Result
    {
        TrackGrid grid;
        CellSelection selection;
    };

    static Result moved(const TrackGrid &grid, const CellSelection &selection, QPoint offset);
};
