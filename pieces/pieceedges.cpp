// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/pieceedges.h"

#include "pieces/piecetable.h"

PieceEdges::PieceEdges(EdgeProfile north, EdgeProfile east, EdgeProfile south, EdgeProfile west)
    : m_edges{std::move(north), std::move(east), std::move(south), std::move(west)}
{
}

const PieceEdges *PieceEdges::find(const QByteArray &code)
{
    const Piece *piece = PieceTable::find(code);
    return piece ? &piece->edges : nullptr;
}

int PieceEdges::count()
{
    return int(PieceTable::pieces().size());
}

PieceEdges PieceEdges::turned(Turn turn) const
{
    const EdgeProfile &n = m_edges[0], &e = m_edges[1], &s = m_edges[2], &w = m_edges[3];
    switch (turn) {
    case Turn::Clockwise:
        return PieceEdges(w.reversed(), n, e.reversed(), s);
    case Turn::Anticlockwise:
        return PieceEdges(e, s.reversed(), w, n.reversed());
    case Turn::MirrorLeftRight:
        return PieceEdges(n.reversed(), w, s.reversed(), e);
    case Turn::MirrorTopBottom:
        return PieceEdges(s, e.reversed(), n, w.reversed());
    }
    return *this;
}
