// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/edge.h"
#include "pieces/edgeprofile.h"
#include "pieces/turn.h"

#include <QByteArray>

#include <array>

// The profiles of a catalogue piece's four edges. They are written out once
// from the geometry that draws the tiles (tools/tilegen), in the piece table
// (piecetable.cpp); tst_edgeprofiles reads every generated tile and holds
// the two together.
class PieceEdges
{
public:
    PieceEdges() = default;
    PieceEdges(EdgeProfile north, EdgeProfile east, EdgeProfile south, EdgeProfile west);

    // The edges of a catalogue piece, or nullptr for any other code.
    static const PieceEdges *find(const QByteArray &code);
    // How many codes have edges: the catalogue's 163.
    static int count();

    const EdgeProfile &operator[](Edge edge) const { return m_edges[size_t(edge)]; }

    // The edges of the piece's picture turned or mirrored: each edge moves
    // to where the turn carries it, reversed where it then runs the other
    // way (a clockwise turn puts the west edge, read upwards, on the north).
    PieceEdges turned(Turn turn) const;

    friend bool operator==(const PieceEdges &a, const PieceEdges &b) { return a.m_edges == b.m_edges; }
    friend bool operator!=(const PieceEdges &a, const PieceEdges &b) { return !(a == b); }

private:
    std::array<EdgeProfile, 4> m_edges;
};
