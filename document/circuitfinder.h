// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

#include <optional>

class TrackGrid;

// One way of a piece that a lap drives: the cell (a TrackGrid index), the
// way (an index into its piece's ways) and whether the lap drives it from
// its `to` end back to its `from` end.
struct LapWay
{
    int cell = -1;
    int way = 0;
    bool backwards = false;
};

// A set of road pieces joined through their road edges: what a car can
// reach from any of them. Lengths are in cell sides.
struct Circuit
{
    QVector<int> cells;  // TrackGrid indices, ascending
    bool closed = false; // none of its cells has an open road end
    double road = 0;     // the centre lines of all its pieces
    // The drive round it, where one drivable loop passes all its road that
    // laps drive; none for a circuit with branches, dead ends or open ends
    // that a lap cannot pass in one go.
    std::optional<double> lap;
    // The lap's ways in driving order, from the first way of its first cell
    // on; empty without a lap.
    QVector<LapWay> lapWays;
};

// Finds the circuits of the width x height block of a grid. A lap is the
// drive along the road that goes straight through crossroads and keeps to
// the main road at pit lanes and junctions (the ways of the piece table);
// it exists when that drive comes back to where it started having passed
// every way of every piece of the circuit. A figure of eight passes its
// crossroads twice, once each way, and its lap counts both.
class CircuitFinder
{
public:
    // In the order of their first cells (column by column, as the grid
    // stores them). Codes outside the catalogue carry no road.
    static QVector<Circuit> find(const TrackGrid &grid);

    // The circuit's cells in the order a crew lays them: from its start
    // line (a start-line piece, the topmost, then leftmost, of them) driven
    // the way its grid faces, else from its topmost, then leftmost, cell that
    // a drive passes, leaving it eastwards if it can (a ring goes clockwise);
    // along the drive until it comes back or the road ends; each cell that
    // no drive passes (a diagonal's corner, a large corner's clipped cell)
    // right after the first cell it joins; then what the drive left (side
    // roads, the road behind an open start), nearest first.
    static QVector<int> layingOrder(const TrackGrid &grid, const Circuit &circuit);
    // Whether a piece marks where laps start: a start line or a pit start line.
    static bool isStartLine(const QByteArray &code);
};
