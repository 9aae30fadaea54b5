// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/roadfamily.h"

#include <QByteArray>
#include <QPoint>
#include <QVector>


// The kinds of lap a list of suggestions mixes: a figure of eight (any
// crossing), a plain rectangle (four corners), else one with a hairpin, else
// one with a chicane, else one of corners only.
enum class LapKind { Crossing, Hairpin, Chicane, Corners, Rectangle };

// A closed lap as cells, cut to its bounding box: for every cell the edges
// through which its road leaves (two for a straight or a corner, all four
// for a crossing, none off the road). Suggestions are made, compared and
// turned in this form, and laid with the route solver.
class LoopShape
{
public:
    // The eight ways to turn or mirror a shape; see turned().
    static constexpr int symmetries = 8;

    // What a lap is made of, as a driver meets it.
    struct Features
    {
        int corners = 0;
        int crossings = 0;
        // Two corners one after the other turning the same way with at most
        // one cell between them (a U-turn), or opposite ways (a jog aside).
        int hairpins = 0;
        int chicanes = 0;

        LapKind kind() const
        {
            return crossings > 0 ? LapKind::Crossing
                   : corners == 4 ? LapKind::Rectangle
                   : hairpins > 0 ? LapKind::Hairpin
                   : chicanes > 0 ? LapKind::Chicane
                                  : LapKind::Corners;
        }
    };
    static constexpr int kinds = 5;

    LoopShape() = default;
    // The shape a closed route drives: the route's cells in order, each a
    // neighbour of the one before, the last one the first again; a cell
    // entered twice is crossed straight over both times. An empty shape
    // for anything else.
    static LoopShape fromRoute(const QVector<QPoint> &route);

    bool isEmpty() const { return m_width == 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    EdgeSet edgesAt(int column, int row) const { return EdgeSet(quint8(m_edges[row * m_width + column])); }
    int roadCells() const;

    // The road a lap of the family drives through a cell with those edges,
    // in cell sides: the piece's, or for a crossing, passed once each way,
    // half the crossroads'.
    static double driven(RoadFamily family, EdgeSet edges);

    // Symmetry s: s % 4 quarter turns clockwise, after a mirror left to right
    // when s >= 4. Symmetry 0 is the shape itself.
    LoopShape turned(int symmetry) const;
    static EdgeSet turnedEdges(EdgeSet edges, int symmetry);
    // Equal exactly for shapes that are equal after some turn or mirror.
    QByteArray canonicalKey() const;

    // The drive round the shape, from the first cell (row by row) that is
    // not a crossing, out through its first road edge (north, east, south,
    // west), straight over every crossing, back onto that first cell. Empty
    // when the road does not make one such drive.
    QVector<QPoint> route() const;
    Features features() const;

private:
    int m_width = 0;
    int m_height = 0;
    QByteArray m_edges;  // an EdgeSet per cell, row by row
};
