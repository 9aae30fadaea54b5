// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"
#include "document/trackgrid.h"

#include <QPoint>
#include <QString>
#include <QVector>

// The road tools of the core on the largest grid: a route's preview as the
// pointer enters cell after cell, and closing ten gaps of a 30 x 30 track.
class RoadBench
{
public:
    struct Figures
    {
        Samples routeStep;     // enter() and the changed cells' pieces, per cell, mean of the drag
        Samples slowestStep;   // the slowest cell of that drag
        Samples closeGaps;     // GapCloser::close on the track with ten gaps
    };

    RoadBench();

    // False, with error(), when a result is not what the bench expects.
    bool runRound();

    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }
    int dragCells() const { return int(m_drag.size()); }

private:
    bool timeRoute();
    bool timeGaps();

    QVector<QPoint> m_drag;  // the pointer's cells, one after another
    TrackGrid m_gapped;      // five loops, ten gaps
    Figures m_figures;
    QString m_error;
};
