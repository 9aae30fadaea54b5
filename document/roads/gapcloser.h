// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

#include <QString>

// Closes the gaps of a track: open road ends of one family that grass can
// join. For every pair of such ends it lays the shortest run of the
// family's straights and corners through cells holding the default piece
// "07" (fewest corners among the shortest, and among those the run that
// takes least of the grass in front of other ends), the cheapest pair
// first, and never lays on anything but "07". An end can be joined when
// its edge carries its family's road and the cell in front of it, inside
// the block, holds "07"; ends that no run can reach stay open.
class GapCloser
{
public:
    struct Result
    {
        TrackGrid grid;  // the track with the runs laid
        int gaps = 0;    // pairs of ends joined
        int pieces = 0;  // cells laid
    };

    static Result close(const TrackGrid &grid);

    // What the status bar says: "Closed 2 gaps with 7 pieces", "Closed 1 gap
    // with 1 piece", or "No gap can be closed" when gaps is 0.
    static QString summaryText(int gaps, int pieces);
};
