// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/roads/gapcloser.h"

#include "document/roads/roadcells.h"
#include "pieces/catalogue.h"
#include "pieces/connectioncheck.h"
#include "pieces/roadfamily.h"

#include <QCoreApplication>
#include <QVector>

#include <array>
#include <functional>
#include <limits>
#include <queue>
#include <tuple>

namespace {

// A run is costed length first, then corners, then the grass it takes from
// in front of other ends: weights far enough apart that no count of a
// lesser term outweighs one of a greater (a run has at most 900 cells).
constexpr int lengthWeight = 1 << 20;
constexpr int cornerWeight = 1 << 10;
constexpr int blockWeight = 1;
constexpr int unreachable = std::numeric_limits<int>::max();
constexpr int stateCount = TrackGrid::cellCount * 4;

// A place of the search: a cell, entered moving towards an edge (moving
// east enters through the west edge).
int state(QPoint cell, Edge moving)
{
    return RoadCells::index(cell) * 4 + int(moving);
}

QPoint cellOf(int state)
{
    const int index = state / 4;
    return {TrackGrid::columnOf(index), TrackGrid::rowOf(index)};
}

Edge movingOf(int state)
{
    return Edge(state % 4);
}

struct End
{
    QPoint cell;     // the cell whose road stops
    Edge edge;       // the edge it stops at
    QPoint grass;    // the "07" cell in front of it, where a run begins
    RoadFamily family;
};

// The cheapest runs from one end to every cell of the grass, by the way
// each is entered.
struct Search
{
    std::vector<int> cost = std::vector<int>(stateCount, unreachable);
    std::vector<int> previous = std::vector<int>(stateCount, -1);
};

class Closer
{
public:
    explicit Closer(const TrackGrid &grid)
        : m_grid(grid)
    {
        m_free.fill(false);
        m_block.fill(0);
        for (int column = 0; column < grid.width(); ++column)
            for (int row = 0; row < grid.height(); ++row)
                m_free[size_t(TrackGrid::index(column, row))] =
                    grid.cell(column, row).code == Catalogue::defaultCode();
        findEnds();
    }

    GapCloser::Result run()
    {
        GapCloser::Result result;
        QVector<Search> searches(m_ends.size());
        using Candidate = std::tuple<int, int, int>;  // cost, first end, second end
        std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> queue;
        for (int a = 0; a < m_ends.size(); ++a) {
            search(a, searches[a]);
            for (int b = a + 1; b < m_ends.size(); ++b) {
                const int cost = goal(searches[a], b).first;
                if (m_ends[a].family == m_ends[b].family && cost != unreachable)
                    queue.emplace(cost, a, b);
            }
        }
        QVector<bool> joined(m_ends.size(), false);
        while (!queue.empty()) {
            const auto [cost, a, b] = queue.top();
            queue.pop();
            if (joined[a] || joined[b])
                continue;
            // Runs laid since the search can only have made this one dearer;
            // a run still all grass costs what it did, and is the cheapest.
            QVector<int> run = path(searches[a], b);
            if (!isFree(run)) {
                search(a, searches[a]);
                run = path(searches[a], b);
            }
            const int now = goal(searches[a], b).first;
            if (now == unreachable)
                continue;
            if (now > cost) {
                queue.emplace(now, a, b);
                continue;
            }
            lay(run, b);
            joined[a] = joined[b] = true;
            ++result.gaps;
            result.pieces += int(run.size());
        }
        result.grid = m_grid;
        return result;
    }

private:
    void findEnds()
    {
        const TrackGrid &grid = m_grid;
        const QVector<OpenEnd> ends = ConnectionCheck::openEnds(
            grid.width(), grid.height(), [&grid](int column, int row) { return grid.cell(column, row).code; });
        for (const OpenEnd &end : ends) {
            const QPoint cell(end.column, end.row);
            const QPoint grass = RoadCells::across(cell, end.edge);
            const QByteArray &code = RoadCells::code(grid, cell);
            const RoadFamily family = RoadPieces::familyOf(code);
            if (!RoadCells::inBlock(grid, grass) || !m_free[size_t(RoadCells::index(grass))]
                || !RoadPieces::of(family).carriesRoad(code, end.edge))
                continue;
            m_ends.append({cell, end.edge, grass, family});
            m_block[size_t(RoadCells::index(grass))] += 1;
        }
    }

