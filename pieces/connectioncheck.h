// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/edge.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

// An edge of a cell where road leaves the cell and does not go on: the
// neighbour's facing edge carries something else, or the edge is the grid's
// border. Columns and rows count from 0.
struct OpenEnd
{
    int column = 0;
    int row = 0;
    Edge edge = Edge::North;

    friend bool operator==(const OpenEnd &a, const OpenEnd &b)
    {
        return a.column == b.column && a.row == b.row && a.edge == b.edge;
    }
};

// Finds where a layout that looks closed is not: a corner turned the wrong
// way, a straight off centre against a curve, a road running into the border.
// Two cells meet on their shared edge when their facing edge profiles are
// equal (see PieceEdges); every edge with road or paving that does not meet
// is an open end, on both sides of the seam.
//
// A code outside the catalogue has no profile. Such a cell is never reported,
// and neither is a road edge facing it: nothing is known about what it holds,
// and a guess would mark ends the user cannot fix by looking at the pieces.
class ConnectionCheck
{
public:
    using CodeAt = std::function<QByteArray(int column, int row)>;

    // Every open end in the width x height block of cells (the editor's grids
    // are 1..30 each way; a size below 1 is an empty block), sorted by column,
    // then row, then edge in the order north, east, south, west. codeAt is
    // asked once for each cell.
    static QVector<OpenEnd> openEnds(int width, int height, const CodeAt &codeAt);

    // How many there are, as the editor's status bar says it: "no open road
    // ends", "1 open road end", "3 open road ends", in the user's language.
    static QString countText(int count);
    // The same always in English, for kerbwright-check's output to scripts.
    static QString plainCountText(int count);
};
