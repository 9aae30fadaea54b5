// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/roads/routesolver.h"

#include "document/roads/roadcells.h"

#include <cstdlib>

namespace {

constexpr int nowhere = -1;
// Far more than a drag across the largest grid takes; a guard against a
// walk that could not settle.
constexpr int maxStepsPerEnter = 4 * TrackGrid::side;

bool isStraight(EdgeSet links)
{
    return links == EdgeSets::westEast || links == EdgeSets::northSouth;
}

EdgeSet across(EdgeSet straight)
{
    return straight == EdgeSets::westEast ? EdgeSets::northSouth : EdgeSets::westEast;
}

} // namespace

RouteSolver::RouteSolver(const TrackGrid &grid, RoadFamily family)
    : m_grid(grid), m_family(family), m_roads(RoadPieces::of(family))
{
    for (auto &places : m_places)
        places = {nowhere, nowhere};
    m_marked.fill(false);
}

bool RouteSolver::start(QPoint cell)
{
    clear();
    if (!RoadCells::inBlock(m_grid, cell))
        return false;
    push(cell);
    return true;
}

void RouteSolver::clear()
{
    const QVector<QPoint> cells = m_route;
    m_route.clear();
    for (const QPoint &cell : cells) {
        m_places[size_t(RoadCells::index(cell))] = {nowhere, nowhere};
        refresh(cell);
    }
}

bool RouteSolver::isClosed() const
{
    return m_route.size() > 4 && m_route.first() == m_route.last();
}

int RouteSolver::visits(QPoint cell) const
{
    const auto &places = m_places[size_t(RoadCells::index(cell))];
    return int(places[0] != nowhere) + int(places[1] != nowhere);
}

bool RouteSolver::enter(QPoint cell)
{
    if (m_route.isEmpty())
        return false;
    bool changed = false;
    for (int steps = 0; steps < maxStepsPerEnter && head() != cell; ++steps) {
        const QPoint here = head();
        const QPoint delta = cell - here;
        const QPoint alongX(delta.x() > 0 ? 1 : -1, 0);
        const QPoint alongY(0, delta.y() > 0 ? 1 : -1);
        // The farther axis first; on a tie (a diagonal) the way the route runs.
        bool xFirst = std::abs(delta.x()) > std::abs(delta.y());
        if (std::abs(delta.x()) == std::abs(delta.y()))
            xFirst = m_route.size() < 2 || m_route[m_route.size() - 2].y() == here.y();
        const QPoint first = here + (xFirst ? alongX : alongY);
        const QPoint second = here + (xFirst ? alongY : alongX);
        const bool secondUsable = xFirst ? delta.y() != 0 : delta.x() != 0;
        if (tryStep(first) || (secondUsable && tryStep(second)))
            changed = true;
        else
            break;
    }
    return changed;
}

bool RouteSolver::tryStep(QPoint next)
{
    if (!RoadCells::inBlock(m_grid, next))
        return false;
    return step(next);
}

bool RouteSolver::step(QPoint next)
{
    const int n = int(m_route.size());
    if (n >= 2 && next == m_route[n - 2]) {
        pop();
        return true;
    }
    if (!mayEnter(next))
        return false;
    push(next);
    return true;
}

bool RouteSolver::mayEnter(QPoint next) const
{
    const int n = int(m_route.size());
    if (isClosed())
        return false;
    const QPoint here = m_route.last();
    // Out of a crossing the route goes straight on.
    if (n >= 2 && visits(here) == 2 && next - here != here - m_route[n - 2])
        return false;
    switch (visits(next)) {
    case 0:
        return true;
    case 1:
        return next == m_route.first() ? n >= 4 : crossesStraightOver(next);
    default:
        return false;
    }
}

// The route ran straight through next before and now enters it across.
bool RouteSolver::crossesStraightOver(QPoint next) const
{
    const int place = m_places[size_t(RoadCells::index(next))][0];
    if (place <= 0 || place >= m_route.size() - 1)
        return false;
    const EdgeSet pass = linksAt(place);
    return isStraight(pass) && !EdgeSets::has(pass, RoadCells::towards(next, m_route.last()));
}

void RouteSolver::push(QPoint cell)
{
    auto &places = m_places[size_t(RoadCells::index(cell))];
    places[places[0] == nowhere ? 0 : 1] = int(m_route.size());
    m_route.append(cell);
    if (m_route.size() > 1)
        refresh(m_route[m_route.size() - 2]);
    refreshEnds(cell);
}

void RouteSolver::pop()
{
    const QPoint cell = m_route.takeLast();
    auto &places = m_places[size_t(RoadCells::index(cell))];
    places[places[1] != nowhere ? 1 : 0] = nowhere;
    if (!m_route.isEmpty())
        refresh(m_route.last());
    refreshEnds(cell);
}

