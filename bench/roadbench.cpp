// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/roadbench.h"

#include "document/circuitfinder.h"
#include "document/lapmodel.h"
#include "document/trackfacts.h"
#include "document/roads/gapcloser.h"
#include "document/roads/roadedits.h"
#include "document/roads/routesolver.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// A serpentine over the whole 30 x 30 grid, every second row west to east
// or back, then up the first column to close: every cell a pointer would
// enter, in order.
QVector<QPoint> serpentine()
{
    QVector<QPoint> cells;
    for (int row = 0; row < TrackGrid::side; ++row) {
        const bool east = row % 2 == 0;
        for (int i = 1; i < TrackGrid::side; ++i)
            cells.append(QPoint(east ? i : TrackGrid::side - i, row));
    }
    for (int row = TrackGrid::side - 1; row >= 0; --row)
        cells.append(QPoint(0, row));
    return cells;
}

TrackGrid grass()
{
    TrackGrid grid;
    grid.setSize(TrackGrid::side, TrackGrid::side);
    grid.showBlock();
    return grid;
}

// Five rectangles one inside the other, three cells apart, each with two
// gaps of two cells cut out of opposite sides.
TrackGrid gappedTrack()
{
    TrackGrid grid = grass();
    for (int loop = 0; loop < 5; ++loop) {
        const int low = loop * 3, high = TrackGrid::side - 1 - loop * 3;
        RouteSolver solver(grid, RoadFamily::Circuit);
        solver.start({low, low});
        for (QPoint p : {QPoint(high, low), QPoint(high, high), QPoint(low, high), QPoint(low, low)})
            solver.enter(p);
        grid = solver.laid();
        const int at = low + 1 + loop;  // staggered, so no two gaps lie side by side
        for (int i = at; i < at + 2; ++i) {
            grid.setCode(TrackGrid::index(i, low), "07");
            grid.setCode(TrackGrid::index(high, i), "07");
        }
    }
    return grid;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

TrackGrid laid(const QVector<QPoint> &drag)
{
    RouteSolver solver(grass(), RoadFamily::Circuit);
    solver.start({0, 0});
    for (const QPoint &cell : drag)
        solver.enter(cell);
    return solver.laid();
}

} // namespace

RoadBench::RoadBench()
    : m_drag(serpentine()), m_gapped(gappedTrack()), m_serpentine(laid(m_drag))
{
}

bool RoadBench::runRound()
{
    return timeRoute() && timeGaps() && timeLap();
}

// What a preview does for each cell the pointer enters: the step, then the
// piece of every cell it changed.
bool RoadBench::timeRoute()
{
    RouteSolver solver(grass(), RoadFamily::Circuit);
    solver.start({0, 0});
    double total = 0, slowest = 0;
    qsizetype pieces = 0;
    for (const QPoint &cell : m_drag) {
        QElapsedTimer timer;
        timer.start();
        solver.enter(cell);
        for (const QPoint &changed : solver.takeChanged())
            pieces += solver.pieceAt(changed).size();
        const double ms = msSince(timer);
        total += ms;
        slowest = std::max(slowest, ms);
    }
    if (!solver.isClosed() || pieces == 0
        || !RoadEdits::openEnds(solver.laid()).isEmpty()) {
        m_error = QStringLiteral("roadbench: the serpentine route did not close");
        return false;
    }
    m_figures.routeStep.add(total / double(m_drag.size()));
    m_figures.slowestStep.add(slowest);
    return true;
}

bool RoadBench::timeGaps()
{
    QElapsedTimer timer;
    timer.start();
    const GapCloser::Result result = GapCloser::close(m_gapped);
    m_figures.closeGaps.add(msSince(timer));
    if (result.gaps != 10 || !RoadEdits::openEnds(result.grid).isEmpty()) {
        m_error = QStringLiteral("roadbench: %1 gaps closed of 10").arg(result.gaps);
        return false;
    }
    return true;
}

// What the editor does to show a lap's time: find the circuits, lay the lap
// out and drive it on both grips.
bool RoadBench::timeLap()
{
    QElapsedTimer timer;
    timer.start();
    const QVector<Circuit> circuits = CircuitFinder::find(m_serpentine);
    const LapSetup setup;
    const std::optional<LapTimes> times =
        circuits.size() == 1 ? LapModel::times(m_serpentine, circuits.first(), setup.car, setup.cellSize) : std::nullopt;
    m_figures.lapTime.add(msSince(timer));
    if (!times || circuits.first().cells.size() != TrackGrid::cellCount) {
        m_error = QStringLiteral("roadbench: the serpentine has no lap through every cell");
        return false;
    }
    m_lapText = QStringLiteral("%1, %2").arg(TrackFacts::metres(*circuits.first().lap, setup.cellSize), times->text());
    return true;
}
