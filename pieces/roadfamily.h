// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/edge.h"
#include "pieces/edgeprofile.h"

#include <QByteArray>
#include <QString>

#include <array>

// The three kinds of plain road a hall is laid with: the circuit's tarmac,
// the foam mat ("RCP 1") and the carpet ("RCP 2"). Each has its straights,
// its four corners and its crossroads, and the tools that lay road for the
// user (the route, closing gaps, stretching a road over an inserted line)
// lay only those.
enum class RoadFamily { Circuit, Foam, Carpet };

// A set of cell edges, one bit per edge (bit int(edge)).
using EdgeSet = unsigned;

namespace EdgeSets {

constexpr EdgeSet of(Edge edge)
{
    return 1u << int(edge);
}
constexpr EdgeSet all = 0xF;
constexpr EdgeSet westEast = of(Edge::West) | of(Edge::East);
constexpr EdgeSet northSouth = of(Edge::North) | of(Edge::South);
constexpr int count(EdgeSet set)
{
    return int(set & 1) + int((set >> 1) & 1) + int((set >> 2) & 1) + int((set >> 3) & 1);
}
// Every edge of the set turned half round: north for south, east for west.
constexpr EdgeSet opposite(EdgeSet set)
{
    return ((set << 2) | (set >> 2)) & all;
}
constexpr bool has(EdgeSet set, Edge edge)
{
    return (set & of(edge)) != 0;
}

} // namespace EdgeSets

// One family's road pieces, found in the piece table rather than listed:
// the family's road is the profile that its crossroads shows on all four
// edges, and the piece that joins two edges is the first piece of the
// family's pages (in palette order) whose road edges are exactly those two,
// each with that profile, and whose other edges carry nothing. So the
// circuit's west-east straight is "04", not its start line "06".
class RoadPieces
{
public:
    // The family's pieces; built once.
    static const RoadPieces &of(RoadFamily family);
    // The family a piece belongs to: the foam mat's page makes foam, the
    // carpet's carpet, and every other piece (also a code outside the
    // table, and pieces that carry no road at all) is of the circuit.
    static RoadFamily familyOf(const QByteArray &code);
    // "circuit", "foam", "carpet".
    static QString name(RoadFamily family);
    // The family of that name (as name() gives it); false for any other text.
    static bool fromName(const QString &name, RoadFamily &family);

    RoadFamily family() const { return m_family; }
    // What the family's road shows where it crosses an edge.
    const EdgeProfile &road() const { return m_road; }
    // The straight or corner that joins the two edges of the set, or the
    // crossroads for all four; an empty code for any other set.
    const QByteArray &piece(EdgeSet edges) const { return m_pieces[edges & EdgeSets::all]; }
    const QByteArray &crossroads() const { return piece(EdgeSets::all); }
    // The family's plain surface, what lies beside its road: the first piece
    // of its pages whose four edges carry nothing ("07" grass, plain foam,
    // plain carpet).
    const QByteArray &plain() const { return m_plain; }
    // Whether code is a piece of this family whose edge carries the
    // family's road: a road of the family leaves the cell there.
    bool carriesRoad(const QByteArray &code, Edge edge) const;
    // The edges of a plain road piece of this family: every edge of it that
    // carries anything carries the family's road. 0 for any other piece
    // (a pit lane, a large corner's inner cut, paving, another family).
    EdgeSet roadEdges(const QByteArray &code) const;

private:
    explicit RoadPieces(RoadFamily family);

    RoadFamily m_family;
    EdgeProfile m_road;
    std::array<QByteArray, 16> m_pieces;
    QByteArray m_plain;
};
