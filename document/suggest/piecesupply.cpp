// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/piecesupply.h"

#include "document/suggest/loopshape.h"
#include "pieces/substitutes.h"

#include <algorithm>

PieceSupply::PieceSupply(RoadFamily family, const Inventory &inventory)
    : m_limited(true)
{
    const RoadPieces &roads = RoadPieces::of(family);
    // Each set of edges takes its piece and the pieces that may stand in for
    // it ("Use owned pieces"), which nothing else in a suggestion uses: they
    // have the piece's edges. The family's pieces are the plainest of their
    // kind, so today none has one. The decorated piece a suggestion does lay,
    // its start line, is counted as the plain straight that stands in for it
    // where the club owns none.
    for (EdgeSet edges = 0; edges <= EdgeSets::all; ++edges) {
        const QByteArray &piece = roads.piece(edges);
        if (piece.isEmpty())
            continue;
        m_road[edges] = inventory.owned(piece);
        for (const QByteArray &by : Substitutes::of(piece))
            m_road[edges] += inventory.owned(by);
    }
}

int PieceSupply::excess(const std::array<int, 16> &counts, int symmetry) const
{
    if (!m_limited)
        return 0;
    int beyond = 0;
    for (EdgeSet edges = 1; edges <= EdgeSets::all; ++edges)
        if (counts[edges] > 0)
            beyond += std::max(0, counts[edges] - road(LoopShape::turnedEdges(edges, symmetry)));
    return beyond;
}

OwnedPieces::Result PieceSupply::fit(const TrackGrid &grid, RoadFamily family, const Inventory &inventory)
{
    OwnedPieces::Result result = OwnedPieces::fit(grid, inventory);
    const QByteArray &plain = RoadPieces::of(family).plain();
    QVector<Inventory::Shortage> &shortages = result.stillShort;
    shortages.erase(std::remove_if(shortages.begin(), shortages.end(),
                                   [&](const Inventory::Shortage &s) { return s.code == plain; }),
                    shortages.end());
    return result;
}