// The cell that came or went, the first cell, and whatever of the route
// lies beside the cell: an end's joins look at its neighbours.
void RouteSolver::refreshEnds(QPoint cell)
{
    refresh(cell);
    if (m_route.isEmpty())
        return;
    refresh(m_route.first());
    refresh(m_route.last());
}

void RouteSolver::refresh(QPoint cell)
{
    const int index = RoadCells::index(cell);
    const QByteArray piece = solve(cell);
    if (piece == m_preview[size_t(index)])
        return;
    m_preview[size_t(index)] = piece;
    if (!m_marked[size_t(index)]) {
        m_marked[size_t(index)] = true;
        m_changed.append(cell);
    }
}

// The edges through which the route leaves the cell at that place: back to
// the cell before, on to the cell after.
EdgeSet RouteSolver::linksAt(int position) const
{
    EdgeSet links = 0;
    const QPoint cell = m_route[position];
    if (position > 0)
        links |= EdgeSets::of(RoadCells::towards(cell, m_route[position - 1]));
    if (position < m_route.size() - 1)
        links |= EdgeSets::of(RoadCells::towards(cell, m_route[position + 1]));
    return links;
}

// An open end's joins: the neighbours off the route whose facing edge
// carries the family's road, straight on first. With no link yet (a lone
// first cell) it joins two of them, a straight pair first.
EdgeSet RouteSolver::joinsAt(QPoint cell, EdgeSet links) const
{
    EdgeSet candidates = 0;
    for (Edge edge : Edges::all) {
        const QPoint next = RoadCells::across(cell, edge);
        if (EdgeSets::has(links, edge) || !RoadCells::inBlock(m_grid, next) || visits(next) != 0)
            continue;
        if (m_roads.carriesRoad(RoadCells::code(m_grid, next), Edges::opposite(edge)))
            candidates |= EdgeSets::of(edge);
    }
    if (candidates == 0)
        return 0;
    if (links != 0) {
        const EdgeSet opposite = EdgeSets::opposite(links);
        if (candidates & opposite)
            return opposite;
        return candidates & ~(candidates - 1);  // the first in north, east, south, west order
    }
    for (EdgeSet pair : {EdgeSets::northSouth, EdgeSets::westEast})
        if ((candidates & pair) == pair)
            return pair;
    const EdgeSet first = candidates & ~(candidates - 1);
    const EdgeSet rest = candidates & ~first;
    return first | (rest & ~(rest - 1));
}

QByteArray RouteSolver::solve(QPoint cell) const
{
    const auto &places = m_places[size_t(RoadCells::index(cell))];
    if (places[0] == nowhere)
        return {};
    const int last = int(m_route.size()) - 1;
    const bool closes = isClosed() && places[0] == 0 && places[1] == last;
    if (places[1] != nowhere && !closes)
        return m_roads.crossroads();
    EdgeSet links = linksAt(places[0]);
    if (closes)
        links |= linksAt(places[1]);
    else if (places[0] == 0 || places[0] == last)
        links |= joinsAt(cell, links);
    if (links == 0)
        return {};
    if (EdgeSets::count(links) == 1)
        links |= EdgeSets::opposite(links);  // straight on
    const QByteArray &existing = RoadCells::code(m_grid, cell);
    const EdgeSet roads = m_roads.roadEdges(existing);
    if ((roads & links) == links)
        return existing;
    if (isStraight(links) && roads == across(links))
        return m_roads.crossroads();
    return m_roads.piece(links);
}

QByteArray RouteSolver::pieceAt(QPoint cell) const
{
    if (cell.x() < 0 || cell.y() < 0 || cell.x() >= TrackGrid::side || cell.y() >= TrackGrid::side)
        return {};
    return m_preview[size_t(RoadCells::index(cell))];
}

QVector<RoutePiece> RouteSolver::pieces() const
{
    QVector<RoutePiece> result;
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        if (!m_preview[size_t(i)].isEmpty())
            result.append({QPoint(TrackGrid::columnOf(i), TrackGrid::rowOf(i)), m_preview[size_t(i)]});
    return result;
}

QVector<QPoint> RouteSolver::takeChanged()
{
    for (const QPoint &cell : m_changed)
        m_marked[size_t(RoadCells::index(cell))] = false;
    QVector<QPoint> changed;
    changed.swap(m_changed);
    return changed;
}

TrackGrid RouteSolver::laid() const
{
    TrackGrid grid = m_grid;
    for (const RoutePiece &piece : pieces())
        grid.setCode(RoadCells::index(piece.cell), piece.code);
    return grid;
}
