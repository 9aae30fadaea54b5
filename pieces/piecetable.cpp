// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/piecetable.h"

#include <QCoreApplication>
#include <QHash>

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The pages in palette order; "Utilities" (11) offers no pieces.
enum PageId { Normal, Rcp1, Rcp2, LargerCorners, Intersection, Diagonal, PitLane, Bumps, Open1, Open2, Extras };

constexpr int top = 0;
constexpr int bottom = 1;

struct Row
{
    const char *code;
    PageId page;
    PaletteSlot slot;
    EdgeProfile north, east, south, west;
    const char *name;  // UTF-8
    // The counterparts: the piece that shows this one's picture turned a
    // quarter clockwise, mirrored left to right, mirrored top to bottom;
    // "" where the catalogue has no such piece.
    const char *clockwise;
    const char *mirroredLeftRight;
    const char *mirroredTopBottom;
    PieceRoad road;    // none for a piece without road
};

EdgeProfile R(int from, int to)
{
    return EdgeProfile::road(from, to);
}

EdgeProfile P(int from, int to)
{
    return EdgeProfile::paved(from, to);
}

// The road's centre lines, in cell sides and degrees, each driven from its
// way's first port: ahead(length), left(radius, degrees), an arc of negative
// degrees turning right; a way's length is its shape's. They are the lines
// tools/tilegen lays its roads on; tst_roadlengths measures the generated
// tiles, the road's area against the lengths and its middle against the
// shapes, all along every way.
constexpr Port N = Port::North, NE = Port::NorthEast, E = Port::East, SE = Port::SouthEast,
               S = Port::South, SW = Port::SouthWest, W = Port::West, NW = Port::NorthWest;

const PieceRoad noRoad;

using Shape = QVector<RoadSegment>;

RoadSegment ahead(double length)
{
    return RoadSegment::straight(length);
}

RoadSegment left(double radius, double degrees)
{
    return RoadSegment::arc(radius, degrees);
}

PieceRoad way(Port from, Port to, const Shape &shape)
{
    return PieceRoad(from, to, RoadShape(Ports::entry(from), shape));
}

const Shape straight{ahead(1)};
// A tight corner: a quarter circle through the middles of two edges, centred
// on the corner between them; driven from its first port, every tight corner
// of the table turns left.
const Shape corner{left(0.5, 90)};
// A fork's branch is a tight corner's length.
const double quarter = M_PI / 4;
// The chicane's kink is drawn as y = 4 (1 - cos 2 pi x) pixels across the
// cell. It is driven as arcs and straights that keep within a tenth of a
// pixel of that curve and add up to its length, 1.0653666: out of line, over
// the crest, back into line.
Shape chicane(double side)
{
    constexpr double radius = 0.331274, degrees = 25.43199, between = 0.2385968;
    return {RoadSegment::arc(radius, side * degrees), ahead(between), RoadSegment::arc(radius, -2 * side * degrees),
            ahead(between), RoadSegment::arc(radius, side * degrees)};
}
// A diagonal from corner to corner. The band spills over the corners into
// the cells beside them (3A..3D, 3G, 3H), but its centre line stays in the
// diagonal's cells, so those pieces carry none.
const Shape diagonal{ahead(M_SQRT2)};
// A bend: an arc from an edge's middle onto the diagonal, radius
// 24 / (sqrt 2 - 1) pixels over 45 degrees, then the diagonal to the corner:
// 1.1551662 in all.
Shape bend(double side)
{
    return {RoadSegment::arc((M_SQRT2 + 1) / 2, side * 45), ahead((M_SQRT2 - 1) / 2)};
}
// Straight through a roundabout: in from an edge to the ring, half round the
// island on the ring's middle (radius 15.25 pixels between island and rim,
// anticlockwise as seen from above), out to the opposite edge; 1.3626935 in
// all. Its two ways add up to its arms and the whole ring. Arm and ring meet
// at a right angle, which a car swings through on an arc of half the road's
// width: the widest that joins them inside the cell.
const Shape roundabout{ahead(8.75 / 48), RoadSegment::kink(-90, 10.0 / 48), left(15.25 / 48, 180),
                       RoadSegment::kink(-90, 10.0 / 48), ahead(8.75 / 48)};
// A turning bay is a dead end that no lap drives: the road in to the turning
// circle (17.5 pixels) and once round its middle (radius 9.5).
PieceRoad bay()
{
    return PieceRoad().plus(1.6081304);
}
// A pit piece carries its main road, a straight that laps drive, and its lane
// beside it, a side long, which laps leave alone; on a pit lane end the lane
// runs from its edge to the main road's edge, where it goes under the road.
constexpr double pitEnd = 0.7300277;

