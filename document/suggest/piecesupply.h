// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "pieces/roadfamily.h"

#include <QString>

#include <array>
#include <climits>

class TrackGrid;

// How many pieces a suggested circuit may lay, from what the club owns: for
// each set of road edges the family's straight, corner or crossroads, and
// its plain surface for the cells beside the road. Without an inventory
// nothing is limited. The plain surface is the hall's floor unless the
// inventory lists it: a club that counts its grass mats lists them, one
// that lays its road straight on the floor does not.
class PieceSupply
{
public:
    static constexpr int unlimited = INT_MAX;

    PieceSupply() { m_road.fill(unlimited); }
    PieceSupply(RoadFamily family, const Inventory &inventory);

    bool isLimited() const { return m_limited; }
    int road(EdgeSet edges) const { return m_road[edges & EdgeSets::all]; }
    int plain() const { return m_plain; }

    // How many of the pieces are beyond the supply: counts holds the road
    // cells for each set of edges, plainCells the cells beside the road.
    // symmetry turns the road first (LoopShape::turned), so that one count
    // serves every way the shape may lie.
    int excess(const std::array<int, 16> &counts, int plainCells, int symmetry = 0) const;

    // The pieces of a laid track the inventory does not cover, as the parts
    // list counts them; the plain surface only when the inventory lists it.
    static QVector<Inventory::Shortage> shortages(const TrackGrid &grid, RoadFamily family,
                                                  const Inventory &inventory);

private:
    bool m_limited = false;
    std::array<int, 16> m_road{};
    int m_plain = unlimited;
};
