// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"
#include "document/trackgrid.h"

#include <QPoint>
#include <QString>
#include <QVector>

// The road tools of the core on the largest grid: a route's preview as the
// pointer enters cell after cell, closing ten gaps of a 30 x 30 track, and
// the lap time of the serpentine that fills all 900 cells.
class RoadBench
{
public:
    struct Figures
    {
        Samples routeStep;     // enter() and the changed cells' pieces, per cell, mean of the drag
        Samples slowestStep;   // the slowest cell of that drag
        Samples closeGaps;     // GapCloser::close on the track with ten gaps
        Samples lapTime;       // circuits, the lap's path, its times on both grips
    };

    RoadBench();

    // False, with error(), when a result is not what the bench expects.
    bool runRound();

    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }
    int dragCells() const { return int(m_drag.size()); }
    // "441.0 m, 131.1–144.3 s": the serpentine's lap at 0.5 m cells.
    QString lapText() const { return m_lapText; }

private:
    bool timeRoute();
    bool timeGaps();
    bool timeLap();

    QVector<QPoint> m_drag;  // the pointer's cells, one after another
    TrackGrid m_gapped;      // five loops, ten gaps
    TrackGrid m_serpentine;  // the drag's route laid, one lap through every cell
    QString m_lapText;
    Figures m_figures;
    QString m_error;
};