// A larger corner is one quarter circle across its block, radius 1.5 in a
// 2 x 2 block, 2.5 in a 3 x 3; each cell carries the part of the arc that
// runs through it, between the edges where it enters and leaves the cell,
// so a block's cells add up to its arc (3 pi / 4 and 5 pi / 4). The centre
// is given in the cell's own coordinates. A 2 x 2 arc passes through three
// cells: the two where it enters and leaves the block, and for a short
// stretch the cell diagonally across from the inside cell, which it only
// clips. The inside cell carries none. A 3 x 3 arc passes through five cells.
double crossing(double centre, double across, double radius)
{
    // Of the two points where the circle meets the edge, the one on it.
    const double half = std::sqrt(std::max(0.0, radius * radius - across * across));
    return centre - half >= -1e-9 && centre - half <= 1 + 1e-9 ? centre - half : centre + half;
}

QPointF onEdge(Port port, const QPointF &centre, double radius)
{
    const QPointF edge = Ports::point(port);
    if (port == E || port == W)
        return {edge.x(), crossing(centre.y(), edge.x() - centre.x(), radius)};
    return {crossing(centre.x(), edge.y() - centre.y(), radius), edge.y()};
}

PieceRoad sweep(Port from, Port to, const QPointF &centre, double radius)
{
    const QPointF in = onEdge(from, centre, radius) - centre;
    const QPointF out = onEdge(to, centre, radius) - centre;
    const double bearing = std::atan2(in.y(), in.x());
    // Clockwise on the screen, the way y grows, is a turn to the right.
    const double clockwise = std::remainder(std::atan2(out.y(), out.x()) - bearing, 2 * M_PI);
    const RoadPose start{centre + in, bearing + (clockwise > 0 ? M_PI_2 : -M_PI_2)};
    return PieceRoad(from, to, RoadShape(start, {RoadSegment::arc(radius, -qRadiansToDegrees(clockwise))}));
}

