// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"
#include "document/trackgrid.h"

#include <QVector>

// The block commands on a full track, in the core without the window:
// turning the whole 30 x 30 bench track (every piece looked up in the
// counterpart table) and the bucket fill over a 30 x 30 track of one piece,
// the largest region there is; designing with what a club owns: "Use owned
// pieces" over the bench track, and a placement that the session's
// inventory counts and checks against what is owned.
class EditBench
{
public:
    struct Figures
    {
        Samples rotate;      // GridTransform::turnTrack, clockwise, ms per call
        Samples mirror;      // the same, mirrored left to right
        Samples fill;        // FloodFill::fill of all 900 cells, ms per call
        Samples fit;         // OwnedPieces::fit, ms per call
        Samples counted;     // a placement as one step, with an inventory loaded
        Samples uncounted;   // the same without one
    };

    explicit EditBench(const QVector<QByteArray> &codes);
    void runRound();
    const Figures &figures() const { return m_figures; }

private:
    double placementMs(bool withInventory) const;

    TrackGrid m_track;
    Figures m_figures;
};
