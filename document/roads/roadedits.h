// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"
#include "pieces/connectioncheck.h"

#include <QVector>

// Inserting and deleting columns and rows (GridEdits) so that the road
// stays joined. Where a road crosses the line at which a column or row is
// inserted (the cells on both sides of it meet there), the new cell gets a
// straight of the road's family, so a closed circuit stays closed. A road
// whose edge is not the family's plain road (a diagonal, the inside of a
// large corner, a pit lane) cannot be stretched: its new cell stays grass,
// and the ends this leaves open are reported. A delete needs no pieces:
// where straights cross the line removed, the road joins again by itself;
// anything else that it breaks is reported.
class RoadEdits
{
public:
    struct Result
    {
        TrackGrid grid;
        // The open road ends that the edit made, in the result's places,
        // sorted as ConnectionCheck sorts them; ends that were open before
        // and only moved are not among them.
        QVector<OpenEnd> opened;
    };

    static Result insertColumn(const TrackGrid &grid, int column);
    static Result deleteColumn(const TrackGrid &grid, int column);
    static Result insertRow(const TrackGrid &grid, int row);
    static Result deleteRow(const TrackGrid &grid, int row);

    // The open ends of the block of a grid.
    static QVector<OpenEnd> openEnds(const TrackGrid &grid);
};
