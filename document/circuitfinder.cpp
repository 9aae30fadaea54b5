// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/circuitfinder.h"

#include "document/trackgrid.h"
#include "pieces/connectioncheck.h"
#include "pieces/piecetable.h"

#include <algorithm>
#include <array>

namespace {

bool hasRoad(const EdgeProfile &profile)
{
    for (const EdgeSpan &span : profile.spans())
        if (span.kind == EdgeSpan::Road)
            return true;
    return false;
}

bool carriesRoad(const Piece *piece)
{
    if (!piece)
        return false;
    for (Edge edge : Edges::all)
        if (hasRoad(piece->edges[edge]))
            return true;
    return false;
}

// The pieces of the block, looked up once, and which circuit each cell is in.
class RoadGrid
{
public:
    explicit RoadGrid(const TrackGrid &grid)
        : m_width(grid.width()), m_height(grid.height())
    {
        for (int column = 0; column < m_width; ++column)
            for (int row = 0; row < m_height; ++row)
                m_pieces[size_t(TrackGrid::index(column, row))] = PieceTable::find(grid.cell(column, row).code);
        m_circuit.fill(-1);
    }

    bool inside(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < m_width && row < m_height;
    }
    const Piece *piece(int index) const { return m_pieces[size_t(index)]; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int &circuitOf(int index) { return m_circuit[size_t(index)]; }
    int circuitOf(int index) const { return m_circuit[size_t(index)]; }

    // The neighbour across an edge when the two meet there with road, or -1.
    int joined(int index, Edge edge) const
    {
        const int column = TrackGrid::columnOf(index) + (edge == Edge::East) - (edge == Edge::West);
        const int row = TrackGrid::rowOf(index) + (edge == Edge::South) - (edge == Edge::North);
        if (!inside(column, row))
            return -1;
        const int next = TrackGrid::index(column, row);
        const EdgeProfile &profile = piece(index)->edges[edge];
        const Piece *other = piece(next);
        if (!other || !hasRoad(profile) || other->edges[Edges::opposite(edge)] != profile)
            return -1;
        return next;
    }

private:
    int m_width;
    int m_height;
    std::array<const Piece *, TrackGrid::cellCount> m_pieces{};
    std::array<int, TrackGrid::cellCount> m_circuit{};
};

// Every cell reached from `first` through road edges joins circuit `id`.
QVector<int> collect(RoadGrid &grid, int first, int id)
{
    QVector<int> cells{first};
    grid.circuitOf(first) = id;
    for (int k = 0; k < cells.size(); ++k) {
        for (Edge edge : Edges::all) {
            const int next = grid.joined(cells[k], edge);
            if (next >= 0 && grid.circuitOf(next) < 0) {
                grid.circuitOf(next) = id;
                cells.append(next);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::optional<Edge> edgeOf(Port port)
{
    switch (port) {
    case Port::North: return Edge::North;
    case Port::East: return Edge::East;
    case Port::South: return Edge::South;
    case Port::West: return Edge::West;
    default: return std::nullopt;
    }
}

// Where a drive leaving `index` through `port` goes on: the neighbour's cell
// and its way in, or -1 when the road does not go on there within the circuit.
struct Step
{
    int cell = -1;
    const RoadWay *way = nullptr;
};

Step stepOn(const RoadGrid &grid, int index, Port port)
{
    const int column = TrackGrid::columnOf(index) + Ports::columnStep(port);
    const int row = TrackGrid::rowOf(index) + Ports::rowStep(port);
    if (!grid.inside(column, row))
        return {};
    const int next = TrackGrid::index(column, row);
    if (grid.circuitOf(next) != grid.circuitOf(index))
        return {};
    // Across an edge the two pieces must meet; through a corner the pieces
    // beside it carry the band and have joined the circuit already.
    if (const std::optional<Edge> edge = edgeOf(port); edge && grid.joined(index, *edge) != next)
        return {};
    const RoadWay *way = grid.piece(next)->road.wayThrough(Ports::opposite(port));
    return way ? Step{next, way} : Step{};
}

// A drive's state: in a cell, on one of its ways, heading for one of the
// way's two ends. The drive goes from state to state deterministically, and
// backwards just as well, so the states fall apart into loops and into runs
// that end at a dead end, an open end or a junction's branch.
struct State
{
    int cell = -1;
    int way = 0;     // index into the piece's ways
    bool toEnd = true;  // heading for the way's `to` end, else its `from` end

    int bit() const { return 1 << (way * 2 + (toEnd ? 0 : 1)); }
    State reversed() const { return {cell, way, !toEnd}; }
    bool operator==(const State &other) const
    {
        return cell == other.cell && way == other.way && toEnd == other.toEnd;
    }
};

class Drive
{
public:
    explicit Drive(const RoadGrid &grid) : m_grid(grid) {}

    const RoadWay &wayOf(const State &state) const { return m_grid.piece(state.cell)->road.ways()[state.way]; }

    // The state after leaving this one's cell, or a cell of -1 where the
    // road does not go on along a way.
    State next(const State &state) const
    {
        const RoadWay &way = wayOf(state);
        const Port out = state.toEnd ? way.to : way.from;
        const Step step = stepOn(m_grid, state.cell, out);
        if (!step.way)
            return {};
        const RoadWay *ways = m_grid.piece(step.cell)->road.ways().constData();
        return {step.cell, int(step.way - ways), step.way->from == Ports::opposite(out)};
    }

private:
    const RoadGrid &m_grid;
};

// The lap of a circuit: where its ways hold exactly one loop, that loop.
// Ways that no loop passes are its branches: a side road, a spur to a
// turning bay, the road into a paved area. A loop passes each state once,
// so the drive round a figure of eight counts its crossroads twice, once
// each way. Two loops (two rings joined by a link road) are no one lap.
QVector<State> lapOf(const RoadGrid &grid, const QVector<int> &cells)
{
    const Drive drive(grid);
    std::array<quint8, TrackGrid::cellCount> seen{};
    auto isSeen = [&](const State &s) { return (seen[size_t(s.cell)] & s.bit()) != 0; };
    auto see = [&](const State &s) { seen[size_t(s.cell)] |= quint8(s.bit()); };
    int loops = 0;
    QVector<State> lap;
    for (int cell : cells) {
        for (int way = 0; way < grid.piece(cell)->road.ways().size(); ++way) {
            for (bool toEnd : {true, false}) {
                const State start{cell, way, toEnd};
                if (isSeen(start))
                    continue;
                // Forward until the drive comes back, ends, or joins a run
                // walked before (a loop's states are all seen with it).
                State at = start;
                QVector<State> walked;
                do {
                    see(at);
                    walked.append(at);
                    at = drive.next(at);
                } while (at.cell >= 0 && !isSeen(at));
                if (at == start) {
                    ++loops;
                    // The same loop driven the other way is no other lap.
                    for (const State &s : std::as_const(walked))
                        see(s.reversed());
                    lap = walked;
                }
            }
        }
    }
    return loops == 1 ? lap : QVector<State>();
}

// A drive's state leaving the cell through `port` is preferred the earlier
// the port comes in this list: east first, then clockwise round.
int exitRank(Port port)
{
    return (int(port) - int(Port::East) + 8) % 8;
}

bool drivable(const RoadGrid &grid, int cell)
{
    return !grid.piece(cell)->road.ways().isEmpty();
}

// Where the drive of a laying order starts, or none for a circuit whose
// pieces have no ways. `reading` is the circuit's cells in reading order.
std::optional<State> layingStart(const RoadGrid &grid, const QVector<int> &reading)
{
    for (int cell : reading)
        if (drivable(grid, cell) && CircuitFinder::isStartLine(grid.piece(cell)->code))
            return State{cell, 0, true};  // a start grid faces from a way's `from` to its `to`
    const Drive drive(grid);
    for (int cell : reading) {
        if (!drivable(grid, cell))
            continue;
        std::optional<State> best;
        int bestRank = 0;
        const QVector<RoadWay> &ways = grid.piece(cell)->road.ways();
        for (int way = 0; way < ways.size(); ++way) {
            for (bool toEnd : {true, false}) {
                const State state{cell, way, toEnd};
                // A way that goes on beats one that ends at once.
                const int rank = exitRank(toEnd ? ways[way].to : ways[way].from)
                                 + (drive.next(state).cell < 0 ? 8 : 0);
                if (!best || rank < bestRank) {
                    best = state;
                    bestRank = rank;
                }
            }
        }
        return best;
    }
    return std::nullopt;
}

// The laying order being built: each cell once, and with each cell the
// cells joined to it that no drive passes.
class Laying
{
public:
    explicit Laying(const RoadGrid &grid) : m_grid(grid) {}

    bool has(int cell) const { return m_placed[size_t(cell)]; }
    const QVector<int> &order() const { return m_order; }

    void lay(int cell)
    {
        if (has(cell))
            return;
        m_placed[size_t(cell)] = true;
        m_order.append(cell);
        for (Edge edge : Edges::all)
            if (const int next = m_grid.joined(cell, edge); next >= 0 && !drivable(m_grid, next))
                lay(next);
    }

    // Everything joined to the cells laid so far, nearest first.
    void layTheRest()
    {
        for (int k = 0; k < m_order.size(); ++k)
            for (Edge edge : Edges::all)
                if (const int next = m_grid.joined(m_order[k], edge); next >= 0)
                    lay(next);
    }

private:
    const RoadGrid &m_grid;
    std::array<bool, TrackGrid::cellCount> m_placed{};
    QVector<int> m_order;
};

} // namespace

bool CircuitFinder::isStartLine(const QByteArray &code)
{
    // The piece names say what the artwork shows, so the start lines are
    // exactly the pieces named so.
    const Piece *piece = PieceTable::find(code);
    return piece && piece->name.contains(QLatin1String("start line"));
}

QVector<int> CircuitFinder::layingOrder(const TrackGrid &grid, const Circuit &circuit)
{
    if (circuit.cells.isEmpty())
        return {};
    RoadGrid roads(grid);
    for (int cell : circuit.cells)
        roads.circuitOf(cell) = 0;
    QVector<int> reading = circuit.cells;
    std::sort(reading.begin(), reading.end(), [](int a, int b) {
        return std::pair(TrackGrid::rowOf(a), TrackGrid::columnOf(a))
               < std::pair(TrackGrid::rowOf(b), TrackGrid::columnOf(b));
    });
    Laying laying(roads);
    if (const std::optional<State> start = layingStart(roads, reading)) {
        const Drive drive(roads);
        std::array<quint8, TrackGrid::cellCount> seen{};
        for (State at = *start; at.cell >= 0 && !(seen[size_t(at.cell)] & at.bit()); at = drive.next(at)) {
            seen[size_t(at.cell)] |= quint8(at.bit());
            laying.lay(at.cell);
        }
    } else {
        laying.lay(reading.first());
    }
    laying.layTheRest();
    return laying.order();
}

QVector<Circuit> CircuitFinder::find(const TrackGrid &grid)
{
    RoadGrid roads(grid);
    QVector<Circuit> circuits;
    // Column by column, as the grid stores its cells: circuits come in the
    // order of their first cells.
    for (int column = 0; column < roads.width(); ++column) {
        for (int row = 0; row < roads.height(); ++row) {
            const int index = TrackGrid::index(column, row);
            if (roads.circuitOf(index) >= 0 || !carriesRoad(roads.piece(index)))
                continue;
            Circuit circuit;
            circuit.cells = collect(roads, index, int(circuits.size()));
            for (int cell : std::as_const(circuit.cells))
                circuit.road += roads.piece(cell)->road.length();
            circuits.append(circuit);
        }
    }
    const QVector<OpenEnd> ends = ConnectionCheck::openEnds(
        grid.width(), grid.height(), [&grid](int column, int row) { return grid.cell(column, row).code; });
    QVector<bool> open(circuits.size(), false);
    for (const OpenEnd &end : ends)
        if (const int id = roads.circuitOf(TrackGrid::index(end.column, end.row)); id >= 0)
            open[id] = true;
    for (int id = 0; id < circuits.size(); ++id) {
        circuits[id].closed = !open[id];
        const QVector<State> lap = lapOf(roads, circuits[id].cells);
        if (lap.isEmpty())
            continue;
        double length = 0;
        for (const State &state : lap) {
            const RoadWay &way = roads.piece(state.cell)->road.ways()[state.way];
            length += way.length;
            circuits[id].lapWays.append({state.cell, state.way, !state.toEnd});
        }
        circuits[id].lap = length;
    }
    return circuits;
}
