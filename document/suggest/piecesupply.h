// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/ownedpieces.h"
#include "pieces/roadfamily.h"

#include <QString>

#include <array>
#include <climits>

class TrackGrid;

// How many road pieces a suggested circuit may lay, from what the club
// owns: for each set of road edges the family's straight, corner or
// crossroads. Without an inventory nothing is limited. The plain surface
// beside the road is never limited: where the mats run out the hall's
// floor shows, and a suggestion that asked for every mat the hall could
// hold would rule out nearly every circuit. A suggestion's start line
// (LaidCircuit) counts as the straight it stands on: where the club owns
// none, a spare plain straight takes its place, as "Use owned pieces"
// puts it.
class PieceSupply
{
public:
    static constexpr int unlimited = INT_MAX;

    PieceSupply() { m_road.fill(unlimited); }
    PieceSupply(RoadFamily family, const Inventory &inventory);

    bool isLimited() const { return m_limited; }
    int road(EdgeSet edges) const { return m_road[edges & EdgeSets::all]; }

    // How many road pieces are beyond the supply: counts holds the road
    // cells for each set of edges. symmetry turns the road first
    // (LoopShape::turned), so that one count serves every way it may lie.
    int excess(const std::array<int, 16> &counts, int symmetry = 0) const;

    // A laid track with the club's own pieces used (OwnedPieces::fit), and
    // in stillShort what it needs beyond the inventory, as the parts list
    // counts it, all but the plain surface.
    static OwnedPieces::Result fit(const TrackGrid &grid, RoadFamily family, const Inventory &inventory);

private:
    bool m_limited = false;
    std::array<int, 16> m_road{};
};