    bool isFree(QPoint cell) const
    {
        return RoadCells::inBlock(m_grid, cell) && m_free[size_t(RoadCells::index(cell))];
    }

    bool isFree(const QVector<int> &run) const
    {
        for (int s : run)
            if (!isFree(cellOf(s)))
                return false;
        return true;
    }

    // Grass in front of ends other than the one a run starts from.
    int blockCost(QPoint cell, const End &from) const
    {
        const int count = m_block[size_t(RoadCells::index(cell))] - int(cell == from.grass);
        return count * blockWeight;
    }

    void search(int from, Search &out) const
    {
        out = Search();
        const End &end = m_ends[from];
        if (!isFree(end.grass))
            return;
        using Item = std::pair<int, int>;  // cost, state
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
        const int start = state(end.grass, end.edge);
        out.cost[size_t(start)] = lengthWeight;
        open.emplace(lengthWeight, start);
        while (!open.empty()) {
            const auto [cost, s] = open.top();
            open.pop();
            if (cost != out.cost[size_t(s)])
                continue;
            const QPoint cell = cellOf(s);
            const Edge moving = movingOf(s);
            for (Edge next : Edges::all) {
                const QPoint to = RoadCells::across(cell, next);
                if (next == Edges::opposite(moving) || !isFree(to))
                    continue;
                const int t = state(to, next);
                const int step =
                    cost + lengthWeight + (next != moving ? cornerWeight : 0) + blockCost(to, end);
                if (step < out.cost[size_t(t)]) {
                    out.cost[size_t(t)] = step;
                    out.previous[size_t(t)] = s;
                    open.emplace(step, t);
                }
            }
        }
    }

    // The cheapest run that ends in front of end `to`, turned into it: its
    // cost and last state.
    std::pair<int, int> goal(const Search &search, int to) const
    {
        const End &end = m_ends[to];
        const Edge into = Edges::opposite(end.edge);  // moving from the grass into the end's cell
        std::pair<int, int> best{unreachable, -1};
        if (!isFree(end.grass))
            return best;
        for (Edge moving : Edges::all) {
            const int cost = search.cost[size_t(state(end.grass, moving))];
            if (moving == end.edge || cost == unreachable)
                continue;
            const int total = cost + (moving != into ? cornerWeight : 0);
            if (total < best.first)
                best = {total, state(end.grass, moving)};
        }
        return best;
    }

    // The run's states from the first end to the grass in front of `to`.
    QVector<int> path(const Search &search, int to) const
    {
        QVector<int> run;
        for (int s = goal(search, to).second; s != -1; s = search.previous[size_t(s)])
            run.prepend(s);
        return run;
    }

    void lay(const QVector<int> &run, int to)
    {
        const RoadPieces &roads = RoadPieces::of(m_ends[to].family);
        for (int i = 0; i < run.size(); ++i) {
            const QPoint cell = cellOf(run[i]);
            const Edge in = Edges::opposite(movingOf(run[i]));
            const Edge out = i + 1 < run.size() ? movingOf(run[i + 1]) : Edges::opposite(m_ends[to].edge);
            m_grid.setCode(RoadCells::index(cell), roads.piece(EdgeSets::of(in) | EdgeSets::of(out)));
            m_free[size_t(RoadCells::index(cell))] = false;
        }
    }

    TrackGrid m_grid;
    std::array<bool, TrackGrid::cellCount> m_free;
    std::array<int, TrackGrid::cellCount> m_block;
    QVector<End> m_ends;
};

} // namespace

GapCloser::Result GapCloser::close(const TrackGrid &grid)
{
    return Closer(grid).run();
}

QString GapCloser::summaryText(int gaps, int pieces)
{
    if (gaps == 0)
        return QCoreApplication::translate("GapCloser", "No gap can be closed");
    const QString closed = gaps == 1 ? QCoreApplication::translate("GapCloser", "Closed 1 gap")
                                     : QCoreApplication::translate("GapCloser", "Closed %n gaps", nullptr, gaps);
    return pieces == 1 ? QCoreApplication::translate("GapCloser", "%1 with 1 piece").arg(closed)
                       : QCoreApplication::translate("GapCloser", "%1 with %n pieces", nullptr, pieces).arg(closed);
}
