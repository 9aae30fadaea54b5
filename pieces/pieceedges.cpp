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
