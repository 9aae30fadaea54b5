#include "pieces/pieceedges.h"

#include <QHash>

namespace {

struct Row
{
    const char *code;
    EdgeProfile north, east, south, west;
};

EdgeProfile R(int from, int to)
{
    return EdgeProfile::road(from, to);
}

EdgeProfile P(int from, int to)
{
    return EdgeProfile::paved(from, to);
}

// One row per code, edges in the order north, east, south, west. Positions
// run west to east along north and south edges, north to south along east
// and west edges (see EdgeProfile).
QHash<QByteArray, PieceEdges> build()
{
    const EdgeProfile none;
    const EdgeProfile road = R(14, 34);
    const EdgeProfile laneRoad = R(4, 11) + road;  // pits to the north of a west-east road
    const EdgeProfile roadLane = road + R(37, 44); // pits to the east of a north-south road
    const Row rows[] = {
        // Normal. Every road meets the middle of an edge, 20 wide (14..34); the
        // gravel run-off (09) carries no road.
        {"00", none,      road,      road,      none},
        {"01", none,      none,      road,      road},
        {"02", road,      road,      none,      none},
        {"03", road,      none,      none,      road},
        {"04", none,      road,      none,      road},
        {"05", road,      none,      road,      none},
        {"06", none,      road,      none,      road},
        {"07", none,      none,      none,      none},
        {"08", road,      none,      road,      none},
        {"09", none,      none,      none,      none},

        // RCP 1, the foam mat: the same geometry as the circuit. The chicane and the
        // slalom are straights at their edges.
        {"A0", none,      road,      road,      none},
        {"A1", none,      none,      road,      road},
        {"A2", road,      road,      none,      none},
        {"A3", road,      none,      none,      road},
        {"A4", none,      road,      none,      road},
        {"A5", road,      none,      road,      none},
        {"A6", none,      road,      none,      road},
        {"A7", road,      none,      road,      none},
        {"A8", none,      road,      road,      road},
        {"A9", road,      none,      road,      road},
        {"AA", road,      road,      none,      road},
        {"AB", road,      road,      road,      none},
        {"AC", none,      road,      none,      road},
        {"AD", road,      none,      road,      none},
        {"AE", none,      road,      none,      road},
        {"AF", road,      none,      road,      none},
        {"AG", road,      road,      road,      road},
        {"AH", none,      none,      none,      none},
        {"AI", none,      road,      none,      road},
        {"AJ", road,      none,      road,      none},

        // RCP 2, the carpet. A turning bay is a dead end closed inside its own cell,
        // so only its one road edge counts; the roundabout has four arms.
        {"B0", none,      road,      road,      none},
        {"B1", none,      none,      road,      road},
        {"B2", road,      road,      none,      none},
        {"B3", road,      none,      none,      road},
        {"B4", none,      road,      none,      road},
        {"B5", road,      none,      road,      none},
        {"B6", none,      road,      none,      road},
        {"B7", road,      none,      road,      none},
        {"B8", none,      road,      road,      road},
        {"B9", road,      none,      road,      road},
        {"BA", road,      road,      none,      road},
        {"BB", road,      road,      road,      none},
        {"BC", none,      none,      none,      road},
        {"BD", road,      none,      none,      none},
        {"BE", none,      road,      none,      none},
        {"BF", none,      none,      road,      none},
        {"BG", road,      road,      road,      road},
        {"BH", none,      none,      none,      none},
        {"BI", road,      road,      road,      road},

        // Larger corners, cut from one drawing of 2 x 2 or 3 x 3 cells: a road
        // band of radii 62..82 or 110..130 around a corner of the block. Inside
        // the block the band crosses the cuts off the middle and slanted, so
        // those edges meet only the block's own next piece; in a 2 x 2 block it
        // even clips the inside cell's corner (13, 16, 19, 1C). Only the block's
        // two outer road edges are ordinary. Where the band's edge crosses a cut
        // half-way through a pixel (at 29.5 and 18.5), the whole pixel is the
        // one that the edge pixels of both cells show: 29 and 19.
        {"10", none,      R(29, 48), R(29, 48), none},
        {"11", none,      road,      R(0, 9),   R(29, 48)},
        {"12", R(29, 48), R(0, 9),   road,      none},
        {"13", R(0, 9),   none,      none,      R(0, 9)},
        {"14", none,      R(29, 48), R(39, 48), road},
        {"15", none,      none,      R(0, 19),  R(29, 48)},
        {"16", R(39, 48), R(0, 9),   none,      none},
        {"17", R(0, 19),  none,      road,      R(0, 9)},
        {"18", road,      R(39, 48), R(29, 48), none},
        {"19", none,      none,      R(0, 9),   R(39, 48)},
        {"1A", R(29, 48), R(0, 19),  none,      none},
        {"1B", R(0, 9),   road,      none,      R(0, 19)},
        {"1C", none,      R(39, 48), R(39, 48), none},
        {"1D", road,      none,      R(0, 19),  R(39, 48)},
        {"1E", R(39, 48), R(0, 19),  none,      road},
        {"1F", R(0, 19),  none,      none,      R(0, 19)},

        // The 3 x 3 corner; its three inner cells are plain grass, and 1G only
        // carries the gravel and the kerb.
        {"1G", none,      none,      none,      none},
        {"1H", none,      R(23, 45), R(8, 42),  none},
        {"1I", none,      R(8, 42),  R(23, 45), none},
        {"1J", R(8, 42),  none,      none,      R(8, 42)},
        {"1K", none,      road,      none,      R(23, 45)},
        {"1L", R(23, 45), none,      road,      none},

        // Intersection. A fork's branch curves off its straight at the west end
        // towards the north edge: three road edges, the missing one opposite the
        // branch. A bridge carries a road over a road; both run straight across,
        // so at its edges it is a crossroads whatever the levels.
        {"20", none,      road,      road,      road},
        {"21", road,      none,      road,      road},
        {"22", road,      road,      none,      road},
        {"23", road,      road,      road,      none},
        {"24", road,      road,      none,      road},
        {"25", road,      road,      road,      none},
        {"26", none,      road,      road,      road},
        {"27", road,      none,      road,      road},
        {"28", road,      road,      road,      road},
        {"29", road,      road,      road,      road},
        {"2A", road,      road,      road,      road},
        {"2B", road,      road,      road,      road},

        // Diagonal. A diagonal passes through cell corners; its band, 20 wide,
        // crosses each of the two edges at that corner over 10 * sqrt(2) = 14
        // pixels from the corner (0..14 or 34..48). The cells beside the corner
        // carry the rest of the band (the corner pieces 3A..3D), so a diagonal
        // only meets the next diagonal through them. Bends start at a middle.
        {"30", R(34, 48), R(0, 14),  none,      road},
        {"31", road,      R(34, 48), R(34, 48), none},
        {"32", none,      road,      R(0, 14),  R(34, 48)},
        {"33", R(0, 14),  none,      road,      R(0, 14)},
        {"34", R(34, 48), R(0, 14),  R(0, 14),  R(34, 48)},
        {"35", R(0, 14),  R(34, 48), R(34, 48), R(0, 14)},
        {"36", none,      R(34, 48), R(34, 48), road},
        {"37", road,      none,      R(0, 14),  R(34, 48)},
        {"38", R(0, 14),  road,      none,      R(0, 14)},
        {"39", R(34, 48), R(0, 14),  road,      none},
        {"3A", none,      R(34, 48), R(34, 48), none},
        {"3B", none,      none,      R(0, 14),  R(34, 48)},
        {"3C", R(34, 48), R(0, 14),  none,      none},
        {"3D", R(0, 14),  none,      none,      R(0, 14)},
        {"3E", R(34, 48), R(0, 14),  R(0, 14),  R(34, 48)},
        {"3F", R(0, 14),  R(34, 48), R(34, 48), R(0, 14)},
        {"3G", R(0, 14),  R(34, 48), R(34, 48), R(0, 14)},
        {"3H", R(34, 48), R(0, 14),  R(0, 14),  R(34, 48)},

        // Pit lane: the pit lane (4..11 beside a west-east road, 37..44 beside a
        // north-south one) is a road of its own; the pit wall between is not.
        // Lane and road cross the edge together, so a pit piece meets only a pit
        // piece with the lane on the same side, or a pit end, which closes the lane.
        {"40", none,      laneRoad,  none,      laneRoad},
        {"41", roadLane,  none,      roadLane,  none},
        {"42", none,      laneRoad,  none,      laneRoad},
        {"43", roadLane,  none,      roadLane,  none},
        {"44", none,      laneRoad,  none,      road},
        {"45", none,      road,      none,      laneRoad},
        {"46", road,      none,      roadLane,  none},
        {"47", roadLane,  none,      road,      none},
        {"48", none,      laneRoad,  none,      laneRoad},
        {"49", roadLane,  none,      roadLane,  none},

        // Bumps: the ridges, the ramp and the washboard stop short of the edges.
        {"90", none,      road,      none,      road},
        {"91", road,      none,      road,      none},
        {"92", none,      road,      none,      road},
        {"93", road,      none,      road,      none},
        {"94", none,      road,      none,      road},
        {"95", road,      none,      road,      none},
        {"96", none,      road,      none,      road},
        {"97", road,      none,      road,      none},
        {"98", none,      road,      none,      road},
        {"99", road,      none,      road,      none},

        // Open 1: paved areas whose border runs through the cell middles (0..24
        // or 24..48 along an edge). An entry's road is a road, not paving.
        {"50", none,      P(24, 48), P(0, 48),  P(24, 48)},
        {"51", P(0, 24),  none,      P(0, 24),  P(0, 48)},
        {"52", P(0, 48),  P(0, 24),  none,      P(0, 24)},
        {"53", P(24, 48), P(0, 48),  P(24, 48), none},
        {"54", none,      P(24, 48), P(24, 48), none},
        {"55", none,      none,      P(0, 24),  P(24, 48)},
        {"56", P(24, 48), P(0, 24),  none,      none},
        {"57", P(0, 24),  none,      none,      P(0, 24)},
        {"58", P(0, 48),  P(0, 24),  P(0, 24),  P(0, 48)},
        {"59", P(0, 48),  P(0, 48),  P(24, 48), P(0, 24)},
        {"5A", P(0, 24),  P(24, 48), P(0, 48),  P(0, 48)},
        {"5B", P(24, 48), P(0, 48),  P(0, 48),  P(24, 48)},
        {"5C", road,      P(24, 48), P(0, 48),  P(24, 48)},
        {"5D", P(0, 24),  road,      P(0, 24),  P(0, 48)},
        {"5E", P(0, 48),  P(0, 24),  road,      P(0, 24)},
        {"5F", P(24, 48), P(0, 48),  P(24, 48), road},
        {"5G", P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48)},
        {"5H", P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48)},
        {"5I", P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48)},
        {"5J", P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48)},

        // Open 2: the same areas with the kerb painted on the paving's side of the
        // border, so they meet Open 1 edges.
        {"60", none,      P(24, 48), P(0, 48),  P(24, 48)},
        {"61", P(0, 24),  none,      P(0, 24),  P(0, 48)},
        {"62", P(0, 48),  P(0, 24),  none,      P(0, 24)},
        {"63", P(24, 48), P(0, 48),  P(24, 48), none},
        {"64", none,      P(24, 48), P(24, 48), none},
        {"65", none,      none,      P(0, 24),  P(24, 48)},
        {"66", P(24, 48), P(0, 24),  none,      none},
        {"67", P(0, 24),  none,      none,      P(0, 24)},
        {"68", P(0, 48),  P(0, 24),  P(0, 24),  P(0, 48)},
        {"69", P(0, 48),  P(0, 48),  P(24, 48), P(0, 24)},
        {"6A", P(24, 48), P(0, 48),  P(0, 48),  P(24, 48)},
        {"6B", P(0, 24),  P(24, 48), P(0, 48),  P(0, 48)},

        // Extra's: only the start lights stand on a road. The tyre walls reach the
        // edges but are no road.
        {"70", none,      none,      none,      none},
        {"71", none,      none,      none,      none},
        {"72", none,      none,      none,      none},
        {"73", none,      none,      none,      none},
        {"74", none,      road,      none,      road},
        {"75", none,      none,      none,      none},
        {"76", none,      none,      none,      none},
        {"77", none,      none,      none,      none},
        {"78", none,      none,      none,      none},
        {"79", none,      none,      none,      none},
    };
    QHash<QByteArray, PieceEdges> table;
    for (const Row &row : rows)
        table.insert(QByteArray(row.code), PieceEdges(row.north, row.east, row.south, row.west));
    return table;
}

const QHash<QByteArray, PieceEdges> &table()
{
    static const QHash<QByteArray, PieceEdges> built = build();
    return built;
}

} // namespace

PieceEdges::PieceEdges(EdgeProfile north, EdgeProfile east, EdgeProfile south, EdgeProfile west)
    : m_edges{std::move(north), std::move(east), std::move(south), std::move(west)}
{
}

const PieceEdges *PieceEdges::find(const QByteArray &code)
{
    const auto it = table().constFind(code);
    return it == table().constEnd() ? nullptr : &*it;
}

int PieceEdges::count()
{
    return int(table().size());
}
