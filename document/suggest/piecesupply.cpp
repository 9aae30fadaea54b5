// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/piecesupply.h"

#include "document/partslist.h"
#include "document/suggest/loopshape.h"

#include <algorithm>

PieceSupply::PieceSupply(RoadFamily family, const Inventory &inventory)
    : m_limited(true)
{
    const RoadPieces &roads = RoadPieces::of(family);
    // Pieces that may stand in for others ("use owned pieces") add to these
    // counts once the piece table knows them.
    for (EdgeSet edges = 0; edges <= EdgeSets::all; ++edges)
        m_road[edges] = roads.piece(edges).isEmpty() ? 0 : inventory.owned(roads.piece(edges));
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

QVector<Inventory::Shortage> PieceSupply::shortages(const TrackGrid &grid, RoadFamily family,
                                                    const Inventory &inventory)
{
    QVector<Inventory::Shortage> shortages = inventory.shortages(PartsList(grid));
    const QByteArray &plain = RoadPieces::of(family).plain();
    shortages.erase(std::remove_if(shortages.begin(), shortages.end(),
                                   [&](const Inventory::Shortage &s) { return s.code == plain; }),
                    shortages.end());
    return shortages;
}