// One row per code: its page, its palette slot (column, row), its edges in
// the order north, east, south, west, and its name. Edge positions run west
// to east along north and south edges, north to south along east and west
// edges (see EdgeProfile); they are written out from the geometry that draws
// the tiles (tools/tilegen), and tst_edgeprofiles reads every generated tile
// and holds the two together. Names describe what the artwork shows; a name
// that states a route ("east to south", "west–east with branch north") names
// exactly the edges its road crosses, which tst_piecetable checks.
//
// Then come the counterparts (see Row). A cell of a large
// corner block names the cell of the turned or mirrored block that it lands
// on. Scenery whose picture does not change meaningfully (grass, gravel,
// trees, ponds, cones on paving) is its own counterpart; a piece that faces
// one way (a start grid, a pit lane's side, a fork, a grandstand) has none
// where the catalogue lacks the piece facing the other way. tst_counterparts
// turns and mirrors every generated tile and holds the columns to the artwork.
//
// The last column is the road's centre lines: the ways through the piece that a lap
// drives, in at one port and out at the other, with their shapes, and the
// length of the road beside them that no lap drives (a branch, a pit lane). A straight is
// one cell side, a junction's branch half a side (from the middle to its
// edge), a crossroads one side each way.
QVector<Piece> build()
{
    const EdgeProfile none;
    const EdgeProfile road = R(14, 34);
    const EdgeProfile laneRoad = R(4, 11) + road;  // pits to the north of a west-east road
    const EdgeProfile roadLane = road + R(37, 44); // pits to the east of a north-south road
    const Row rows[] = {
        // Normal. Every road meets the middle of an edge, 20 wide (14..34); the
        // gravel run-off (09) carries no road.
        {"00", Normal,        {0, top},    none,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Corner, east to south"), "01", "01", "02", way(E, S, corner)},
        {"01", Normal,        {1, top},    none,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Corner, south to west"), "03", "00", "03", way(S, W, corner)},
        {"02", Normal,        {0, bottom}, road,      road,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Corner, north to east"), "00", "03", "00", way(N, E, corner)},
        {"03", Normal,        {1, bottom}, road,      none,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Corner, west to north"), "02", "02", "01", way(W, N, corner)},
        {"04", Normal,        {2, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Straight, west–east"), "05", "04", "04", way(W, E, straight)},
        {"05", Normal,        {2, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Straight, north–south"), "04", "05", "05", way(N, S, straight)},
        {"06", Normal,        {3, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Straight, west–east, start line"), "08", "", "06", way(W, E, straight)},
        {"07", Normal,        {3, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Grass"), "07", "07", "07", noRoad},
        {"08", Normal,        {4, top},    road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Straight, north–south, start line"), "", "08", "", way(N, S, straight)},
        {"09", Normal,        {4, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Gravel trap"), "09", "09", "09", noRoad},

        // RCP 1, the foam mat: the same geometry as the circuit. The chicane and the
        // slalom are straights at their edges.
        {"A0", Rcp1,          {0, top},    none,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam corner, east to south"), "A1", "A1", "A2", way(E, S, corner)},
        {"A1", Rcp1,          {1, top},    none,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam corner, south to west"), "A3", "A0", "A3", way(S, W, corner)},
        {"A2", Rcp1,          {0, bottom}, road,      road,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam corner, north to east"), "A0", "A3", "A0", way(N, E, corner)},
        {"A3", Rcp1,          {1, bottom}, road,      none,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam corner, west to north"), "A2", "A2", "A1", way(W, N, corner)},
        {"A4", Rcp1,          {2, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam straight, west–east"), "A5", "A4", "A4", way(W, E, straight)},
        {"A5", Rcp1,          {3, top},    road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam straight, north–south"), "A4", "A5", "A5", way(N, S, straight)},
        {"A6", Rcp1,          {2, bottom}, none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam straight, west–east, start line"), "A7", "", "A6", way(W, E, straight)},
        {"A7", Rcp1,          {3, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam straight, north–south, start line"), "", "A7", "", way(N, S, straight)},
        {"A8", Rcp1,          {4, top},    none,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam T-junction, west–east with branch south"), "A9", "A8", "AA", way(W, E, straight).plus(0.5)},
        {"A9", Rcp1,          {5, top},    road,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam T-junction, north–south with branch west"), "AA", "AB", "A9", way(N, S, straight).plus(0.5)},
        {"AA", Rcp1,          {4, bottom}, road,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam T-junction, west–east with branch north"), "AB", "AA", "A8", way(W, E, straight).plus(0.5)},
        {"AB", Rcp1,          {5, bottom}, road,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam T-junction, north–south with branch east"), "A8", "A9", "AB", way(N, S, straight).plus(0.5)},
        {"AC", Rcp1,          {6, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam chicane, west–east, kink north"), "AD", "AC", "AE", way(W, E, chicane(1))},
        {"AD", Rcp1,          {7, top},    road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam chicane, north–south, kink east"), "AE", "AF", "AD", way(N, S, chicane(1))},
        {"AE", Rcp1,          {6, bottom}, none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam chicane, west–east, kink south"), "AF", "AE", "AC", way(W, E, chicane(-1))},
        {"AF", Rcp1,          {7, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam chicane, north–south, kink west"), "AC", "AD", "AF", way(N, S, chicane(-1))},
        {"AG", Rcp1,          {8, top},    road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam crossroads"), "AG", "AG", "AG", way(W, E, straight) + way(N, S, straight)},
        {"AH", Rcp1,          {9, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Plain foam"), "AH", "AH", "AH", noRoad},
        {"AI", Rcp1,          {8, bottom}, none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Foam slalom, west–east"), "AJ", "AI", "AI", way(W, E, straight)},
        {"AJ", Rcp1,          {9, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Foam slalom, north–south"), "AI", "AJ", "AJ", way(N, S, straight)},

        // RCP 2, the carpet. A turning bay is a dead end closed inside its own cell,
        // so only its one road edge counts; the roundabout has four arms.
        {"B0", Rcp2,          {0, top},    none,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet corner, east to south"), "B1", "B1", "B2", way(E, S, corner)},
        {"B1", Rcp2,          {1, top},    none,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet corner, south to west"), "B3", "B0", "B3", way(S, W, corner)},
        {"B2", Rcp2,          {0, bottom}, road,      road,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet corner, north to east"), "B0", "B3", "B0", way(N, E, corner)},
        {"B3", Rcp2,          {1, bottom}, road,      none,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet corner, west to north"), "B2", "B2", "B1", way(W, N, corner)},
        {"B4", Rcp2,          {2, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet straight, west–east"), "B5", "B4", "B4", way(W, E, straight)},
        {"B5", Rcp2,          {3, top},    road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet straight, north–south"), "B4", "B5", "B5", way(N, S, straight)},
        {"B6", Rcp2,          {2, bottom}, none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet straight, west–east, start line"), "B7", "", "B6", way(W, E, straight)},
        {"B7", Rcp2,          {3, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet straight, north–south, start line"), "", "B7", "", way(N, S, straight)},
        {"B8", Rcp2,          {4, top},    none,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet T-junction, west–east with branch south"), "B9", "B8", "BA", way(W, E, straight).plus(0.5)},
        {"B9", Rcp2,          {5, top},    road,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet T-junction, north–south with branch west"), "BA", "BB", "B9", way(N, S, straight).plus(0.5)},
        {"BA", Rcp2,          {4, bottom}, road,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet T-junction, west–east with branch north"), "BB", "BA", "B8", way(W, E, straight).plus(0.5)},
        {"BB", Rcp2,          {5, bottom}, road,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet T-junction, north–south with branch east"), "B8", "B9", "BB", way(N, S, straight).plus(0.5)},
        {"BC", Rcp2,          {6, top},    none,      none,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet turning bay, entry from the west"), "BD", "BE", "BC", bay()},
        {"BD", Rcp2,          {7, top},    road,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet turning bay, entry from the north"), "BE", "BD", "BF", bay()},
        {"BE", Rcp2,          {6, bottom}, none,      road,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet turning bay, entry from the east"), "BF", "BC", "BE", bay()},
        {"BF", Rcp2,          {7, bottom}, none,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Carpet turning bay, entry from the south"), "BC", "BF", "BD", bay()},
        {"BG", Rcp2,          {8, top},    road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet crossroads"), "BG", "BG", "BG", way(W, E, straight) + way(N, S, straight)},
        {"BH", Rcp2,          {9, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Plain carpet"), "BH", "BH", "BH", noRoad},
        {"BI", Rcp2,          {8, bottom}, road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Carpet roundabout"), "BI", "BI", "BI", way(W, E, roundabout) + way(N, S, roundabout)},

        // Larger corners, cut from one drawing of 2 x 2 or 3 x 3 cells: a road
        // band of radii 62..82 or 110..130 around a corner of the block. Inside
        // the block the band crosses the cuts off the middle and slanted, so
        // those edges meet only the block's own next piece; in a 2 x 2 block it
        // even clips the inside cell's corner (13, 16, 19, 1C). Only the block's
        // two outer road edges are ordinary. Where the band's edge crosses a cut
        // half-way through a pixel (at 29.5 and 18.5), the whole pixel is the
        // one that the edge pixels of both cells show: 29 and 19.
        {"10", LargerCorners, {0, top},    none,      R(29, 48), R(29, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 east to south, top-left"), "15", "15", "1A", sweep(E, S, {2, 2}, 1.5)},
        {"11", LargerCorners, {1, top},    none,      road,      R(0, 9),   R(29, 48), QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 east to south, top-right"), "17", "14", "1B", sweep(E, W, {1, 2}, 1.5)},
        {"12", LargerCorners, {0, bottom}, R(29, 48), R(0, 9),   road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 east to south, bottom-left"), "14", "17", "18", sweep(N, S, {2, 1}, 1.5)},
        {"13", LargerCorners, {1, bottom}, R(0, 9),   none,      none,      R(0, 9),   QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 east to south, bottom-right"), "16", "16", "19", noRoad},
        {"14", LargerCorners, {2, top},    none,      R(29, 48), R(39, 48), road,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 south to west, top-left"), "1D", "11", "1E", sweep(W, E, {0, 2}, 1.5)},
        {"15", LargerCorners, {3, top},    none,      none,      R(0, 19),  R(29, 48), QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 south to west, top-right"), "1F", "10", "1F", sweep(W, S, {-1, 2}, 1.5)},
        {"16", LargerCorners, {2, bottom}, R(39, 48), R(0, 9),   none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 south to west, bottom-left"), "1C", "13", "1C", noRoad},
        {"17", LargerCorners, {3, bottom}, R(0, 19),  none,      road,      R(0, 9),   QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 south to west, bottom-right"), "1E", "12", "1D", sweep(N, S, {-1, 1}, 1.5)},
        {"18", LargerCorners, {4, top},    road,      R(39, 48), R(29, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 north to east, top-left"), "11", "1D", "12", sweep(N, S, {2, 0}, 1.5)},
        {"19", LargerCorners, {5, top},    none,      none,      R(0, 9),   R(39, 48), QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 north to east, top-right"), "13", "1C", "13", noRoad},
        {"1A", LargerCorners, {4, bottom}, R(29, 48), R(0, 19),  none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 north to east, bottom-left"), "10", "1F", "10", sweep(N, E, {2, -1}, 1.5)},
        {"1B", LargerCorners, {5, bottom}, R(0, 9),   road,      none,      R(0, 19),  QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 north to east, bottom-right"), "12", "1E", "11", sweep(W, E, {1, -1}, 1.5)},
        {"1C", LargerCorners, {6, top},    none,      R(39, 48), R(39, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 west to north, top-left"), "19", "19", "16", noRoad},
        {"1D", LargerCorners, {7, top},    road,      none,      R(0, 19),  R(39, 48), QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 west to north, top-right"), "1B", "18", "17", sweep(N, S, {-1, 0}, 1.5)},
        {"1E", LargerCorners, {6, bottom}, R(39, 48), R(0, 19),  none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 west to north, bottom-left"), "18", "1B", "14", sweep(W, E, {0, -1}, 1.5)},
        {"1F", LargerCorners, {7, bottom}, R(0, 19),  none,      none,      R(0, 19),  QT_TRANSLATE_NOOP("PieceTable", "Large corner 2 × 2 west to north, bottom-right"), "1A", "1A", "15", sweep(N, W, {-1, -1}, 1.5)},

        // The 3 x 3 corner; its three inner cells are plain grass, and 1G only
        // carries the gravel and the kerb.
        {"1G", LargerCorners, {8, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, top-left"), "", "", "", noRoad},
        {"1H", LargerCorners, {9, top},    none,      R(23, 45), R(8, 42),  none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, top-middle"), "", "", "", sweep(E, S, {2, 3}, 2.5)},
        {"1I", LargerCorners, {8, bottom}, none,      R(8, 42),  R(23, 45), none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, middle-left"), "", "", "", sweep(E, S, {3, 2}, 2.5)},
        {"1J", LargerCorners, {9, bottom}, R(8, 42),  none,      none,      R(8, 42),  QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, centre"), "", "", "", sweep(N, W, {2, 2}, 2.5)},
        {"1K", LargerCorners, {10, top},   none,      road,      none,      R(23, 45), QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, top-right"), "", "", "", sweep(E, W, {1, 3}, 2.5)},
        {"1L", LargerCorners, {10, bottom}, R(23, 45), none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Large corner 3 × 3 east to south, bottom-left"), "", "", "", sweep(N, S, {3, 1}, 2.5)},

        // Intersection. A fork's branch curves off its straight at the west end
        // towards the north edge: three road edges, the missing one opposite the
        // branch. A bridge carries a road over a road; both run straight across,
        // so at its edges it is a crossroads whatever the levels.
        {"20", Intersection,  {0, top},    none,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "T-junction, west–east with branch south"), "21", "20", "22", way(W, E, straight).plus(0.5)},
        {"21", Intersection,  {1, top},    road,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "T-junction, north–south with branch west"), "22", "23", "21", way(N, S, straight).plus(0.5)},
        {"22", Intersection,  {0, bottom}, road,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "T-junction, west–east with branch north"), "23", "22", "20", way(W, E, straight).plus(0.5)},
        {"23", Intersection,  {1, bottom}, road,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "T-junction, north–south with branch east"), "20", "21", "23", way(N, S, straight).plus(0.5)},
        {"24", Intersection,  {2, top},    road,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Fork, west–east with branch north, at the west end"), "25", "", "", way(W, E, straight).plus(quarter)},
        {"25", Intersection,  {3, top},    road,      road,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Fork, north–south with branch east, at the north end"), "26", "", "", way(N, S, straight).plus(quarter)},
        {"26", Intersection,  {2, bottom}, none,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Fork, west–east with branch south, at the east end"), "27", "", "", way(W, E, straight).plus(quarter)},
        {"27", Intersection,  {3, bottom}, road,      none,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Fork, north–south with branch west, at the south end"), "24", "", "", way(N, S, straight).plus(quarter)},
        {"28", Intersection,  {4, top},    road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Crossroads"), "28", "28", "28", way(W, E, straight) + way(N, S, straight)},
        {"29", Intersection,  {5, top},    road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Bridge, west–east over north–south"), "2A", "29", "29", way(W, E, straight) + way(N, S, straight)},
        {"2A", Intersection,  {4, bottom}, road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Bridge, north–south over west–east"), "29", "2A", "2A", way(W, E, straight) + way(N, S, straight)},
        {"2B", Intersection,  {5, bottom}, road,      road,      road,      road,      QT_TRANSLATE_NOOP("PieceTable", "Roundabout"), "2B", "2B", "2B", way(W, E, roundabout) + way(N, S, roundabout)},

        // Diagonal. A diagonal passes through cell corners; its band, 20 wide,
        // crosses each of the two edges at that corner over 10 * sqrt(2) = 14
        // pixels from the corner (0..14 or 34..48). The cells beside the corner
        // carry the rest of the band (the corner pieces 3A..3D), so a diagonal
        // only meets the next diagonal through them. Bends start at a middle.
        {"30", Diagonal,      {0, top},    R(34, 48), R(0, 14),  none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, west to north-east"), "31", "38", "36", way(W, NE, bend(1))},
        {"31", Diagonal,      {1, top},    road,      R(34, 48), R(34, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, north to south-east"), "32", "37", "39", way(N, SE, bend(1))},
        {"32", Diagonal,      {0, bottom}, none,      road,      R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, east to south-west"), "33", "36", "38", way(E, SW, bend(1))},
        {"33", Diagonal,      {1, bottom}, R(0, 14),  none,      road,      R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, south to north-west"), "30", "39", "37", way(S, NW, bend(1))},
        {"34", Diagonal,      {2, top},    R(34, 48), R(0, 14),  R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal, south-west to north-east"), "35", "35", "35", way(SW, NE, diagonal)},
        {"35", Diagonal,      {2, bottom}, R(0, 14),  R(34, 48), R(34, 48), R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal, north-west to south-east"), "34", "34", "34", way(NW, SE, diagonal)},
        {"36", Diagonal,      {3, top},    none,      R(34, 48), R(34, 48), road,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, west to south-east"), "37", "32", "30", way(W, SE, bend(-1))},
        {"37", Diagonal,      {4, top},    road,      none,      R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, north to south-west"), "38", "31", "33", way(N, SW, bend(-1))},
        {"38", Diagonal,      {3, bottom}, R(0, 14),  road,      none,      R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, east to north-west"), "39", "30", "32", way(E, NW, bend(-1))},
        {"39", Diagonal,      {4, bottom}, R(34, 48), R(0, 14),  road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal bend, south to north-east"), "36", "33", "31", way(S, NE, bend(-1))},
        {"3A", Diagonal,      {5, top},    none,      R(34, 48), R(34, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal corner, south-east"), "3B", "3B", "3C", noRoad},
        {"3B", Diagonal,      {6, top},    none,      none,      R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal corner, south-west"), "3D", "3A", "3D", noRoad},
        {"3C", Diagonal,      {5, bottom}, R(34, 48), R(0, 14),  none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Diagonal corner, north-east"), "3A", "3D", "3A", noRoad},
        {"3D", Diagonal,      {6, bottom}, R(0, 14),  none,      none,      R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal corner, north-west"), "3C", "3C", "3B", noRoad},
        {"3E", Diagonal,      {7, top},    R(34, 48), R(0, 14),  R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal, south-west to north-east, start line"), "3F", "3F", "3F", way(SW, NE, diagonal)},
        {"3F", Diagonal,      {8, top},    R(0, 14),  R(34, 48), R(34, 48), R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal, north-west to south-east, start line"), "3E", "3E", "3E", way(NW, SE, diagonal)},
        {"3G", Diagonal,      {7, bottom}, R(0, 14),  R(34, 48), R(34, 48), R(0, 14),  QT_TRANSLATE_NOOP("PieceTable", "Diagonal corners, north-west and south-east"), "3H", "3H", "3H", noRoad},
        {"3H", Diagonal,      {8, bottom}, R(34, 48), R(0, 14),  R(0, 14),  R(34, 48), QT_TRANSLATE_NOOP("PieceTable", "Diagonal corners, north-east and south-west"), "3G", "3G", "3G", noRoad},

        // Pit lane: the pit lane (4..11 beside a west-east road, 37..44 beside a
        // north-south one) is a road of its own; the pit wall between is not.
        // Lane and road cross the edge together, so a pit piece meets only a pit
        // piece with the lane on the same side, or a pit end, which closes the lane.
        {"40", PitLane,       {0, top},    none,      laneRoad,  none,      laneRoad,  QT_TRANSLATE_NOOP("PieceTable", "Pit garages, west–east, pits north"), "41", "40", "", way(W, E, straight).plus(1)},
        {"41", PitLane,       {1, top},    roadLane,  none,      roadLane,  none,      QT_TRANSLATE_NOOP("PieceTable", "Pit garages, north–south, pits east"), "", "", "41", way(N, S, straight).plus(1)},
        {"42", PitLane,       {0, bottom}, none,      laneRoad,  none,      laneRoad,  QT_TRANSLATE_NOOP("PieceTable", "Pit straight, west–east, pits north"), "43", "42", "", way(W, E, straight).plus(1)},
        {"43", PitLane,       {1, bottom}, roadLane,  none,      roadLane,  none,      QT_TRANSLATE_NOOP("PieceTable", "Pit straight, north–south, pits east"), "", "", "43", way(N, S, straight).plus(1)},
        {"44", PitLane,       {2, top},    none,      laneRoad,  none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Pit lane end, west–east, lane goes on east"), "46", "45", "", way(W, E, straight).plus(pitEnd)},
        {"45", PitLane,       {3, top},    none,      road,      none,      laneRoad,  QT_TRANSLATE_NOOP("PieceTable", "Pit lane end, west–east, lane goes on west"), "47", "44", "", way(W, E, straight).plus(pitEnd)},
        {"46", PitLane,       {2, bottom}, road,      none,      roadLane,  none,      QT_TRANSLATE_NOOP("PieceTable", "Pit lane end, north–south, lane goes on south"), "", "", "47", way(N, S, straight).plus(pitEnd)},
        {"47", PitLane,       {3, bottom}, roadLane,  none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Pit lane end, north–south, lane goes on north"), "", "", "46", way(N, S, straight).plus(pitEnd)},
        {"48", PitLane,       {4, top},    none,      laneRoad,  none,      laneRoad,  QT_TRANSLATE_NOOP("PieceTable", "Pit start line, west–east, pits north"), "49", "48", "", way(W, E, straight).plus(1)},
        {"49", PitLane,       {4, bottom}, roadLane,  none,      roadLane,  none,      QT_TRANSLATE_NOOP("PieceTable", "Pit start line, north–south, pits east"), "", "", "49", way(N, S, straight).plus(1)},

        // Bumps: the ridges, the ramp and the washboard stop short of the edges.
        {"90", Bumps,         {0, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Speed hump, west–east"), "91", "90", "90", way(W, E, straight)},
        {"91", Bumps,         {0, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Speed hump, north–south"), "90", "91", "91", way(N, S, straight)},
        {"92", Bumps,         {1, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Bump strip, west–east"), "93", "92", "92", way(W, E, straight)},
        {"93", Bumps,         {1, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Bump strip, north–south"), "92", "93", "93", way(N, S, straight)},
        {"94", Bumps,         {2, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Washboard, west–east"), "95", "94", "94", way(W, E, straight)},
        {"95", Bumps,         {2, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Washboard, north–south"), "94", "95", "95", way(N, S, straight)},
        {"96", Bumps,         {3, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Jump ramp, west–east, heading east"), "97", "98", "96", way(W, E, straight)},
        {"97", Bumps,         {4, top},    road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Jump ramp, north–south, heading south"), "98", "97", "99", way(N, S, straight)},
        {"98", Bumps,         {3, bottom}, none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Jump ramp, west–east, heading west"), "99", "96", "98", way(W, E, straight)},
        {"99", Bumps,         {4, bottom}, road,      none,      road,      none,      QT_TRANSLATE_NOOP("PieceTable", "Jump ramp, north–south, heading north"), "96", "99", "97", way(N, S, straight)},

        // Open 1: paved areas whose border runs through the cell middles (0..24
        // or 24..48 along an edge). An entry's road is a road, not paving.
        {"50", Open1,         {0, top},    none,      P(24, 48), P(0, 48),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Paved area, edge, grass to the north"), "51", "50", "52", noRoad},
        {"51", Open1,         {1, top},    P(0, 24),  none,      P(0, 24),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, edge, grass to the east"), "52", "53", "51", noRoad},
        {"52", Open1,         {0, bottom}, P(0, 48),  P(0, 24),  none,      P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, edge, grass to the south"), "53", "52", "50", noRoad},
        {"53", Open1,         {1, bottom}, P(24, 48), P(0, 48),  P(24, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Paved area, edge, grass to the west"), "50", "51", "53", noRoad},
        {"54", Open1,         {2, top},    none,      P(24, 48), P(24, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Paved area, outer corner, paved to the south-east"), "55", "55", "56", noRoad},
        {"55", Open1,         {3, top},    none,      none,      P(0, 24),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Paved area, outer corner, paved to the south-west"), "57", "54", "57", noRoad},
        {"56", Open1,         {2, bottom}, P(24, 48), P(0, 24),  none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Paved area, outer corner, paved to the north-east"), "54", "57", "54", noRoad},
        {"57", Open1,         {3, bottom}, P(0, 24),  none,      none,      P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, outer corner, paved to the north-west"), "56", "56", "55", noRoad},
        {"58", Open1,         {4, top},    P(0, 48),  P(0, 24),  P(0, 24),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, inner corner, grass to the south-east"), "59", "59", "5A", noRoad},
        {"59", Open1,         {5, top},    P(0, 48),  P(0, 48),  P(24, 48), P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, inner corner, grass to the south-west"), "5B", "58", "5B", noRoad},
        {"5A", Open1,         {4, bottom}, P(0, 24),  P(24, 48), P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, inner corner, grass to the north-east"), "58", "5B", "58", noRoad},
        {"5B", Open1,         {5, bottom}, P(24, 48), P(0, 48),  P(0, 48),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Paved area, inner corner, grass to the north-west"), "5A", "5A", "59", noRoad},
        {"5C", Open1,         {6, top},    road,      P(24, 48), P(0, 48),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Paved area, road entry from the north"), "5D", "5C", "5E", PieceRoad().plus(0.5)},
        {"5D", Open1,         {7, top},    P(0, 24),  road,      P(0, 24),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, road entry from the east"), "5E", "5F", "5D", PieceRoad().plus(0.5)},
        {"5E", Open1,         {6, bottom}, P(0, 48),  P(0, 24),  road,      P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Paved area, road entry from the south"), "5F", "5E", "5C", PieceRoad().plus(0.5)},
        {"5F", Open1,         {7, bottom}, P(24, 48), P(0, 48),  P(24, 48), road,      QT_TRANSLATE_NOOP("PieceTable", "Paved area, road entry from the west"), "5C", "5D", "5F", PieceRoad().plus(0.5)},
        {"5G", Open1,         {8, top},    P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area"), "5G", "5G", "5G", noRoad},
        {"5H", Open1,         {9, top},    P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved area with cones"), "5H", "5H", "5H", noRoad},
        {"5I", Open1,         {8, bottom}, P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved finish line, driven west–east"), "5J", "5I", "5I", noRoad},
        {"5J", Open1,         {9, bottom}, P(0, 48),  P(0, 48),  P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Paved finish line, driven north–south"), "5I", "5J", "5J", noRoad},

        // Open 2: the same areas with the kerb painted on the paving's side of the
        // border, so they meet Open 1 edges.
        {"60", Open2,         {0, top},    none,      P(24, 48), P(0, 48),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, edge, grass to the north"), "61", "60", "62", noRoad},
        {"61", Open2,         {1, top},    P(0, 24),  none,      P(0, 24),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, edge, grass to the east"), "62", "63", "61", noRoad},
        {"62", Open2,         {0, bottom}, P(0, 48),  P(0, 24),  none,      P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, edge, grass to the south"), "63", "62", "60", noRoad},
        {"63", Open2,         {1, bottom}, P(24, 48), P(0, 48),  P(24, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, edge, grass to the west"), "60", "61", "63", noRoad},
        {"64", Open2,         {2, top},    none,      P(24, 48), P(24, 48), none,      QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, outer corner, paved to the south-east"), "65", "65", "66", noRoad},
        {"65", Open2,         {3, top},    none,      none,      P(0, 24),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, outer corner, paved to the south-west"), "67", "64", "67", noRoad},
        {"66", Open2,         {2, bottom}, P(24, 48), P(0, 24),  none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, outer corner, paved to the north-east"), "64", "67", "64", noRoad},
        {"67", Open2,         {3, bottom}, P(0, 24),  none,      none,      P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, outer corner, paved to the north-west"), "66", "66", "65", noRoad},
        {"68", Open2,         {4, top},    P(0, 48),  P(0, 24),  P(0, 24),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, inner corner, grass to the south-east"), "69", "69", "6B", noRoad},
        {"69", Open2,         {5, top},    P(0, 48),  P(0, 48),  P(24, 48), P(0, 24),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, inner corner, grass to the south-west"), "6A", "68", "6A", noRoad},
        {"6A", Open2,         {5, bottom}, P(24, 48), P(0, 48),  P(0, 48),  P(24, 48), QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, inner corner, grass to the north-west"), "6B", "6B", "69", noRoad},
        {"6B", Open2,         {4, bottom}, P(0, 24),  P(24, 48), P(0, 48),  P(0, 48),  QT_TRANSLATE_NOOP("PieceTable", "Kerbed area, inner corner, grass to the north-east"), "68", "6A", "68", noRoad},

        // Extra's: only the start lights stand on a road. The tyre walls reach the
        // edges but are no road.
        {"70", Extras,        {0, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Tyre stacks"), "70", "70", "70", noRoad},
        {"71", Extras,        {1, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Tyre wall, running west–east"), "72", "71", "", noRoad},
        {"72", Extras,        {0, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Tyre wall, running north–south"), "", "", "72", noRoad},
        {"73", Extras,        {1, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Tree"), "73", "73", "73", noRoad},
        {"74", Extras,        {2, top},    none,      road,      none,      road,      QT_TRANSLATE_NOOP("PieceTable", "Start lights, west–east"), "", "74", "74", way(W, E, straight)},
        {"75", Extras,        {2, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Grandstand"), "", "75", "", noRoad},
        {"76", Extras,        {3, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Marshal post"), "", "76", "", noRoad},
        {"77", Extras,        {3, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Bushes"), "77", "77", "77", noRoad},
        {"78", Extras,        {4, top},    none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Pond"), "78", "78", "78", noRoad},
        {"79", Extras,        {4, bottom}, none,      none,      none,      none,      QT_TRANSLATE_NOOP("PieceTable", "Straw bales"), "79", "79", "79", noRoad},
    };
    QVector<Piece> table;
    table.reserve(int(std::size(rows)));
    for (const Row &row : rows)
        table.append(Piece{QByteArray(row.code), row.page, row.slot, QString::fromUtf8(row.name),
                           PieceEdges(row.north, row.east, row.south, row.west), QByteArray(row.clockwise),
                           QByteArray(row.mirroredLeftRight), QByteArray(row.mirroredTopBottom), row.road});
    return table;
}

const QHash<QByteArray, int> &indexByCode()
{
    static const QHash<QByteArray, int> index = [] {
        QHash<QByteArray, int> result;
        const QVector<Piece> &pieces = PieceTable::pieces();
        for (int i = 0; i < pieces.size(); ++i)
            result.insert(pieces[i].code, i);
        return result;
    }();
    return index;
}

// The anticlockwise counterparts: the clockwise column read backwards. The
// clockwise column never names one piece twice (tst_counterparts), so each
// code has at most one.
const QHash<QByteArray, QByteArray> &anticlockwiseByCode()
{
    static const QHash<QByteArray, QByteArray> index = [] {
        QHash<QByteArray, QByteArray> result;
        for (const Piece &piece : PieceTable::pieces())
            if (!piece.clockwise.isEmpty())
                result.insert(piece.clockwise, piece.code);
        return result;
    }();
    return index;
}

} // namespace

const QVector<Piece> &PieceTable::pieces()
{
    static const QVector<Piece> table = build();
    return table;
}

const QVector<PiecePage> &PieceTable::pages()
{
    // In PageId order.
    static const QVector<PiecePage> table = {
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Normal")), '0'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "RCP 1")), 'A'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "RCP 2")), 'B'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Larger corners")), '1'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Intersection")), '2'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Diagonal")), '3'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Pit lane")), '4'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Bumps")), '9'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Open 1")), '5'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Open 2")), '6'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Extra's")), '7'},
        {QLatin1String(QT_TRANSLATE_NOOP("PieceTable", "Utilities")), 0},
    };
    return table;
}

const Piece *PieceTable::find(const QByteArray &code)
{
    const auto it = indexByCode().constFind(code);
    return it == indexByCode().constEnd() ? nullptr : &pieces()[*it];
}

QString PieceTable::name(const QByteArray &code)
{
    const Piece *piece = find(code);
    return piece ? piece->name : QString();
}

QString PieceTable::shownName(const QByteArray &code)
{
    return shown(name(code));
}

QString PieceTable::shown(const QString &text)
{
    return text.isEmpty() ? text : QCoreApplication::translate("PieceTable", text.toUtf8().constData());
}

QByteArray PieceTable::counterpart(const QByteArray &code, Turn turn)
{
    if (turn == Turn::Anticlockwise)
        return anticlockwiseByCode().value(code);
    const Piece *piece = find(code);
    if (!piece)
        return QByteArray();
    switch (turn) {
    case Turn::Clockwise:
        return piece->clockwise;
    case Turn::MirrorLeftRight:
        return piece->mirroredLeftRight;
    case Turn::MirrorTopBottom:
        return piece->mirroredTopBottom;
    case Turn::Anticlockwise:
        break;
    }
    return QByteArray();
}
