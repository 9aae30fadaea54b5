// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"
#include "pieces/roadfamily.h"

#include <QByteArray>
#include <QPoint>
#include <QVector>

#include <array>

// One piece that a route lays: the cell (x the column, y the row) and its code.
struct RoutePiece
{
    QPoint cell;
    QByteArray code;

    friend bool operator==(const RoutePiece &a, const RoutePiece &b)
    {
        return a.cell == b.cell && a.code == b.code;
    }
};

// Turns the cells a pointer drags over into road pieces of one family.
//
// The route is the cells entered, in order, each a neighbour of the one
// before (a diagonal or longer move is walked as steps along rows and
// columns). Every cell gets the straight or corner that joins the cell it
// came from to the one it goes to; the last cell, and a first cell that
// nothing joins, carry the road straight on. Then:
// - going back onto the cell just left takes the last cell off the route;
// - the route may enter a cell it already holds only to cross it at right
//   angles, straight over (that cell becomes the crossroads), or to close
//   the loop on the first cell (which then joins the second and the last);
//   any other step is refused and the route stays where it was;
// - a cell that the route passes straight over an existing straight of the
//   family at right angles becomes the crossroads; a cell whose piece
//   already joins what the route needs there (a start line, a crossroads it
//   runs straight through) keeps its piece;
// - an end of an open route beside an existing road of the family that
//   points at it (a neighbour off the route whose facing edge carries the
//   family's road) joins that road, straight on where it can.
//
// Each step costs a handful of cell updates, whatever the route's length,
// so a preview can follow the pointer: take the changed cells after each
// enter() and repaint just those.
class RouteSolver
{
public:
    // grid is copied: the route is laid over the track as it was when it began.
    RouteSolver(const TrackGrid &grid, RoadFamily family);

    // Starts a new route on cell, dropping any earlier one. False, and no
    // route, for a cell outside the block.
    bool start(QPoint cell);
    // The pointer is over cell: the route walks there a step at a time,
    // each step taking the row or column that is farther off first (on a
    // diagonal, the way the route already runs), and stops at the first
    // step that the rules refuse. True when the route changed.
    bool enter(QPoint cell);
    // Drops the route (Esc while dragging).
    void clear();

    RoadFamily family() const { return m_family; }
    bool isEmpty() const { return m_route.isEmpty(); }
    // The cells in order; a cell crossed appears twice, and a closed loop
    // ends on its first cell.
    const QVector<QPoint> &route() const { return m_route; }
    QPoint head() const { return m_route.isEmpty() ? QPoint(-1, -1) : m_route.last(); }
    bool isClosed() const;

    // The piece the route lays on the cell, or an empty code where it lays
    // nothing (a cell off the route; a lone first cell with no road beside it).
    QByteArray pieceAt(QPoint cell) const;
    // Every piece the route lays, by cell in the grid's order (column by column).
    QVector<RoutePiece> pieces() const;
    // The cells whose piece has changed since the last call (route cells
    // that came, changed or went), each once: what a preview repaints.
    QVector<QPoint> takeChanged();
    // The grid the route began on, with the pieces laid.
    TrackGrid laid() const;

private:
    bool step(QPoint next);
    bool tryStep(QPoint next);
    bool mayEnter(QPoint next) const;
    bool crossesStraightOver(QPoint next) const;
    void push(QPoint cell);
    void pop();
    void refreshEnds(QPoint cell);
    void refresh(QPoint cell);
    QByteArray solve(QPoint cell) const;
    EdgeSet linksAt(int position) const;
    EdgeSet joinsAt(QPoint cell, EdgeSet links) const;
    int visits(QPoint cell) const;

    TrackGrid m_grid;
    RoadFamily m_family;
    const RoadPieces &m_roads;
    QVector<QPoint> m_route;
    // Where each cell lies on the route: its first and second place, or -1.
    std::array<std::array<int, 2>, TrackGrid::cellCount> m_places;
    std::array<QByteArray, TrackGrid::cellCount> m_preview;
    std::array<bool, TrackGrid::cellCount> m_marked;
    QVector<QPoint> m_changed;
};
