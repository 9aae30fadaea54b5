// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/roadfamily.h"

#include "pieces/piecetable.h"

#include <QStringList>

#include <algorithm>

namespace {

// The palette pages whose pieces a family lays. The circuit's crossroads
// sits with its junctions, on "Intersection".
QStringList captionsOf(RoadFamily family)
{
    switch (family) {
    case RoadFamily::Foam:
        return {QStringLiteral("RCP 1")};
    case RoadFamily::Carpet:
        return {QStringLiteral("RCP 2")};
    case RoadFamily::Circuit:
        break;
    }
    return {QStringLiteral("Normal"), QStringLiteral("Intersection")};
}

// The page's family for every palette page, looked up once: the tools ask
// for it at every cell they look at.
const QVector<RoadFamily> &familyByPage()
{
    static const QVector<RoadFamily> families = [] {
        QVector<RoadFamily> result;
        for (const PiecePage &page : PieceTable::pages()) {
            RoadFamily family = RoadFamily::Circuit;
            for (RoadFamily other : {RoadFamily::Foam, RoadFamily::Carpet})
                if (captionsOf(other).contains(page.caption))
                    family = other;
            result.append(family);
        }
        return result;
    }();
    return families;
}

bool onPages(const Piece &piece, const QStringList &captions)
{
    return captions.contains(PieceTable::pages().value(piece.page).caption);
}

// The edges that carry road of that profile, or 0 when any edge carries
// something else.
EdgeSet edgesCarrying(const PieceEdges &edges, const EdgeProfile &road)
{
    EdgeSet set = 0;
    for (Edge edge : Edges::all) {
        if (edges[edge].isEmpty())
            continue;
        if (edges[edge] != road)
            return 0;
        set |= EdgeSets::of(edge);
    }
    return set;
}

bool isPlainRoad(const EdgeProfile &profile)
{
    return profile.spans().size() == 1 && profile.spans().first().kind == EdgeSpan::Road;
}

} // namespace

RoadPieces::RoadPieces(RoadFamily family)
    : m_family(family)
{
    const QStringList pages = captionsOf(family);
    const QVector<Piece> &table = PieceTable::pieces();
    // The road is what the crossroads shows at all four edges alike.
    for (const Piece &piece : table) {
        const EdgeProfile &north = piece.edges[Edge::North];
        if (onPages(piece, pages) && isPlainRoad(north) && edgesCarrying(piece.edges, north) == EdgeSets::all) {
            m_road = north;
            break;
        }
    }
    for (const Piece &piece : table) {
        if (!onPages(piece, pages) || m_road.isEmpty())
            continue;
        const EdgeSet set = edgesCarrying(piece.edges, m_road);
        const bool bare = std::all_of(Edges::all.cbegin(), Edges::all.cend(),
                                      [&](Edge edge) { return piece.edges[edge].isEmpty(); });
        if (bare && m_plain.isEmpty())
            m_plain = piece.code;
        // Two edges (a straight or a corner) or all four (the crossroads).
        const int count = EdgeSets::count(set);
        if ((count == 2 || count == 4) && m_pieces[set].isEmpty())
            m_pieces[set] = piece.code;
    }
}

const RoadPieces &RoadPieces::of(RoadFamily family)
{
    static const RoadPieces families[] = {RoadPieces(RoadFamily::Circuit), RoadPieces(RoadFamily::Foam),
                                          RoadPieces(RoadFamily::Carpet)};
    return families[int(family)];
}

RoadFamily RoadPieces::familyOf(const QByteArray &code)
{
    const Piece *piece = PieceTable::find(code);
    return piece ? familyByPage().value(piece->page, RoadFamily::Circuit) : RoadFamily::Circuit;
}

QString RoadPieces::name(RoadFamily family)
{
    static const char *const names[] = {"circuit", "foam", "carpet"};
    return QString::fromLatin1(names[int(family)]);
}

bool RoadPieces::fromName(const QString &name, RoadFamily &family)
{
    for (RoadFamily candidate : {RoadFamily::Circuit, RoadFamily::Foam, RoadFamily::Carpet}) {
        if (name == RoadPieces::name(candidate)) {
            family = candidate;
            return true;
        }
    }
    return false;
}

bool RoadPieces::carriesRoad(const QByteArray &code, Edge edge) const
{
    const Piece *piece = PieceTable::find(code);
    return piece && familyOf(code) == m_family && !m_road.isEmpty() && piece->edges[edge] == m_road;
}

EdgeSet RoadPieces::roadEdges(const QByteArray &code) const
{
    const Piece *piece = PieceTable::find(code);
    if (!piece || familyOf(code) != m_family || m_road.isEmpty())
        return 0;
    return edgesCarrying(piece->edges, m_road);
}
